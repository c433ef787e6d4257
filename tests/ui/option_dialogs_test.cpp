// Text Options, Background Options and QR Code.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

#include "core/card/ShrinkToFit.h"
#include "core/document/CardDocument.h"
#include "core/editing/FontPoints.h"
#include "tests/ui/WidgetTest.h"
#include "ui/base/DialogPlacement.h"
#include "ui/base/UserSettings.h"
#include "ui/card/CardPreview.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/Slider.h"
#include "ui/dialogs/BackgroundOptionsDialog.h"
#include "ui/dialogs/QrCodeDialog.h"
#include "ui/dialogs/TextOptionsDialog.h"

namespace tavolo {
namespace {

// A started document and its preview, as the main window holds them.
class OptionDialogs : public test::ControlTest {
 protected:
  OptionDialogs() {
    document_.Start(nullptr);
    preview_.resize(400, 250);
  }
  template <class Control>
  static Control* Find(QDialog& dialog, int id) {
    auto* control = dialog.findChild<Control*>(QString::number(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
  }
  // Clicks swatch `cell` (7 per row) of a colour line.
  static void Swatch(ColourLine* line, int cell) {
    const QRect area = ColourLineCellRect(cell, line->size());
    QTest::mouseClick(line, Qt::LeftButton, {}, area.center());
  }
  static void Drag(Slider* slider, int x) {
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(6, 5));
    test::SendMouse(*slider, QEvent::MouseMove, {x, 5});
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, 5));
  }
  const TextBoxStyle& Style(int box) const { return document_.Live().styles[box]; }
  int Steps() const { return document_.History().UndoCount(); }
  void SetStyle(int box, const std::function<void(TextBoxStyle&)>& change) {
    test::RecordChange(document_, [&](CardState& card) { change(card.styles[box]); });
  }

  BackgroundTable table_ = test::SyntheticBackgrounds(3);
  CardDocument document_{&table_, {}};
  CardPreview preview_{document_};
};

TEST_F(OptionDialogs, TextOptionsOpenOnTheBoxStyleAndTakeTypedSizesKeyByKey) {
  SetStyle(2, [](TextBoxStyle& s) {
    s.size = "100";
    s.face = "No Such Face";
    s.style = "Bold Italic";
    s.frameSize = 11;
  });
  TextOptionsDialog dialog(preview_, 2);
  EXPECT_EQ(dialog.windowTitle(), "Text Options");
  // Sizes show in points; the box's own size is added at the end of the list, keeping its stored
  // value; a face not installed heads the font list, selected.
  auto* sizes = Find<QComboBox>(dialog, TextOptionsDialog::kSizeList);
  EXPECT_EQ(sizes->count(), FontPointChoices(document_.Live()).size() + 1);
  EXPECT_EQ(sizes->currentText(), PointsText(FontSizePoints("100", document_.Live()), QLocale()));
  EXPECT_EQ(sizes->currentIndex(), sizes->count() - 1);
  auto* fonts = Find<QListWidget>(dialog, TextOptionsDialog::kFontList);
  EXPECT_GT(fonts->count(), 1);
  ASSERT_NE(fonts->currentItem(), nullptr);
  EXPECT_EQ(fonts->currentRow(), 0);
  EXPECT_EQ(fonts->currentItem()->text(), "No Such Face (not installed)");
  EXPECT_EQ(Find<QComboBox>(dialog, TextOptionsDialog::kStyleList)->currentText(), "Bold Italic");
  EXPECT_EQ(Find<QSpinBox>(dialog, TextOptionsDialog::kFrameSizeEdit)->value(), 11);
  EXPECT_TRUE(Find<QRadioButton>(dialog, TextOptionsDialog::kFrameNoneRadio)->isChecked());
  // Nothing changed by opening, nor by Close with the focus in the font list: the face that is
  // not installed stays.
  dialog.show();
  fonts->setFocus();
  QApplication::processEvents();
  dialog.accept();
  EXPECT_EQ(Style(2).face, "No Such Face");
  EXPECT_EQ(Style(2).size, "100");
  // Another face picked is taken as it is named.
  TextOptionsDialog picked(preview_, 2);
  auto* list = Find<QListWidget>(picked, TextOptionsDialog::kFontList);
  list->setCurrentRow(1);
  EXPECT_EQ(Style(2).face, list->item(1)->text());
  picked.reject();

  // Typed sizes take effect key by key while in range.
  TextOptionsDialog typed(preview_, 1);
  typed.show();
  QLineEdit* edit = Find<QComboBox>(typed, TextOptionsDialog::kSizeList)->lineEdit();
  // Points are typed; which count is the engine's rule: "500" leaves the size "50" gave.
  const auto stored = [&](double points) { return *StoredFontSize(points, document_.Live()); };
  const std::pair<const char*, QString> cases[] = {
      {"12", stored(12)}, {"7.5", stored(7.5)}, {"500", stored(50)}, {"abc", "36"}};
  for (const auto& [typed, size] : cases) {
    SetStyle(1, [](TextBoxStyle& s) { s.size = "36"; });
    edit->clear();
    QTest::keyClicks(edit, typed);
    EXPECT_EQ(Style(1).size, size) << typed;
  }
  Find<QComboBox>(typed, TextOptionsDialog::kSizeList)->setCurrentIndex(2);
  EXPECT_EQ(Style(1).size, stored(8));
}

TEST_F(OptionDialogs, EachTextControlWritesItsFieldOfTheBoxAlone) {
  TextOptionsDialog dialog(preview_, 3);
  dialog.show();
  const CardState before = document_.Live();
  // The frame's controls are enabled exactly while there is a frame.
  const auto frameControls = [&] {
    return std::array<bool, 3>{
        Find<QWidget>(dialog, TextOptionsDialog::kFillColourLine)->isEnabled(),
        Find<QWidget>(dialog, TextOptionsDialog::kFrameSizeEdit)->isEnabled(),
        Find<QWidget>(dialog, TextOptionsDialog::kOpacitySlider)->isEnabled()};
  };
  EXPECT_EQ(frameControls(), (std::array<bool, 3>{false, false, false}));
  auto* fonts = Find<QListWidget>(dialog, TextOptionsDialog::kFontList);
  fonts->setCurrentRow(0);
  EXPECT_EQ(Style(3).face, fonts->item(0)->text());
  Find<QComboBox>(dialog, TextOptionsDialog::kStyleList)->setCurrentIndex(1);
  EXPECT_EQ(Style(3).style, "Bold");
  Find<QRadioButton>(dialog, TextOptionsDialog::kFrameNoneRadio + 2)->click();
  EXPECT_EQ(Style(3).frameMode, 2);
  EXPECT_EQ(frameControls(), (std::array<bool, 3>{true, true, true}));
  Find<QSpinBox>(dialog, TextOptionsDialog::kFrameSizeEdit)->setValue(3);
  EXPECT_EQ(Style(3).frameSize, 3);
  Swatch(Find<ColourLine>(dialog, TextOptionsDialog::kFillColourLine), 8);
  EXPECT_EQ(Style(3).frameColour, ColourLineCellColour(8));
  auto* opacity = Find<Slider>(dialog, TextOptionsDialog::kOpacitySlider);
  Drag(opacity, opacity->width() - 5);
  EXPECT_EQ(Style(3).opacity, 1.0f);
  auto* shrink = Find<QCheckBox>(dialog, TextOptionsDialog::kShrinkToFitCheck);
  const bool shrinking = ShrinksToFit(before, 3);
  EXPECT_EQ(shrink->isChecked(), shrinking);
  shrink->click();
  EXPECT_EQ(ShrinksToFit(document_.Live(), 3), !shrinking);
  // The alignment lists open on the layout's own placement (layout 1's box 4: right, at the top).
  auto* across = Find<QComboBox>(dialog, TextOptionsDialog::kHorizontalAlignList);
  auto* down = Find<QComboBox>(dialog, TextOptionsDialog::kVerticalAlignList);
  EXPECT_EQ(std::pair(across->currentIndex(), down->currentIndex()), std::pair(2, 0));
  across->setCurrentIndex(1);
  down->setCurrentIndex(3);
  ASSERT_TRUE(document_.Live().alignments.has_value());
  EXPECT_EQ((*document_.Live().alignments)[3],
            (BoxAlignment{HorizontalAlign::kCentre, VerticalAlign::kBottom}));
  // The other boxes and the rest of the card are untouched.
  CardState expected = before;
  expected.styles[3] = Style(3);
  expected.alignments = document_.Live().alignments;
  EXPECT_EQ(std::ranges::count(*expected.alignments, BoxAlignment{}), kTextBoxCount - 1);
  SetShrinkToFit(expected, 3, !shrinking);
  EXPECT_EQ(document_.Live(), expected);
  Find<QRadioButton>(dialog, TextOptionsDialog::kFrameNoneRadio)->click();
  EXPECT_EQ(Style(3).frameMode, kFrameNone);
  EXPECT_EQ(frameControls(), (std::array<bool, 3>{false, false, false}));

  // A swatch brings its brightness and moves the brightness slider.
  TextOptionsDialog text(preview_, 0);
  text.show();
  Swatch(Find<ColourLine>(text, TextOptionsDialog::kColourLine), kColourLineWhiteCell);
  EXPECT_EQ(Style(0).textColour, ColourLineCellColour(kColourLineWhiteCell));
  EXPECT_EQ(Style(0).brightness, 1.0f);
  EXPECT_EQ(Find<Slider>(text, TextOptionsDialog::kBrightnessSlider)->Position(), 1.0f);

  BackgroundOptionsDialog background(preview_);
  background.show();
  Swatch(Find<ColourLine>(background, BackgroundOptionsDialog::kColourLine), kColourLineBlackCell);
  EXPECT_EQ(document_.Live().backgroundColour, ColourLineCellColour(kColourLineBlackCell));
  EXPECT_EQ(document_.Live().bgBrightness, 0.0f);
  EXPECT_EQ(Find<Slider>(background, BackgroundOptionsDialog::kBrightnessSlider)->Position(), 0.0f);
}

TEST_F(OptionDialogs, BackgroundOptionsOpenOnTheCardAndWriteEachField) {
  CardState live = document_.Live();
  live.gradOrientation = kGradBottomToTop;
  live.bgShift = 0.25f;
  live.gradScale = 0.75f;
  document_.SetLive(live);
  BackgroundOptionsDialog dialog(preview_);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Background Options");
  auto* orientation = Find<QComboBox>(dialog, BackgroundOptionsDialog::kOrientationList);
  EXPECT_EQ(orientation->currentIndex(), kGradBottomToTop);
  EXPECT_EQ(Find<Slider>(dialog, BackgroundOptionsDialog::kShiftSlider)->Position(), 0.25f);
  EXPECT_EQ(Find<Slider>(dialog, BackgroundOptionsDialog::kScaleSlider)->Position(), 0.75f);
  EXPECT_EQ(document_.Live(), live);

  orientation->setCurrentIndex(kGradRightToLeft);
  EXPECT_EQ(document_.Live().gradOrientation, kGradRightToLeft);
  auto* shift = Find<Slider>(dialog, BackgroundOptionsDialog::kShiftSlider);
  Drag(shift, 5);
  EXPECT_EQ(document_.Live().bgShift, 0.0f);
  auto* scale = Find<Slider>(dialog, BackgroundOptionsDialog::kScaleSlider);
  scale->setFocus();
  QTest::keyClick(scale, Qt::Key_End);
  EXPECT_EQ(document_.Live().gradScale, 1.0f);
  auto* brightness = Find<Slider>(dialog, BackgroundOptionsDialog::kBrightnessSlider);
  Drag(brightness, 5 + (brightness->width() - 10) / 2);
  EXPECT_NEAR(document_.Live().bgBrightness, 0.5f, 0.01f);
}

TEST_F(OptionDialogs, CloseRecordsOneStepAndEveryOtherEndRestoresTheCardExactly) {
  const std::function<void(QDialog&)> ends[] = {
      [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](QDialog& d) { d.close(); },
      [](QDialog& d) { d.reject(); },
  };
  const std::function<std::unique_ptr<QDialog>(CardPreview&)> dialogs[] = {
      [](CardPreview& p) { return std::make_unique<TextOptionsDialog>(p, 1); },
      [](CardPreview& p) { return std::make_unique<BackgroundOptionsDialog>(p); },
      [](CardPreview& p) { return std::make_unique<QrCodeDialog>(p); },
  };
  for (const auto& make : dialogs) {
    const auto changeAll = [](QDialog& dialog) {
      for (ColourLine* line : dialog.findChildren<ColourLine*>()) {
        line->setEnabled(true);
        Swatch(line, 4);
      }
      for (QComboBox* list : dialog.findChildren<QComboBox*>()) list->setCurrentIndex(3);
      for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) radio->click();
      for (Slider* slider : dialog.findChildren<Slider*>()) Drag(slider, 20);
      for (QCheckBox* check : dialog.findChildren<QCheckBox*>()) check->click();
    };
    for (const auto& end : ends) {
      const CardState before = document_.Live();
      const QImage picture = document_.Render(6, 177, 102);
      const int steps = Steps();
      auto dialog = make(preview_);
      dialog->show();
      changeAll(*dialog);
      EXPECT_NE(document_.Live(), before);
      end(*dialog);
      end(*dialog);  // a second end changes nothing more
      EXPECT_EQ(dialog->result(), QDialog::Rejected);
      EXPECT_EQ(document_.Live(), before);
      EXPECT_EQ(document_.Render(6, 177, 102), picture);
      EXPECT_EQ(Steps(), steps);
    }
    auto dialog = make(preview_);
    dialog->show();
    changeAll(*dialog);
    CardState changed = document_.Live();
    QTest::mouseClick(dialog->findChild<QWidget*>("1"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const CardState recorded = document_.Live();
    dialog->done(QDialog::Rejected);  // the close box after OK: neither a second step nor a revert
    EXPECT_EQ(document_.Live(), recorded);
    // The recorded card is the live one, with the lines the editors (here the layout) hold.
    changed.lines = document_.Working().lines;
    changed.boxCount = document_.Working().boxCount;
    EXPECT_EQ(document_.Working(), changed);
    EXPECT_EQ(document_.History().UndoCount(), 1);
    ASSERT_TRUE(document_.Undo());
  }
}

TEST_F(OptionDialogs, TheQrCodeDialogPreviewsTheCodeSaysWhyNotAndRemovesIt) {
  QrCodeDialog dialog(preview_);
  dialog.show();
  ASSERT_TRUE(document_.Live().qrCode.has_value());  // a new code shows at once
  EXPECT_FALSE(dialog.Preview()->pixmap().isNull());
  dialog.ContentButton(QrContent::kFreeText)->click();
  EXPECT_TRUE(dialog.Preview()->pixmap().isNull());
  EXPECT_EQ(dialog.Problem()->text(), "The QR code has no text.");
  dialog.FreeTextEditor()->setPlainText(QStringLiteral("Grüße"));
  EXPECT_TRUE(dialog.Problem()->text().isEmpty());
  EXPECT_EQ(document_.Live().qrCode->freeText, QStringLiteral("Grüße"));
  dialog.SizeBox()->setValue(40);
  EXPECT_NEAR(document_.Live().qrCode->side, 472.4f, 0.1f);  // 40 mm at 300 dpi
  QTest::mouseClick(dialog.findChild<QWidget*>("1"), Qt::LeftButton);
  EXPECT_EQ(Steps(), 1);

  QrCodeDialog again(preview_);
  again.show();
  EXPECT_EQ(again.FreeTextEditor()->toPlainText(), QStringLiteral("Grüße"));
  QTest::mouseClick(again.findChild<QWidget*>("remove"), Qt::LeftButton);
  EXPECT_FALSE(document_.Working().qrCode.has_value());
  EXPECT_EQ(Steps(), 2);
}

TEST_F(OptionDialogs, EveryControlHasAKeyboardPath) {
  TextOptionsDialog text(preview_, 0);
  BackgroundOptionsDialog background(preview_);
  for (QDialog* dialog : {static_cast<QDialog*>(&text), static_cast<QDialog*>(&background)}) {
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      bool ok = false;
      control->objectName().toInt(&ok);
      if (!ok) continue;
      EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus)
          << dialog->windowTitle().toStdString() << " " << control->objectName().toStdString();
    }
  }
}

TEST_F(OptionDialogs, DialogsOpenBesideTheCardThenWhereTheUserLastPutThem) {
  const QRect screen(0, 0, 1600, 1000);
  const QRect card(300, 100, 600, 350);
  const std::pair<QSize, QPoint> cases[] = {
      {{400, 300}, {908, 100}},  // right of the card, top aligned
      {{800, 300}, {300, 458}},  // too wide for either side: below
      {{800, 600}, {800, 100}},  // nowhere whole: the roomiest side, kept on the screen
      {{300, 1200}, {908, 0}},   // taller than the screen: from its top
  };
  for (const auto& [dialog, corner] : cases) {
    EXPECT_EQ(PlaceBeside(card, dialog, screen), corner) << dialog.width();
  }

  // A dialog opens beside the card, then where the user last put it.
  UserSettings()->remove(QStringLiteral("dialogs"));
  preview_.show();
  const QRect shown(preview_.mapToGlobal(preview_.Geometry().card.topLeft()),
                    preview_.Geometry().card.size());
  {
    TextOptionsDialog dialog(preview_, 0);
    dialog.show();
    EXPECT_FALSE(dialog.frameGeometry().intersects(shown));
    dialog.move(123, 77);
    dialog.reject();
  }
  TextOptionsDialog again(preview_, 0);
  again.show();
  EXPECT_EQ(again.pos(), QPoint(123, 77));
  again.reject();
}

}  // namespace
}  // namespace tavolo
