// File → Merge…: the data file read off the window's thread, the columns beside the card, the
// records stepped through, the merge's outputs; and Contact Details → From vCard….
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <fstream>

#include "core/card/FieldNames.h"
#include "core/merge/CheckedRecords.h"
#include "core/merge/MergeData.h"
#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/MergeDialog.h"
#include "ui/app/MergeExportJob.h"
#include "ui/app/MergeWorkflow.h"
#include "ui/dialogs/ContactDetailsDialog.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/MergeColumnsModel.h"
#include "ui/dialogs/MergeProblemsModel.h"
#include "ui/dialogs/VCardContactDialog.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;


struct MergeFixture : test::DialogFixture {
  PrinterChoice printer;
  fs::path data = folder / "team.csv";
  MergeFixture() {
    printer.ChoosePdf();
    std::ofstream(data) << "First Name,Last Name,Job,Notes\nAnna,Rossi,Baker,x\nBo,Berg,Miller,y\n"
                           "Cy,Cole,Driver,z\n";
    // Black text, so that each record's name shows on the white card.
    CardState card = document.Live();
    for (TextBoxStyle& style : card.styles) style.brightness = 0.0f;
    document.SetLive(card);
  }
  // The merge dialog of `data` read as the window reads it.
  std::unique_ptr<MergeDialog> Dialog(const fs::path& file) {
    auto data = std::make_shared<const MergeTable>(ReadMergeData(file).Value());
    return std::make_unique<MergeDialog>(
        document.Card(), &table, photos,
        CheckRecords(data, MappingByHeader(data->columns), document.Card()),
        file.filename().string(), printer, prompts);
  }
};

QString Cell(const MergeDialog& dialog, int row, int section) {
  return dialog.Columns()->index(row, section).data().toString();
}

TEST(MergeCommand, ReadsTheDataThenShowsItsColumnsBesideEachRecordsCardOrSaysWhyNot) {
  MergeFixture fx;
  const CardState before = fx.document.Live();
  fx.script.paths.push_back(test::PathText(fx.data));
  QStringList positions;
  fx.script.dialog = [&](QDialog& d) {
    auto& merge = dynamic_cast<MergeDialog&>(d);
    // The given and the family name fill the Name together; the job and the notes fill nothing.
    EXPECT_EQ(Cell(merge, 0, MergeColumnsModel::kField), "Name");
    EXPECT_EQ(Cell(merge, 1, MergeColumnsModel::kNote), "joined: “First Name” + “Last Name”");
    EXPECT_EQ(Cell(merge, 2, MergeColumnsModel::kNote), "no field of the card has this name");
    EXPECT_EQ(Cell(merge, 2, MergeColumnsModel::kValue), "Baker");
    ASSERT_TRUE(merge.Columns()->setData(merge.Columns()->index(2, MergeColumnsModel::kField),
                                         kTitle, Qt::EditRole));
    QTest::qWait(50);  // the choice is taken once the table's editor has closed
    EXPECT_EQ(merge.Mapping().columnsOfField[kTitle], std::vector<int>{2});
    EXPECT_EQ(Cell(merge, 2, MergeColumnsModel::kField), "Title");
    positions << merge.Position()->text();
    const QImage first = merge.Preview();
    EXPECT_FALSE(merge.PreviousButton()->isEnabled());
    merge.NextButton()->click();
    positions << merge.Position()->text();
    EXPECT_NE(merge.Preview(), first);
    EXPECT_EQ(Cell(merge, 0, MergeColumnsModel::kValue), "Bo");
    merge.LastButton()->click();
    positions << merge.Position()->text();
    EXPECT_FALSE(merge.NextButton()->isEnabled());
    merge.FirstButton()->click();
    EXPECT_EQ(merge.Preview(), first);
    // Leaving the first name out leaves the Name to the family name.
    merge.ChooseField(0, std::nullopt);
    EXPECT_EQ(merge.Mapping().columnsOfField[kName], std::vector<int>{1});
    EXPECT_EQ(Cell(merge, 0, MergeColumnsModel::kNote), "the Name comes from “Last Name”");
    merge.ChooseField(1, std::nullopt);
    EXPECT_EQ(Cell(merge, 0, MergeColumnsModel::kNote), "left out; it would fill the Name");
  };
  RunMergeCommand(nullptr, fx.document, fx.printer, fx.prompts);
  EXPECT_EQ(positions, (QStringList{"Record 1 of 3 (line 2)", "Record 2 of 3 (line 3)",
                                    "Record 3 of 3 (line 4)"}));
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

TEST(MergeDialog, ManyColumnsAndManyBadRecordsCostAViewAndAListNotAWidgetEach) {
  MergeFixture fx;
  // 100,000 columns, one good record and 330,000 empty ones.
  std::ofstream out(fx.data);
  out << "Name";
  for (int c = 1; c < 100'000; ++c) out << ",c" << c;
  out << "\nAnna\n";
  for (int r = 0; r < 330'000; ++r) out << ",\n";
  out.close();
  const std::unique_ptr<MergeDialog> merge = fx.Dialog(fx.data);
  EXPECT_EQ(merge->Columns()->rowCount(), MergeColumnsModel::kOfferedColumns + 1);
  EXPECT_EQ(Cell(*merge, MergeColumnsModel::kOfferedColumns, MergeColumnsModel::kColumn),
            "99700 more columns");
  EXPECT_TRUE(merge->findChildren<QComboBox*>().isEmpty());
  EXPECT_EQ(merge->Problems()->rowCount(), 330'000);
  EXPECT_EQ(merge->ProblemsSummary()->text(), "330000 of 330001 records left out:");
  EXPECT_EQ(merge->Problems()->index(0).data().toString(), "line 3: the record is empty");
  // The list scrolls beside the card; it never covers the buttons that step through it.
  merge->show();
  for (QPushButton* button : {merge->FirstButton(), merge->NextButton(), merge->LastButton()}) {
    const QRect list(merge->ProblemsView()->mapTo(merge.get(), QPoint()),
                     merge->ProblemsView()->size());
    EXPECT_FALSE(list.intersects(QRect(button->mapTo(merge.get(), QPoint()), button->size())));
  }
  EXPECT_EQ(merge->Position()->text(), "Record 1 of 1 (line 2)");
}

TEST(MergeDialog, PrintsOneCardPerRecordAndExportsOneImageEachKeepingTheUsersFiles) {
  MergeFixture fx;
  fx.document.SetBackSide(true);
  const std::unique_ptr<MergeDialog> merge = fx.Dialog(fx.data);
  const fs::path pdf = fx.folder / "team.pdf";
  fx.script.paths.push_back(test::PathText(pdf));
  const fs::path out = fx.folder / "out";
  fs::create_directories(out);
  std::ofstream(out / "Bo Berg.png") << "mine";
  fx.script.paths.push_back(test::PathText(out / "{Name}.png"));
  fx.script.answers.push_back(QMessageBox::No);  // keep Bo's file, write the others
  int sheets = 0;
  fx.script.dialog = [&](QDialog& d) {
    if (auto* print = dynamic_cast<PrintDialog*>(&d)) {
      // The card's back can be printed behind the merged cards.
      print->findChild<QCheckBox*>(QString::number(PrintDialog::kBothSides))->setChecked(true);
      EXPECT_TRUE(PrintsBacks(print->Job()));
      print->findChild<QPushButton*>(QString::number(PrintDialog::kPrint))->click();
      sheets = print->Job().sheets;
      return;
    }
    dynamic_cast<ExportDialog&>(d).accept();
  };
  merge->PrintButton()->click();
  EXPECT_EQ(sheets, 1);
  EXPECT_TRUE(fs::exists(pdf));
  merge->ExportButton()->click();
  EXPECT_EQ(fx.script.asked,
            QStringList{"1 of the 3 files exist already, such as " + test::PathText(out) +
                        "/Bo Berg.png.\n\nReplace them? No keeps them and writes only the other "
                        "files."});
  for (const char* name : {"Anna Rossi.png", "Cy Cole.png"}) {
    EXPECT_TRUE(fs::exists(out / name)) << name;
  }
  EXPECT_EQ(fs::file_size(out / "Bo Berg.png"), 4u);
  EXPECT_TRUE(fx.script.told.isEmpty()) << fx.script.told.join('\n').toStdString();

  // Cancel stops after the file being written; the message says which files there are.
  fx.script.paths.push_back(test::PathText(fx.folder / "again" / "{Name}.png"));
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [&] {
    if (auto* job = merge->findChild<MergeExportJob*>()) {
      QObject::connect(job, &MergeExportJob::progressed, job, &MergeExportJob::Cancel);
      cancel.stop();
    }
  });
  cancel.start(0);
  merge->ExportButton()->click();
  const auto files =
      std::distance(fs::directory_iterator(fx.folder / "again"), fs::directory_iterator());
  EXPECT_LT(files, 3);
  EXPECT_EQ(fx.script.told, QStringList{QStringLiteral("The export was cancelled: the files of the "
                                                       "first %1 of 3 records are written to %2, "
                                                       "each one whole.")
                                            .arg(files)
                                            .arg(test::PathText(fx.folder / "again"))});
}

TEST(ContactDetails, FromVCardFillsTheDetailsFromTheOnlyContactOrTheOneChosen) {
  MergeFixture fx;
  const fs::path one = fx.folder / "one.vcf";
  const fs::path two = fx.folder / "two.vcf";
  std::ofstream(one) << "BEGIN:VCARD\nVERSION:3.0\nFN:Siobhán Ó Súilleabháin\nORG:Arán Beo\n"
                        "item1.TEL:+353 1\nEND:VCARD\n";
  std::ofstream(two) << "BEGIN:VCARD\nFN:Anna\nEND:VCARD\nBEGIN:VCARD\nFN:Bo\nORG:Acme\n"
                        "TITLE:Miller\nEND:VCARD\n";
  ContactDetailsDialog details(ContactDetails{}, fx.prompts);
  QStringList offered;
  fx.script.dialog = [&](QDialog& d) {
    auto& choice = dynamic_cast<VCardContactDialog&>(d);
    for (int i = 0; i < choice.List()->count(); ++i) offered << choice.List()->item(i)->text();
    choice.List()->setCurrentRow(1);
    choice.accept();
  };
  fx.script.paths = {test::PathText(one), test::PathText(two), test::PathText(fx.data)};
  details.FromVCardButton()->click();
  EXPECT_EQ(details.FieldEditor(kName)->text(), "Siobhán Ó Súilleabháin");
  EXPECT_EQ(details.FieldEditor(9)->text(), "+353 1");
  EXPECT_EQ(fx.script.dialogsRun, 0) << "one contact is taken without asking";
  details.FromVCardButton()->click();
  EXPECT_EQ(offered, (QStringList{"Anna", "Bo, Acme"}));
  EXPECT_EQ(details.FieldEditor(kName)->text(), "Bo");
  EXPECT_EQ(details.FieldEditor(kTitle)->text(), "Miller");
  EXPECT_EQ(details.FieldEditor(9)->text(), "") << "Bo has no phone";
  details.FromVCardButton()->click();
  EXPECT_EQ(fx.script.told,
            QStringList{"team.csv is no vCard file: it does not begin with BEGIN:VCARD."});
  EXPECT_EQ(details.FieldEditor(kName)->text(), "Bo");
}

}  // namespace
}  // namespace tavolo
