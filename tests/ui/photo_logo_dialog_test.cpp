// Photo Options, Logo Options and their commands; the rules behind them are the engine's.
#include <fstream>

#include <QLineEdit>
#include <QPushButton>

#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/EditCommands.h"
#include "ui/controls/PicturePreview.h"
#include "ui/controls/Slider.h"
#include "ui/dialogs/LogoDialog.h"
#include "ui/dialogs/PhotoDialog.h"
#include "ui/dialogs/ScaleBox.h"

namespace tavolo {
namespace {

using test::DialogFixture;
using test::SendMouse;

class PhotoLogoTest : public test::ControlTest {
 protected:
  QImage CardPicture() { return fx.document.Render(1, kPrintWidth, kPrintHeight); }

  DialogFixture fx;
};

TEST_F(PhotoLogoTest, ALargePictureIsFittedToAWholePercentageASmallPhotoKeepsItALogoNot) {
  PhotoDialog dialog(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  EXPECT_FALSE(dialog.Scale().isEnabled());
  EXPECT_EQ(dialog.Scale().text(), QStringLiteral("100"));

  ASSERT_TRUE(dialog.LoadFile(fx.Picture("wide.png", 2000, 1000)));
  EXPECT_TRUE(dialog.Scale().isEnabled());
  EXPECT_EQ(dialog.Scale().text(), QStringLiteral("30"));
  EXPECT_FLOAT_EQ(dialog.Placement().reduction, 0.7f);
  EXPECT_EQ(dialog.Placement().name, QStringLiteral("wide.png"));
  EXPECT_EQ(dialog.ShownPath(), test::PathText(fx.photos / "wide.png"));
  EXPECT_TRUE(std::filesystem::exists(fx.photos / "wide.png"));

  // A photo that fits keeps the size the previous one was given.
  ASSERT_TRUE(dialog.LoadFile(fx.Picture("small.png", 400, 200)));
  EXPECT_EQ(dialog.Scale().text(), QStringLiteral("30"));
  EXPECT_FLOAT_EQ(dialog.Placement().reduction, 0.7f);

  PhotoDialog fresh(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  ASSERT_TRUE(fresh.LoadFile(fx.pictures / "small.png"));
  EXPECT_EQ(fresh.Scale().text(), QStringLiteral("100"));
  EXPECT_EQ(fresh.Placement().reduction, 0.0f);

  // A small logo after a large one shows at full size.
  LogoDialog logo(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  ASSERT_TRUE(logo.LoadFile(fx.pictures / "wide.png"));
  EXPECT_EQ(logo.Scale().text(), QStringLiteral("30"));
  ASSERT_TRUE(logo.LoadFile(fx.Picture("small logo.png", 300, 100)));
  EXPECT_EQ(logo.Scale().text(), QStringLiteral("100"));
  EXPECT_EQ(logo.Placement().reduction, 0.0f);

  // A logo drawn as SVG is taken at its size in print pixels.
  const std::filesystem::path mark = fx.pictures / "mark.svg";
  std::ofstream(mark) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="48">)"
                         R"(<rect width="96" height="48" fill="#123456"/></svg>)";
  ASSERT_TRUE(logo.LoadFile(mark));
  EXPECT_EQ(std::pair(logo.Placement().width, logo.Placement().height), std::pair(300.0f, 150.0f));
}

TEST_F(PhotoLogoTest, RotateClockwiseTurnsByQuartersAndSwapsTheDrawnSides) {
  LogoDialog dialog(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  EXPECT_FALSE(dialog.RotateButton().isEnabled());
  ASSERT_TRUE(dialog.LoadFile(fx.Picture("logo.png", 300, 100)));
  ASSERT_TRUE(dialog.RotateButton().isEnabled());
  const PixelRect upright = dialog.Preview().PictureRect();
  EXPECT_EQ(std::pair(upright.Width(), upright.Height()), (std::pair<int64_t, int64_t>(150, 50)));

  dialog.RotateButton().click();
  EXPECT_EQ(dialog.Placement().angle, 90.0f);
  const PixelRect turned = dialog.Preview().PictureRect();
  EXPECT_EQ(std::pair(turned.Width(), turned.Height()), (std::pair<int64_t, int64_t>(50, 150)));

  for (int press = 0; press < 3; ++press) dialog.RotateButton().click();
  EXPECT_EQ(dialog.Placement().angle, 360.0f);
  EXPECT_EQ(dialog.Preview().PictureRect(), upright);
}

TEST_F(PhotoLogoTest, TypedScaleAndArrowsSetTheReduction) {
  PhotoDialog dialog(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  ASSERT_TRUE(dialog.LoadFile(fx.Picture("a.png", 200, 100)));
  dialog.show();
  dialog.Scale().clear();
  QTest::keyClicks(&dialog.Scale(), QStringLiteral("250"));
  EXPECT_FLOAT_EQ(dialog.Placement().reduction, -1.5f);
  dialog.Scale().stepBy(1);
  EXPECT_EQ(dialog.Scale().text(), QStringLiteral("251"));
  // The photo's largest scale is 999: showing, stepping and typing stop there.
  dialog.Scale().ShowPercent(1000);
  EXPECT_EQ(dialog.Scale().Percent(), 999);
  dialog.Scale().stepBy(1);
  QTest::keyClicks(&dialog.Scale(), QStringLiteral("x-"));
  EXPECT_EQ(dialog.Scale().Percent(), 999);
  dialog.Scale().clear();
  QTest::keyClicks(&dialog.Scale(), QStringLiteral("99999"));
  EXPECT_EQ(dialog.Scale().Percent(), 999);
  EXPECT_FLOAT_EQ(dialog.Placement().reduction, ReductionForPercent(999));
}

TEST_F(PhotoLogoTest, APictureThatCannotBeReadOrLiesOutsideThePhotoFolderIsNotTaken) {
  PhotoDialog dialog(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  ASSERT_TRUE(test::WriteFileBytes(fx.pictures / "broken.png", {0x89, 'P', 'N', 'G', 1, 2}));
  EXPECT_FALSE(dialog.LoadFile(fx.pictures / "broken.png"));
  ASSERT_EQ(fx.script.told.size(), 1);
  EXPECT_TRUE(fx.script.told[0].contains(QStringLiteral("broken.png")));
  EXPECT_TRUE(fx.script.told[0].contains(QStringLiteral("could not be opened as a picture")));
  EXPECT_FALSE(dialog.HoldsPicture());
  EXPECT_TRUE(dialog.ShownPath().isEmpty());
  EXPECT_FALSE(dialog.Scale().isEnabled());
  EXPECT_FALSE(std::filesystem::exists(fx.photos / "broken.png"));

  // Only the copy in the photo folder is ever read: a project's stored path may name any file.
  const std::filesystem::path outside = fx.Picture("secret.png", 40, 30);
  CardState card = fx.document.Live();
  for (const QString& name : {QString(), QStringLiteral("../secret.png")}) {
    card.photo.name = name;
    card.photo.path = test::PathText(outside);
    card.logo.name = name;
    card.logo.path = card.photo.path;
    PhotoDialog photo(CardPicture(), card, fx.photos, fx.prompts);
    EXPECT_FALSE(photo.HoldsPicture()) << name.toStdString();
    LogoDialog logo(CardPicture(), card, fx.photos, fx.prompts);
    EXPECT_FALSE(logo.HoldsPicture()) << name.toStdString();
  }
}

TEST_F(PhotoLogoTest, DraggingOrArrowKeysMoveThePicture) {
  PhotoDialog dialog(CardPicture(), fx.document.Live(), fx.photos, fx.prompts);
  ASSERT_TRUE(dialog.LoadFile(fx.Picture("a.png", 200, 100)));
  dialog.show();
  PicturePreview& preview = dialog.Preview();
  const PreviewScale scale = preview.Scale();
  // The photo's centre (531, 307.5) lies at about (265, 154) on the control.
  SendMouse(preview, QEvent::MouseButtonPress, QPoint(270, 150));
  ASSERT_TRUE(preview.IsDragging());
  SendMouse(preview, QEvent::MouseMove, QPoint(170, 100));
  SendMouse(preview, QEvent::MouseButtonRelease, QPoint(170, 100));
  EXPECT_FALSE(preview.IsDragging());
  EXPECT_NEAR(dialog.Placement().x, 531.0f - 100 / scale.sx, 0.01f);
  EXPECT_NEAR(dialog.Placement().y, 307.5f - 50 / scale.sy, 0.01f);

  const float x = dialog.Placement().x;
  QTest::keyClick(&preview, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_NEAR(dialog.Placement().x, x + 10 / scale.sx, 0.01f);
}

TEST_F(PhotoLogoTest, InsertPhotoTakesThePlacementOnOkAndDeleteThenUndoBringsItBack) {
  const std::filesystem::path picture = fx.Picture("face.png", 120, 80);
  const int steps = fx.document.History().UndoCount();
  // "Load Photo" asks for the file through the prompts.
  fx.script.paths.push_back(test::PathText(picture));
  fx.script.dialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<PhotoDialog&>(d);
    // The card under the photo is drawn without it.
    EXPECT_TRUE(fx.document.Live().photo.name.isEmpty());
    dialog.findChild<QPushButton*>(QStringLiteral("1056"))->click();
    dialog.accept();
  };
  ASSERT_TRUE(PlacePicture(nullptr, fx.prompts, fx.preview, PictureKind::kPhoto));
  ASSERT_EQ(fx.script.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = fx.script.fileDialogs[0];
  EXPECT_EQ(asked.title, QStringLiteral("Load Photo"));
  EXPECT_TRUE(asked.filter.contains(QStringLiteral(");;jpeg files (*.jpeg *.jpg);;")));
  // It starts in the pictures' last folder, never with a name typed in.
  EXPECT_EQ(asked.kind, FileKind::kPicture);
  EXPECT_TRUE(asked.folder.isEmpty());
  EXPECT_EQ(fx.document.History().UndoCount(), steps + 1);
  const PlacedPicture placed = fx.document.Working().photo;
  EXPECT_EQ(placed.name, QStringLiteral("face.png"));
  EXPECT_EQ(placed.width, 120.0f);
  EXPECT_EQ(fx.document.Live().photo, placed);

  // Edit Photo opens on the card's photo.
  fx.script.dialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<PhotoDialog&>(d);
    EXPECT_TRUE(dialog.HoldsPicture());
    EXPECT_EQ(dialog.Placement(), placed);
    EXPECT_TRUE(dialog.TrimSlider(PhotoDialog::kTrimTop).isEnabled());
  };
  EXPECT_FALSE(PlacePicture(nullptr, fx.prompts, fx.preview, PictureKind::kPhoto));
  EXPECT_EQ(fx.document.Live().photo, placed);

  fx.document.DeletePicture(PictureKind::kPhoto);
  EXPECT_TRUE(fx.document.Working().photo.name.isEmpty());
  ASSERT_TRUE(fx.document.Undo());
  EXPECT_EQ(fx.document.Working().photo, placed);
  EXPECT_EQ(fx.document.Live().photo, placed);
}

TEST_F(PhotoLogoTest, OnALargerCardThePhotoIsPlacedInTheCardsOwnPixels) {
  test::RecordChange(fx.document, [](CardState& card) {
    card.cardWidth = 2124;
    card.cardHeight = 1230;
  });
  fx.script.paths.push_back(test::PathText(fx.Picture("face.png", 300, 200)));
  fx.script.dialog = [&](QDialog& d) {
    auto& dialog = dynamic_cast<PhotoDialog&>(d);
    dialog.ChoosePicture();
    EXPECT_EQ(std::pair(dialog.Placement().x, dialog.Placement().y), std::pair(1062.0f, 615.0f));
    // The photo is drawn at the middle of the preview, at its share of the card.
    const PixelRect shown = dialog.Preview().PictureRect();
    EXPECT_NEAR((shown.left + shown.right) / 2.0, dialog.Preview().width() / 2.0, 1.0);
    EXPECT_NEAR(shown.Width(), 300.0 * dialog.Preview().width() / 2124, 1.0);
    dialog.accept();
  };
  ASSERT_TRUE(PlacePicture(nullptr, fx.prompts, fx.preview, PictureKind::kPhoto));
  EXPECT_EQ(fx.document.Working().photo.x, 1062.0f);
}

TEST_F(PhotoLogoTest, CancelOrOkWithoutAPictureLeaveTheCardAsItWas) {
  const CardState before = fx.document.Live();
  const int steps = fx.document.History().UndoCount();
  for (const int answer : {QDialog::Rejected, QDialog::Accepted}) {
    const std::filesystem::path picture = fx.Picture("logo.png", 90, 60);
    fx.script.dialog = [&](QDialog& d) {
      if (answer == QDialog::Rejected) {
        dynamic_cast<LogoDialog&>(d).LoadFile(picture);
      } else {
        d.accept();
      }
    };
    EXPECT_FALSE(PlacePicture(nullptr, fx.prompts, fx.preview, PictureKind::kLogo));
    EXPECT_EQ(fx.document.Live(), before);
    EXPECT_EQ(fx.document.History().UndoCount(), steps);
  }
  // The copy stays in the photo folder.
  EXPECT_TRUE(std::filesystem::exists(fx.photos / "logo.png"));
}

}  // namespace
}  // namespace tavolo
