// The print dialog on the PDF printer, its print job, Print Setup's printer and the commands.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTranslator>
#include <QTreeWidget>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/base/Translation.h"
#include "core/base/UserName.h"
#include "core/pictures/ImageBridge.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PaperChange.h"
#include "core/render/CardVectorPainter.h"
#include "tests/cli/CliRun.h"
#include "tests/core/GoldenImage.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ShownWindow.h"
#include "tests/ui/TestBackgrounds.h"
#include "ui/app/CommandIds.h"
#include "ui/base/UserSettings.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/print/DraftCardPreview.h"
#include "ui/print/DraftPagePreview.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrintDialogMemory.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/SheetProductNameDialog.h"
#include "ui/print/SheetProductSearch.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;
using Dlg = PrintDialog;
using test::ControlTest;
using test::MatchesGolden;
using test::Script;
using test::ScriptedPrompts;
using test::TempFolder;
using test::WhenModal;

constexpr int kDpi = 300;

// A card without text: a diagonal ramp with a bright disc and a dark band at the left, so that
// a scaled copy is easy to recognise and its edges show.
QImage PatternCard() {
  QImage card(1062, 615, QImage::Format_RGB32);
  for (int y = 0; y < card.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(card.scanLine(y));
    for (int x = 0; x < card.width(); ++x) {
      const int dx = x - 760;
      const int dy = y - 300;
      row[x] = dx * dx + dy * dy < 160 * 160 ? qRgb(250, 220, 90)
                                             : qRgb(40 + x / 8, 90 + y / 6, 160 + (x + y) / 20);
    }
  }
  QPainter(&card).fillRect(0, 0, 90, 615, QColor(30, 30, 60));
  return card;
}

RasterImage PrintImageOf(const QImage& card) {
  RasterImage image;
  EXPECT_TRUE(ToRasterImage(card, image));
  return image;
}

Paper PaperNamed(const char* name) {
  const std::vector<Paper> papers = PaperCatalogue();
  return papers[static_cast<size_t>(FindPaper(papers, QString::fromLatin1(name)))];
}

PageLayout CentredOn(const char* paper) {
  PageLayout layout;
  ApplyPaperChange(layout, PaperNamed(paper), kDpi);
  return layout;
}

constexpr std::pair<int, LayoutLength> kEdits[] = {
    {Dlg::kCardWidth, LayoutLength::kCardWidth},
    {Dlg::kCardHeight, LayoutLength::kCardHeight},
    {Dlg::kHorizontalPitch, LayoutLength::kHorizontalPitch},
    {Dlg::kVerticalPitch, LayoutLength::kVerticalPitch},
    {Dlg::kLeftMargin, LayoutLength::kLeftMargin},
    {Dlg::kTopMargin, LayoutLength::kTopMargin},
};

template <class Widget>
Widget& Control(const QWidget& dialog, int id) {
  auto* widget = dialog.findChild<Widget*>(QString::number(id));
  if (widget == nullptr) throw std::runtime_error("no control " + std::to_string(id));
  return *widget;
}

void ExpectEditsShow(const QWidget& dialog, const ShownLengths& shown) {
  for (const auto& [edit, which] : kEdits) {
    EXPECT_EQ(Control<QLineEdit>(dialog, edit).text(), DisplayText(At(shown, which))) << edit;
  }
}

// What the user does: replace an edit's text by pasting over it (deleting it for an empty
// text), one change of the edit.
void Type(QWidget& dialog, int id, const QString& text) {
  QLineEdit& edit = Control<QLineEdit>(dialog, id);
  edit.setFocus();
  edit.selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(&edit, Qt::Key_Delete);
    return;
  }
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.text(), text);
}

void Click(QWidget& dialog, int id) {
  QTest::mouseClick(&Control<QAbstractButton>(dialog, id), Qt::LeftButton);
}

// Picks an entry of a drop-down list with the keyboard, as activated() comes from the user.
void Choose(QWidget& dialog, int id, int index) {
  QComboBox& list = Control<QComboBox>(dialog, id);
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(&list, Qt::Key_Down);
  ASSERT_EQ(list.currentIndex(), index);
}

void WritePtm(const fs::path& file, const PageLayout& layout) {
  ASSERT_TRUE(WritePageLayoutFile(file, layout).Ok()) << file;
}

PageLayout NamedLayout(const char* name, int32_t paper, int32_t unit, float cardWidth) {
  PageLayout layout;
  layout.name = QString::fromUtf8(name);
  layout.paper = paper;
  layout.unit = unit;
  layout.cardWidth = cardWidth;
  layout.horizontalPitch = cardWidth + 30;
  return layout;
}

// Each test starts from a print dialog last closed in inches with nothing else chosen, as the
// lengths it compares are in inches.
void ForgetThePrintDialog() {
  PrintDialogMemory memory;
  memory.sheet.layout.unit = static_cast<int32_t>(LengthUnit::kInches);
  memory.Save();
}

class PrintDialogTest : public ControlTest {
 protected:
  PrintDialogTest() { ForgetThePrintDialog(); }

  // The dialog on the printer's paper `current`, with the page layouts of `layouts` (or of the
  // test's own folder).
  std::unique_ptr<Dlg> Open(const QPageSize& current, fs::path layouts = {}) {
    printer_.ChoosePdf();
    printer_.SetPageSize(current);
    if (layouts.empty()) layouts = layouts_.Path();
    auto dialog = std::make_unique<Dlg>(&image_, kDpi, printer_, prompts_, nullptr, layouts);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  RasterImage image_ = PrintImageOf(PatternCard());
  PrinterChoice printer_;
  Script script_;
  ScriptedPrompts prompts_{script_};
  TempFolder layouts_;
};

// The dialog opens on the printer's paper, the cards centred on it as the engine centres them,
// and shows the lengths rounded (truncating 3.54 in as a float would show 3.53); another
// paper, chosen while the lengths show in mm, is centred anew and still shown in mm. The groups'
// controls share the dialog's ids: none is given twice.
TEST_F(PrintDialogTest, OpensOnThePrintersPaperAndCentresTheCardsOnThePaperChosen) {
  const auto dialog = Open(QPageSize(QPageSize::Letter));
  QStringList ids;
  for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
    bool numeric = false;
    widget->objectName().toInt(&numeric);
    if (numeric) ids << widget->objectName();
  }
  EXPECT_EQ(ids.removeDuplicates(), 0) << ids.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(dialog->PaperInUse().pageSize.id(), QPageSize::Letter);
  EXPECT_EQ(dialog->Layout(), CentredOn("Letter"));
  ExpectEditsShow(*dialog, ShowLengthsRounded(CentredOn("Letter"), kDpi));
  EXPECT_FALSE(Control<QComboBox>(*dialog, Dlg::kLayoutList).isEnabled());

  Click(*dialog, Dlg::kMm);
  Choose(*dialog, Dlg::kPaperList, FindPaperMatching(dialog->Papers(), QPageSize(QPageSize::A4)));
  EXPECT_EQ(dialog->PaperInUse().pageSize.id(), QPageSize::A4);
  PageLayout onA4;
  const ShownLengths centred = ApplyPaperChange(onA4, dialog->PaperInUse(), kDpi, LengthUnit::kMm);
  EXPECT_EQ(dialog->Layout(), onA4);
  EXPECT_TRUE(Control<QRadioButton>(*dialog, Dlg::kMm).isChecked());
  ExpectEditsShow(*dialog, centred);

  // A printer paper missing from the list leaves the first selected, without a report.
  const auto odd = Open(QPageSize(QSizeF(123, 77), QPageSize::Millimeter));
  EXPECT_EQ(Control<QComboBox>(*odd, Dlg::kPaperList).currentIndex(), 0);
  EXPECT_EQ(odd->Layout().paper, odd->Papers().front().id);
}

// In German and French, whose labels are long, each length in millimetres shows whole in its box.
TEST_F(PrintDialogTest, TheLengthBoxesShowWholeMillimetresInGermanAndFrench) {
  QCoreApplication& app = *QCoreApplication::instance();
  const QLocale before;
  for (const QLocale& locale :
       {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)}) {
    ASSERT_TRUE(InstallTranslations(app, TAVOLO_BIN_DIR "/translations", locale));
    QLocale::setDefault(locale);
    const auto dialog = Open(QPageSize(QPageSize::A4));
    Click(*dialog, Dlg::kMm);
    for (const auto& [id, which] : kEdits) {
      auto& edit = Control<QLineEdit>(*dialog, id);
      QStyleOptionFrame frame;
      frame.initFrom(&edit);
      frame.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit);
      const QRect inside = edit.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &edit);
      // The edit keeps two pixels each side of its text.
      EXPECT_LE(edit.fontMetrics().horizontalAdvance(edit.text()) + 4, inside.width())
          << id << " " << edit.text().toStdString();
    }
    qDeleteAll(app.findChildren<QTranslator*>());
  }
  QLocale::setDefault(before);
}

TEST_F(PrintDialogTest, SwitchingUnitsShowsTheLengthsAnewWithoutChangingThem) {
  const auto dialog = Open(QPageSize(QPageSize::Letter));
  const PageLayout before = dialog->Layout();
  const std::pair<int, LengthUnit> steps[] = {{Dlg::kMm, LengthUnit::kMm},
                                              {Dlg::kInches, LengthUnit::kInches},
                                              {Dlg::kCm, LengthUnit::kCm}};
  for (const auto& [button, unit] : steps) {
    Click(*dialog, button);
    EXPECT_EQ(dialog->Unit(), unit);
    EXPECT_EQ(dialog->Layout().unit, static_cast<int32_t>(unit));
    ExpectEditsShow(*dialog, ShowLengths(before, kDpi, unit));
    PageLayout lengthsOnly = dialog->Layout();
    lengthsOnly.unit = before.unit;
    EXPECT_EQ(lengthsOnly, before) << "the stored lengths stay as they were";
  }
}

// Which texts are numbers from 0 to 1000 is the engine's rule; here each edit's message and what
// the dialog does with a refused value.
TEST_F(PrintDialogTest, EditsTakeNumbersFromZeroTo1000AndRefuseTheRestWithAMessage) {
  const QString notANumber = QStringLiteral("Please enter a number.");
  // The unit button, the edit and its length, the text typed, and the message (empty: taken).
  const std::tuple<int, int, LayoutLength, QString, QString> cases[] = {
      {Dlg::kCm, Dlg::kCardWidth, LayoutLength::kCardWidth, "2", {}},
      {Dlg::kInches, Dlg::kCardHeight, LayoutLength::kCardHeight, "abc",
       QStringLiteral("Card Height: ") + notANumber},
  };
  for (const auto& [unitButton, edit, which, typed, message] : cases) {
    const auto dialog = Open(QPageSize(QPageSize::Letter));
    Click(*dialog, unitButton);
    const PageLayout before = dialog->Layout();
    Type(*dialog, edit, typed);
    EXPECT_EQ(dialog->EditMessage(), message) << typed.toStdString();
    // A value taken is stored as the engine converts it; a refused one leaves the length as it was.
    const float stored = message.isEmpty() ? FromDisplay(typed.toFloat(), kDpi, dialog->Unit())
                                           : LengthOf(before, which);
    EXPECT_EQ(LengthOf(dialog->Layout(), which), stored) << typed.toStdString();
    if (message.isEmpty()) continue;
    // Print does not start while an edit holds a refused value: it says why instead.
    Click(*dialog, Dlg::kPrint);
    EXPECT_EQ(script_.told.value(0), message);
    EXPECT_TRUE(script_.fileDialogs.empty());
    script_.told.clear();
    EXPECT_TRUE(dialog->isVisible());
    // Showing the lengths anew (a unit change) clears the message.
    Click(*dialog, Dlg::kMm);
    EXPECT_EQ(dialog->EditMessage(), QString());
  }
  // Lengths each taken that place no card (a pitch below the card's width) are told before a
  // PDF's name is asked for.
  const auto dialog = Open(QPageSize(QPageSize::Letter));
  Click(*dialog, Dlg::kInches);
  Type(*dialog, Dlg::kHorizontalPitch, QStringLiteral("1"));
  ASSERT_EQ(dialog->EditMessage(), QString());
  Click(*dialog, Dlg::kPrint);
  EXPECT_EQ(script_.told.size(), 1);
  EXPECT_TRUE(script_.fileDialogs.empty());
  EXPECT_TRUE(dialog->isVisible());
}

SheetProduct Product(const char* maker, const char* part, QPageSize::PageSizeId paper) {
  SheetProduct product;
  product.parts = {{maker, part}};
  product.paper = QPageSize(paper);
  product.geometry = {LengthUnit::kMm, 85, 54, 15, 13.5, 95, 54, 2, 5, 0};
  return product;
}

std::vector<QString> ListedParts(const SheetProductSearch& search) {
  std::vector<QString> parts;
  for (const SheetProduct* product : search.Listed()) parts.push_back(product->Main().part);
  return parts;
}

// Typing filters the list; Down and Enter, or Enter in the field, pick; what was picked heads the
// list the next time, under "Last used".
TEST_F(PrintDialogTest, TheSheetSearchFiltersAsYouTypeAndPutsTheLastUsedFirst) {
  UserSettings()->remove(QStringLiteral("print/recentSheetProducts"));
  const std::vector<SheetProduct> products = {Product("Sigel", "LP800", QPageSize::A4),
                                              Product("Avery", "5881", QPageSize::Letter),
                                              Product("Avery", "C32011", QPageSize::A4)};
  std::vector<QString> picked;
  {
    SheetProductSearch search(products, {});
    search.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&search));
    QObject::connect(&search, &SheetProductSearch::productPicked,
                     [&picked](const SheetProduct& p) { picked.push_back(p.Main().part); });
    EXPECT_EQ(ListedParts(search), (std::vector<QString>{"C32011", "LP800", "5881"}));
    QTest::keyClicks(search.Field(), QStringLiteral("avery"));
    EXPECT_EQ(ListedParts(search), (std::vector<QString>{"C32011", "5881"}));
    QTest::keyClick(search.Field(), Qt::Key_Down);
    QTest::keyClick(search.List(), Qt::Key_Down);
    QTest::keyClick(search.List(), Qt::Key_Return);
    search.Field()->setText(QStringLiteral("lp 800"));
    QTest::keyClick(search.Field(), Qt::Key_Return);
    search.Field()->setText(QStringLiteral("napkin"));
    QTest::keyClick(search.Field(), Qt::Key_Return);
    EXPECT_TRUE(search.Listed().empty());
  }
  EXPECT_EQ(picked, (std::vector<QString>{"5881", "LP800"}));
  const SheetProductSearch again(products, {});
  EXPECT_EQ(ListedParts(again), (std::vector<QString>{"LP800", "5881", "C32011"}));
  EXPECT_EQ(again.List()->topLevelItem(0)->text(0), QStringLiteral("Last used"));
}

// A layout the user saved is found under the user's name, and picking it applies it whole.
// Closed on it with both sides on the short edge, a bleed, crop marks and mm, the dialog reopens
// so; once it is removed, the custom sheet, without a word, which follows the card's size. The
// paper last chosen comes back; a first opening measures as the locale does.
TEST_F(PrintDialogTest, ReopensAsLastClosedAndItsCustomSheetFollowsTheCard) {
  PageLayout mine = NamedLayout("Club cards", 9, 0, 1003.9370f);
  WritePtm(layouts_ / "Club cards.ptm", mine);
  const auto withBack = [](Dlg& dialog) {
    dialog.PrintBacks([] { return PatternCard(); },
                      [](QPainter&, const QRectF&, int, int, int, const CardPaintOptions&) {});
  };
  {
    const auto dialog = Open(QPageSize(QPageSize::Letter));
    withBack(*dialog);
    auto& search = *dialog->findChild<SheetProductSearch*>(QString::number(Dlg::kSheetSearch));
    search.Field()->setText(UserDisplayName() + QStringLiteral(" club"));
    QTest::keyClick(search.Field(), Qt::Key_Return);
    EXPECT_EQ(dialog->Layout(), mine);
    for (const int id : {Dlg::kMm, Dlg::kBothSides, Dlg::kCropMarks}) Click(*dialog, id);
    Choose(*dialog, Dlg::kDuplexFlip, 1);
    Control<QDoubleSpinBox>(*dialog, Dlg::kBleed).setValue(2.5);
    dialog->reject();
  }
  const auto again = Open(QPageSize(QPageSize::Letter));
  withBack(*again);
  mine.unit = static_cast<int32_t>(LengthUnit::kMm);
  EXPECT_EQ(again->Layout(), mine);
  EXPECT_EQ(again->PaperInUse().pageSize.id(), QPageSize::A4);
  ExpectEditsShow(*again, ShowLengthsRounded(mine, kDpi, LengthUnit::kMm));
  EXPECT_EQ(again->Job().backs.flip, DuplexFlip::kShortEdge);
  EXPECT_EQ(again->Job().shop, (PrintShopOptions{2.5, true}));

  fs::remove(layouts_ / "Club cards.ptm");
  const auto plain = Open(QPageSize(QPageSize::Letter));
  CardState card;
  std::tie(card.cardWidth, card.cardHeight) = std::pair(1004.0f, 650.0f);
  plain->SetCard(card, {});
  PageLayout custom;
  FitSheetToCard(custom, QSizeF(1004, 650), plain->PaperInUse(), kDpi, LengthUnit::kMm);
  EXPECT_EQ(plain->Layout(), custom);
  EXPECT_EQ(plain->FitMessage(), QString());
  Choose(*plain, Dlg::kPaperList, FindPaper(plain->Papers(), QStringLiteral("A5")));
  plain->reject();
  EXPECT_TRUE(script_.told.isEmpty()) << script_.told.join('\n').toStdString();
  PrinterChoice fresh;  // no paper chosen in this session
  fresh.ChoosePdf();
  EXPECT_EQ(Dlg(&image_, kDpi, fresh, prompts_).PaperInUse().pageSize.id(), QPageSize::A5);

  UserSettings()->remove(QStringLiteral("printDialog"));
  const auto unitIn = [](QLocale::Territory where) {
    return PrintDialogMemory::Load(QLocale(QLocale::English, where)).sheet.layout.unit;
  };
  EXPECT_EQ(unitIn(QLocale::UnitedStates), static_cast<int32_t>(LengthUnit::kInches));
  EXPECT_EQ(unitIn(QLocale::UnitedKingdom), static_cast<int32_t>(LengthUnit::kMm));
}

TEST_F(PrintDialogTest, PredefinedLayoutsListAveryFirstAndApplyTheChosenOne) {
  // From an empty folder: there are none, said so, and nothing changes.
  {
    const auto dialog = Open(QPageSize(QPageSize::A4));
    const PageLayout before = dialog->Layout();
    Click(*dialog, Dlg::kUsePredefined);
    EXPECT_TRUE(script_.told.value(0).startsWith("No page layouts were found in "));
    EXPECT_FALSE(Control<QCheckBox>(*dialog, Dlg::kUsePredefined).isChecked());
    EXPECT_TRUE(Control<QWidget>(*dialog, Dlg::kCardWidth).isEnabled());
    EXPECT_EQ(dialog->Layout(), before);
  }
  WritePtm(layouts_ / "a.ptm", NamedLayout("Business sheet", 1, 0, 1000));
  WritePtm(layouts_ / "b.ptm", NamedLayout("avery in lower case", 9, 2, 1010));
  WritePtm(layouts_ / "c.ptm", NamedLayout("Avery business cards", 9, 1, 1020));
  WritePtm(layouts_ / "d.ptm", NamedLayout("Odd paper", 9999, 2, 1030));

  const auto dialog = Open(QPageSize(QPageSize::Letter));
  Click(*dialog, Dlg::kUsePredefined);
  QComboBox& list = Control<QComboBox>(*dialog, Dlg::kLayoutList);
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names << list.itemText(i);
  EXPECT_EQ(names, QStringList({"Avery business cards", "Business sheet", "avery in lower case",
                                "Odd paper"}));
  EXPECT_TRUE(list.isEnabled());
  for (const int manual : {int{Dlg::kCardWidth}, int{Dlg::kLeftMargin}, int{Dlg::kPaperList},
                           int{Dlg::kSaveSheetProduct}, int{Dlg::kInches}, int{Dlg::kMm}}) {
    EXPECT_FALSE(Control<QWidget>(*dialog, manual).isEnabled()) << manual;
  }

  // The first is applied at once: its lengths, its unit and its paper.
  EXPECT_EQ(dialog->Layout(), dialog->Predefined()[0]);
  EXPECT_TRUE(Control<QRadioButton>(*dialog, Dlg::kCm).isChecked());
  EXPECT_EQ(Control<QLineEdit>(*dialog, Dlg::kCardWidth).text(), "8.63");
  EXPECT_EQ(dialog->PaperInUse().id, 9);
  EXPECT_EQ(Control<QComboBox>(*dialog, Dlg::kPaperList).currentText(), dialog->PaperInUse().name);

  // A paper the printer does not offer: no paper selected, the sheet stays A4.
  Choose(*dialog, Dlg::kLayoutList, 3);
  EXPECT_EQ(dialog->Layout().name, "Odd paper");
  EXPECT_EQ(Control<QComboBox>(*dialog, Dlg::kPaperList).currentIndex(), -1);
  EXPECT_EQ(dialog->PaperInUse().id, 9);
  EXPECT_TRUE(Control<QRadioButton>(*dialog, Dlg::kMm).isChecked());

  // Turned off: the list empties, the layout stays, the manual controls come back.
  Choose(*dialog, Dlg::kLayoutList, 1);
  Click(*dialog, Dlg::kUsePredefined);
  EXPECT_EQ(list.count(), 0);
  EXPECT_FALSE(list.isEnabled());
  EXPECT_EQ(dialog->Layout().name, "Business sheet");
  EXPECT_EQ(dialog->PaperInUse().id, 1);
  EXPECT_TRUE(Control<QWidget>(*dialog, Dlg::kCardWidth).isEnabled());
  EXPECT_TRUE(Control<QWidget>(*dialog, Dlg::kPaperList).isEnabled());
}

TEST_F(PrintDialogTest, SaveSheetProductWritesTheLayoutUnderTheNameGiven) {
  const char* replace = "A page layout named \"Mine\" exists already. Replace it?";
  // The case, the name typed (none: the name dialog is cancelled), whether a file of the name
  // exists, the start of the message or question shown if any, the answer, and whether it is saved.
  const std::tuple<const char*, QString, bool, const char*, QMessageBox::StandardButton, bool>
      cases[] = {
          {"a new name", QStringLiteral("My sheet"), false, nullptr, QMessageBox::NoButton, true},
          {"replaced", QStringLiteral("Mine"), true, replace, QMessageBox::Yes, true},
          {"kept", QStringLiteral("Mine"), true, replace, QMessageBox::No, false},
          {"not a file name", QStringLiteral("a/b"), false, "\"a/b\" cannot be the name of a file",
           QMessageBox::Ok, false},
          {"cancelled", QString(), false, nullptr, QMessageBox::NoButton, false},
      };
  for (const auto& [what, name, existing, says, answer, written] : cases) {
    const TempFolder folder;
    const fs::path file = folder / (name.toStdString() + ".ptm");
    if (existing) WritePtm(file, NamedLayout("Old", 9, 0, 500));
    const auto dialog = Open(QPageSize(QPageSize::Letter), folder.Path());
    Click(*dialog, Dlg::kCm);
    Type(*dialog, Dlg::kCardWidth, QStringLiteral("8.5"));

    script_ = Script{};
    script_.dialog = [&](QDialog& ask) {
      QLineEdit& edit = Control<QLineEdit>(ask, SheetProductNameDialog::kNameEdit);
      QTest::keyClicks(&edit, name);
      if (!name.isEmpty()) QTest::keyClick(&edit, Qt::Key_Return);
    };
    script_.answers = {answer};
    Click(*dialog, Dlg::kSaveSheetProduct);

    const QString shown = (script_.told + script_.asked).value(0);
    EXPECT_TRUE(says ? shown.startsWith(says) : shown.isEmpty())
        << what << ": " << shown.toStdString();
    const Outcome<PageLayout> read = ReadPageLayoutFile(file);
    if (written) {
      EXPECT_TRUE(read.Ok()) << what;
      EXPECT_EQ(read.Value(), dialog->Layout()) << what;
      EXPECT_EQ(read.Value().name, name) << what;
    } else if (existing) {
      EXPECT_EQ(read.Value().name, "Old") << what;
    } else {
      EXPECT_TRUE(fs::is_empty(folder.Path())) << what;
    }
  }
}

TEST_F(PrintDialogTest, PrintWritesTheCopiesAsSheetsToThePdfFileAskedForOrSaysWhyNot) {
  const TempFolder out;
  const fs::path pdf = out / "cards.pdf";
  const auto dialog = Open(QPageSize(QPageSize::A4));
  dialog->SetPdfFileSuggestion(test::PathText(out / "suggested.pdf"));
  QSpinBox& copies = Control<QSpinBox>(*dialog, Dlg::kCopies);
  copies.setFocus();
  QTest::keyClick(&copies, Qt::Key_Up);
  QTest::keyClick(&copies, Qt::Key_Up);
  EXPECT_EQ(dialog->Job().sheets, 3);

  script_.paths = {test::PathText(pdf)};
  // The progress shows at once, however quickly the sheets are written.
  struct : QObject {
    bool eventFilter(QObject* shown, QEvent* event) override {
      seen |= event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(shown) != nullptr;
      return false;
    }
    bool seen = false;
  } progress;
  QApplication::instance()->installEventFilter(&progress);
  Click(*dialog, Dlg::kPrint);

  ASSERT_EQ(script_.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = script_.fileDialogs[0];
  EXPECT_EQ(asked.title, "Print to PDF");
  EXPECT_EQ(asked.filter, "PDF files (*.pdf)");
  EXPECT_EQ(asked.defaultSuffix, "pdf");
  EXPECT_EQ(asked.folder, test::PathText(out / "suggested.pdf"));
  EXPECT_TRUE(progress.seen);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(fs::is_regular_file(pdf));

  // A PDF that cannot be written is reported and the dialog stays open.
  const auto again = Open(QPageSize(QPageSize::A4));
  script_.paths = {test::PathText(out / "missing/cards.pdf")};
  Click(*again, Dlg::kPrint);
  EXPECT_TRUE(script_.told.value(0).endsWith("contains an invalid path."))
      << script_.told.value(0).toStdString();
  EXPECT_TRUE(again->isVisible());
  EXPECT_NE(again->result(), QDialog::Accepted);
}

// How a PDF is written (whole or not at all) is the engine's (WriteSheetsPdf); the job adds
// the progress, whose Cancel stops it, and the grey chosen in Print Setup.
TEST(PrintJob, APdfIsCancelledFromTheProgressAndGreyWhenPrintSetupOfThePdfPrinterChoseGrey) {
  const bool canRender = test::RunShell("pdftoppm -v > /dev/null 2>&1").code == 0;
  QImage card(1062, 615, QImage::Format_RGB32);
  card.fill(QColor(20, 160, 60));
  const SheetJob job{PaperNamed("A4"), PageLayout{}, kDpi, 1, SameCardEverywhere(card)};
  for (const bool grey : {false, true}) {
    PrinterChoice choice;
    QPrinter setup(QPrinter::HighResolution);
    choice.SetUp(setup);
    setup.setColorMode(grey ? QPrinter::GrayScale : QPrinter::Color);
    choice.Take(setup);
    const TempFolder out;
    const fs::path pdf = out / "cards.pdf";
    QWidget owner;
    ASSERT_TRUE(PrintSheetJobToPdf(&owner, choice, test::PathText(pdf), job));
    if (!canRender) continue;
    const std::string render = "pdftoppm -png -r 20 -singlefile '" + pdf.string() + "' '";
    ASSERT_EQ(test::RunShell(render + (out / "page").string() + "'").code, 0);
    const QImage page(test::PathText(out / "page.png"));
    const QRgb middle = page.pixel(page.width() / 4, page.height() / 4);
    EXPECT_EQ(qRed(middle) == qGreen(middle), grey) << qRed(middle) << " " << qGreen(middle);
  }

  const TempFolder out;
  const fs::path pdf = out / "cards.pdf";
  ASSERT_TRUE(test::WriteFileBytes(pdf, {'o', 'l', 'd'}));
  WhenModal<QProgressDialog>([](QProgressDialog& progress) { progress.cancel(); });
  QWidget owner;
  SheetJob many = job;
  many.sheets = 500;
  const PrintOutcome cancelled =
      PrintSheetJobToPdf(&owner, PrinterChoice(), test::PathText(pdf), many);
  ASSERT_TRUE(cancelled);
  EXPECT_EQ(cancelled.Value(), PrintCompletion::kCancelled);
  EXPECT_EQ(test::ReadFileBytes(pdf), std::vector<uint8_t>({'o', 'l', 'd'}));

  // Without printers the choice is the PDF printer, printing on what Print Setup left.
  PrinterChoice choice;
  ASSERT_TRUE(choice.IsPdf()) << "this test expects no printer to be installed";
  EXPECT_TRUE(choice.CurrentPageSize().isEquivalentTo(choice.Papers().at(0).pageSize));

  QPrinter setup(QPrinter::HighResolution);
  choice.SetUp(setup);
  EXPECT_EQ(setup.outputFileName(), DefaultPdfFileName());
  setup.setPageSize(QPageSize(QPageSize::A5));
  setup.setOutputFileName(QStringLiteral("/tmp/chosen.pdf"));
  setup.setColorMode(QPrinter::GrayScale);
  choice.Take(setup);
  EXPECT_TRUE(choice.IsPdf());
  EXPECT_EQ(choice.CurrentPageSize().id(), QPageSize::A5);
  EXPECT_EQ(choice.PdfFileName(), "/tmp/chosen.pdf");
  EXPECT_EQ(choice.ColorMode(), QPrinter::GrayScale);
}

// What the print dialog sends a printer, printed to Qt's PDF printer through the same path: the
// pages the PDF has, its text as text in embedded fonts and each picture once however many
// cards show it (the background and the logo), with PDF/X-4 when asked for.
TEST_F(PrintDialogTest, APrinterGetsTheCardsAsShapesAndTextLikeThePdf) {
  if (test::RunShell("pdffonts -v > /dev/null 2>&1").code != 0) GTEST_SKIP() << "no poppler-utils";
  const TempFolder photos;
  QImage logo(120, 80, QImage::Format_ARGB32);
  logo.fill(QColor(200, 30, 60, 180));
  ASSERT_TRUE(logo.save(test::PathText(photos / "logo.png")));
  CardState card;
  card.lines[0] = KeptLines(QStringList{"Office Affiliates", "Chief Officer"});
  std::tie(card.logo.name, card.logo.width, card.logo.height) = std::tuple("logo.png", 120, 80);
  const BackgroundTable table = test::SyntheticBackgrounds(2, 0.1f);
  CardRenderer renderer(&table, DataFolder(photos.Path()));
  image_ = renderer.RenderPrintImage(card);
  const auto dialog = Open(QPageSize(QPageSize::A4));
  dialog->PaintCardsWith(
      [&](QPainter& painter, const QRectF& target, int, int, int, const CardPaintOptions& options) {
        PaintCard(renderer, painter, target, card, options);
      });
  const TempFolder out;
  QPrinter pdfPrinter(QPrinter::HighResolution);
  pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
  pdfPrinter.setOutputFileName(test::PathText(out / "printed.pdf"));
  ASSERT_TRUE(PrintSheetJobOn(nullptr, pdfPrinter, dialog->Job()));
  const std::string pdf = (out / "printed.pdf").string();
  EXPECT_TRUE(test::Says(test::RunShell("pdftotext " + pdf + " -"), "Office Affiliates"));
  EXPECT_TRUE(test::Says(test::RunShell("pdftotext " + pdf + " -"), "Chief Officer"));
  // pdffonts: each face's "emb" column; pdfimages: each picture's object, once per use.
  const std::string embedded =
      test::RunShell("pdffonts " + pdf + " | tail -n +3 | awk '{ print $(NF-4) }' | sort -u")
          .output;
  EXPECT_EQ(embedded, "yes\n") << "every face embedded";
  const std::string pictures =
      test::RunShell("pdfimages -list " + pdf +
                     " | tail -n +3 | awk '{ print $11 }' | sort -u | wc -l")
          .output;
  EXPECT_EQ(std::stoi(pictures), 2) << "the background and the logo, each once";

  // The PDF printer's own file, from the dialog's print-shop box, is PDF/X-4.
  Click(*dialog, Dlg::kPdfX);
  script_.paths = {test::PathText(out / "x.pdf")};
  Click(*dialog, Dlg::kPrint);
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo -meta " + (out / "x.pdf").string()),
                         "<pdfxid:GTS_PDFXVersion>PDF/X-4<"));
}

// Print and Print Setup as the main window runs them.
class PrintCommands : public ControlTest {
 protected:
  PrintCommands() { ForgetThePrintDialog(); }
  void Trigger(int id) { window_->Action(id)->trigger(); }

  test::ShownWindow shown_;
  MainWindow* window_ = &shown_.window;
  Script& script_ = shown_.script;
};

TEST_F(PrintCommands, PrintShowsTheCardOnTheSetUpPaperAndPrintsItToAPdf) {
  const TempFolder out;
  const fs::path pdf = out / "sheet.pdf";
  const int steps = window_->Document().History().UndoCount();
  window_->Printer().SetPageSize(QPageSize(QPageSize::Letter));
  auto shown = std::make_shared<QImage>();
  script_.dialog = [&](QDialog& opened) {
    auto& dialog = dynamic_cast<Dlg&>(opened);
    EXPECT_EQ(dialog.PaperInUse().pageSize.id(), QPageSize::Letter);
    EXPECT_FALSE(window_->findChild<BackgroundChooser*>()->IsActive()) << "the choosers are paused";
    *shown = Control<DraftCardPreview>(dialog, Dlg::kCardPreview).Picture();
    Click(dialog, Dlg::kPrint);
  };
  script_.paths = {test::PathText(pdf)};
  Trigger(kCmdPrint);

  ASSERT_FALSE(shown->isNull());
  // The card in its frame: black at the top left, white at the bottom right.
  EXPECT_EQ(shown->pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(shown->pixel(shown->width() - 1, shown->height() - 1), qRgb(255, 255, 255));
  EXPECT_TRUE(fs::is_regular_file(pdf));
  EXPECT_EQ(window_->Document().History().UndoCount(), steps) << "printing records nothing";
  EXPECT_TRUE(window_->findChild<BackgroundChooser*>()->IsActive());
}

// A card of 85 × 55 mm opens on a sheet of its own size; on cards typed as 3 × 2 in Print
// waits for a choice, and taking the sheet's size is one step of the card's history; a card of
// 0 dpi is refused.
TEST_F(PrintCommands, ACardOfAnotherSizeThanTheSheetsIsFittedOnlyWhenAsked) {
  CardState card;
  card.cardWidth = 1004.0f;
  card.cardHeight = 650.0f;
  window_->Document().LoadProject(card, {});
  const int steps = window_->Document().History().UndoCount();
  const TempFolder out;
  const fs::path pdf = out / "sheet.pdf";
  script_.paths = {test::PathText(pdf)};
  script_.dialog = [&](QDialog& opened) {
    auto& dialog = dynamic_cast<Dlg&>(opened);
    EXPECT_EQ(dialog.FitMessage(), QString());
    Type(dialog, Dlg::kCardWidth, QStringLiteral("3"));
    Type(dialog, Dlg::kCardHeight, QStringLiteral("2"));
    EXPECT_EQ(dialog.FitMessage(),
              QStringLiteral("The card is 85.0 × 55.0 mm, the sheet's cards 76.2 × 50.8 mm."));
    Click(dialog, Dlg::kPrint);
    EXPECT_TRUE(script_.told.value(0).startsWith("The card and the sheet's cards differ in size"));
    Click(dialog, Dlg::kUseSheetSize);
    EXPECT_EQ(dialog.FitMessage(), QString());
    EXPECT_EQ(dialog.Job().cards(0, 0).size(), QSize(900, 600));
    Click(dialog, Dlg::kPrint);
  };
  Trigger(kCmdPrint);
  EXPECT_TRUE(fs::is_regular_file(pdf));
  EXPECT_EQ(window_->Document().Live().cardWidth, 900.0f);
  EXPECT_EQ(window_->Document().History().UndoCount(), steps + 1);

  // A card without a resolution is refused before the dialog.
  card.dpi = 0;
  window_->Document().LoadProject(card, {});
  script_ = Script{};
  Trigger(kCmdPrint);
  EXPECT_EQ(script_.dialogsRun, 0);
  EXPECT_TRUE(script_.told.value(0).startsWith("The card's resolution is 0 dpi."));
}

TEST_F(PrintCommands, PrintSetupChoosesThePaperOfTheNextPrint) {
  window_->Printer().SetPageSize(QPageSize(QPageSize::Legal));
  for (const bool accept : {true, false}) {
    script_.dialog = [accept](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Print Setup");
      if (accept) return dialog.accept();
      dynamic_cast<QPrintDialog&>(dialog).printer()->setPageSize(QPageSize(QPageSize::B5));
    };
    Trigger(kCmdPrintSetup);
    EXPECT_EQ(window_->Printer().CurrentPageSize().id(), QPageSize::Legal) << accept;
    EXPECT_TRUE(window_->Printer().IsPdf());
  }
}

// The page preview as the dialog feeds it, alone at a fixed size; where the cards go and the
// message instead of them are the engine's (page_preview_test).
TEST(PrintDialogPreviews, PagePreviewOfTheDefaultCardCentredOnLetterTheBacksAndTheCardPreview) {
  SheetJob job{PaperNamed("Letter"), CentredOn("Letter"), kDpi, 1,
               SameCardEverywhere(PatternCard())};
  DraftPagePreview preview(job);
  preview.resize(300, 388);
  preview.SetReady(true);
  EXPECT_TRUE(MatchesGolden(preview.Picture(), "print_page_letter", test::kExact));

  // The card preview is the print image in a 3D frame.
  DraftCardPreview card;
  card.resize(266, 154);
  card.SetImage(PatternCard());
  card.SetReady(true);
  EXPECT_TRUE(MatchesGolden(card.Picture(), "print_card_preview", test::kExact));

  // A two-sided job shows its page of backs beside the sheet.
  QImage back(PatternCard().size(), QImage::Format_RGB32);
  back.fill(QColor(255, 0, 0));
  job.backs = {DuplexFlip::kLongEdge, SameCardEverywhere(back), {}};
  DraftPagePreview twoSided(job);
  twoSided.resize(600, 388);
  twoSided.SetReady(true);
  const QImage picture = twoSided.Picture();
  int red[2] = {0, 0};
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == qRgb(255, 0, 0)) ++red[x < picture.width() / 2 ? 0 : 1];
    }
  }
  EXPECT_LT(twoSided.SheetArea(0).right(), twoSided.SheetArea(1).left());
  EXPECT_EQ(red[0], 0);
  EXPECT_GT(red[1], 0);
}

}  // namespace
}  // namespace tavolo
