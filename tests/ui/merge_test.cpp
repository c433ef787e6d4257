// File → Merge…: the data file, the column mapping, the record browser and the merge's outputs.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <fstream>

#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/MergeBrowserDialog.h"
#include "ui/app/MergeWorkflow.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/MergeMappingDialog.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

constexpr int kNone = 0;
constexpr int kTitle = 3;  // the combo item of the field Title

struct MergeFixture : test::DialogFixture {
  PrinterChoice printer;
  fs::path data = folder / "team.csv";
  MergeFixture() {
    printer.ChoosePdf();
    std::ofstream(data) << "Name,Job,Notes\nAnna,Baker,x\nBo,Miller,y\nCy,Driver,z\n";
    // Black text, so that each record's name shows on the white card.
    CardState card = document.Live();
    for (TextBoxStyle& style : card.styles) style.brightness = 0.0f;
    document.SetLive(card);
  }
};

TEST(MergeCommand, MapsTheColumnsThenBrowsesTheRecordsOnACopyOfTheCardOrSaysWhyNot) {
  MergeFixture fx;
  const CardState before = fx.document.Live();
  fx.script.paths.push_back(test::PathText(fx.data));
  QStringList positions;
  QImage firstPreview;
  fx.script.dialog = [&](QDialog& d) {
    if (auto* mapping = dynamic_cast<MergeMappingDialog*>(&d)) {
      EXPECT_EQ(mapping->FieldChoice(0)->currentIndex(), 2) << "Name is recognised";
      EXPECT_EQ(mapping->FieldChoice(1)->currentIndex(), kNone);
      mapping->FieldChoice(2)->setCurrentIndex(kTitle);
      mapping->FieldChoice(1)->setCurrentIndex(kTitle);  // takes Title from Notes
      EXPECT_EQ(mapping->FieldChoice(2)->currentIndex(), kNone);
      EXPECT_EQ(mapping->Mapping().columnOfField[2], 1);
      mapping->accept();
      return;
    }
    auto& browser = dynamic_cast<MergeBrowserDialog&>(d);
    positions << browser.Position()->text();
    firstPreview = browser.Preview();
    EXPECT_FALSE(browser.PreviousButton()->isEnabled());
    browser.NextButton()->click();
    positions << browser.Position()->text();
    EXPECT_NE(browser.Preview(), firstPreview);
    browser.LastButton()->click();
    positions << browser.Position()->text();
    EXPECT_FALSE(browser.NextButton()->isEnabled());
    browser.FirstButton()->click();
    EXPECT_EQ(browser.Preview(), firstPreview);
  };
  RunMergeCommand(nullptr, fx.document, fx.printer, fx.prompts);
  EXPECT_EQ(positions, (QStringList{"Record 1 of 3", "Record 2 of 3", "Record 3 of 3"}));
  EXPECT_EQ(fx.document.Live(), before);
  EXPECT_TRUE(fx.script.told.isEmpty()) << fx.script.told.join('\n').toStdString();

  // A file that is no list is told, and nothing opens.
  const int dialogs = fx.script.dialogsRun;
  std::ofstream(fx.data) << "Name\n\"Anna\n";
  fx.script.paths.push_back(test::PathText(fx.data));
  RunMergeCommand(nullptr, fx.document, fx.printer, fx.prompts);
  EXPECT_EQ(fx.script.told, QStringList{"team.csv, line 2: a quoted value is never closed."});
  EXPECT_EQ(fx.script.dialogsRun, dialogs);
}

TEST(MergeBrowser, PrintsOneCardPerRecordAndExportsOneImageEach) {
  MergeFixture fx;
  MergeRecords records;
  for (const char* name : {"Anna", "Bo", "Cy"}) {
    MergeRecord record;
    record.details[1] = name;
    records.records.push_back(record);
  }
  fx.document.SetBackSide(true);
  MergeBrowserDialog browser(fx.document.Card(), &fx.table, fx.photos, records, fx.printer,
                             fx.prompts);
  const fs::path pdf = fx.folder / "team.pdf";
  fx.script.paths.push_back(test::PathText(pdf));
  fx.script.paths.push_back(test::PathText(fx.folder / "out/{Name}.png"));
  int sheets = 0;
  fx.script.dialog = [&](QDialog& d) {
    if (auto* print = dynamic_cast<PrintDialog*>(&d)) {
      // The card's back can be printed behind the merged cards; the edge to turn the sheet over
      // is asked for only then.
      auto* flip = print->findChild<QWidget*>(QString::number(PrintDialog::kDuplexFlip));
      EXPECT_FALSE(flip->isEnabled());
      print->findChild<QCheckBox*>(QString::number(PrintDialog::kBothSides))->setChecked(true);
      EXPECT_TRUE(flip->isEnabled());
      EXPECT_TRUE(PrintsBacks(print->Job()));
      print->findChild<QPushButton*>(QString::number(PrintDialog::kPrint))->click();
      sheets = print->Job().sheets;
      return;
    }
    dynamic_cast<ExportDialog&>(d).accept();
  };
  browser.PrintButton()->click();
  EXPECT_EQ(sheets, 1);
  EXPECT_TRUE(fs::exists(pdf));
  browser.ExportButton()->click();
  for (const char* name : {"Anna.png", "Bo.png", "Cy.png"}) {
    EXPECT_TRUE(fs::exists(fx.folder / "out" / name)) << name;
  }
  EXPECT_TRUE(fx.script.told.isEmpty()) << fx.script.told.join('\n').toStdString();
}

}  // namespace
}  // namespace tavolo
