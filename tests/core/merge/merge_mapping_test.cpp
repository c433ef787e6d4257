// From a table to the merge's cards and files: which column fills which field, the records and
// why some are left out, the QR codes checked for every record, and the names on disk.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "core/card/FieldNames.h"
#include "core/formats/ImageExport.h"
#include "core/merge/MergeExport.h"
#include "core/merge/MergeQrCodes.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/MergedCard.h"
#include "core/merge/RecordFileNames.h"
#include "core/qr/QrSymbol.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

std::shared_ptr<const MergeTable> Table(const QStringList& columns,
                                        const std::vector<std::pair<int, QStringList>>& rows) {
  auto table = std::make_shared<MergeTable>();
  table->columns = columns;
  for (const auto& [line, cells] : rows) {
    table->BeginRow(line);
    for (const QString& cell : cells) table->AddCell(cell);
  }
  return table;
}

TEST(FieldMapping, RecognisesHeadersInFiveLanguagesAndAsAddressBooksExportThem) {
  // Headers of each field; case, accents, punctuation and "ß" fold away.
  const std::pair<int, std::vector<const char*>> cases[] = {
      {kCompany, {"Company", "Société", "Organization 1 - Name"}},
      {kName, {"Full name", "Vorname", "Nachname", "Prénom", "Apellidos"}},
      {kTitle, {"Job Title", "Fonction", "Organization 1 - Title"}},
      {kAddress1, {"Business Street", "Straße", "Strasse", "Dirección"}},
      {kAddress2, {"Address Line 2", "Adresszusatz"}},
      {kCity, {"Ort", "Città", "City, State/Province"}},
      {kZip, {"PLZ", "Code postal", "Business Postal Code"}},
      {kEmail, {"E-Mail", "Courriel", "E-mail 1 - Value"}},
      {kWebsite, {"Web Page", "Sito web"}},
      {kPhone1, {"Business Phone", "Téléphone", "Phone 1 - Value"}},
      {kPhone2, {"Handy", "Mobile Phone", "Móvil", "Phone 2 - Value"}},
  };
  for (const auto& [field, headers] : cases) {
    for (const char* header : headers) {
      EXPECT_EQ(FieldForHeader(QString::fromUtf8(header)), field) << header;
    }
  }
  EXPECT_FALSE(FieldForHeader(QStringLiteral("Birthday")));
}

TEST(FieldMapping, CombinesNamePartsAndPrefersTheBusinessColumns) {
  using Columns = std::vector<int>;
  // Header lists, and what the Name, the Title and the first phone take.
  const std::tuple<QStringList, Columns, Columns, Columns> cases[] = {
      {{"Title", "First Name", "Middle Name", "Last Name", "Job Title", "Home Phone",
        "Business Phone"},
       {1, 2, 3},
       {4},
       {6}},
      {{"Name", "Given Name", "Family Name", "Phone 1 - Value"}, {0}, {}, {3}},
      {{"Vorname", "Name", "Mobil"}, {0, 1}, {}, {2}},
      {{"Nom", "Prénom"}, {1, 0}, {}, {}},
      {{"Nome", "Name", "Full name"}, {0, 1}, {}, {}},
  };
  for (const auto& [columns, name, title, phone] : cases) {
    const FieldMapping mapping = MappingByHeader(columns);
    EXPECT_EQ(mapping.columnsOfField[kName], name) << columns.join(',').toStdString();
    EXPECT_EQ(mapping.columnsOfField[kTitle], title) << columns.join(',').toStdString();
    EXPECT_EQ(mapping.columnsOfField[kPhone1], phone) << columns.join(',').toStdString();
  }
}

TEST(FieldMapping, OverridesJoinColumnsAndTheUnusedOnesSayWhy) {
  const QStringList columns = {"First Name", "Last Name", "Full name", "Notes", "A+B", ""};
  FieldMapping mapping = MappingByHeader(columns);
  EXPECT_EQ(mapping.columnsOfField[kName], (std::vector<int>{2}));
  const auto reasons = [&] {
    std::vector<std::pair<int, std::string>> found;
    for (const UnusedColumn& unused : UnusedColumns(mapping, columns)) {
      found.emplace_back(unused.column, UnusedText(unused, mapping, columns).toStdString());
    }
    return found;
  };
  EXPECT_EQ(reasons(),
            (std::vector<std::pair<int, std::string>>{{0, "the Name comes from “Full name”"},
                                                      {1, "the Name comes from “Full name”"},
                                                      {3, "no field of the card has this name"},
                                                      {4, "no field of the card has this name"},
                                                      {5, "the column has no name"}}));
  ASSERT_TRUE(ApplyOverride(mapping, columns, "Name=First Name+Last Name"));
  ASSERT_TRUE(ApplyOverride(mapping, columns, "Title=A+B"));
  ASSERT_TRUE(ApplyOverride(mapping, columns, "Company=4"));
  EXPECT_EQ(mapping.columnsOfField[kName], (std::vector<int>{0, 1}));
  EXPECT_EQ(mapping.columnsOfField[kTitle], (std::vector<int>{4}));
  EXPECT_EQ(mapping.columnsOfField[kCompany], (std::vector<int>{3}));
  EXPECT_EQ(reasons(), (std::vector<std::pair<int, std::string>>{
                           {2, "the Name comes from “First Name” + “Last Name”"},
                           {5, "the column has no name"}}));
  mapping.Assign(0, std::nullopt);
  EXPECT_EQ(mapping.columnsOfField[kName], (std::vector<int>{1}));
  for (const char* wrong : {"Shoe=Notes", "Name=Shoe", "Name=First Name+Shoe", "Name"}) {
    EXPECT_FALSE(ApplyOverride(mapping, columns, wrong)) << wrong;
  }
}

TEST(MergeRecords, JoinsTheColumnsOfAFieldAndNamesTheLineOfEveryRowLeftOut) {
  const auto table =
      Table({"First", "Last", "City", "Notes"}, {{2, {" Anna ", "Rossi", "Via 1\nRoma"}},
                                                 {3, {"", "", "", "only a note"}},
                                                 {4, {}},
                                                 {5, {QString(101, u'x'), ""}},
                                                 {6, {"Bo", "", "", "", "extra"}}});
  const MergeRecords merged(table, MappingByHeader(table->columns));
  ASSERT_EQ(merged.Count(), 1u);
  const MergeRecord anna = merged.At(0);
  EXPECT_EQ(anna.line, 2);
  EXPECT_EQ(anna.details[kName], "Anna Rossi");
  EXPECT_EQ(anna.details[kCity], "Via 1, Roma");
  std::vector<std::pair<int, std::string>> problems;
  for (const RecordProblem& p : merged.Problems()) problems.emplace_back(p.line, ProblemText(p));
  EXPECT_EQ(problems, (std::vector<std::pair<int, std::string>>{
                          {3, "the record has no value in any field of the card"},
                          {4, "the record is empty"},
                          {5, "the Name has 101 characters; a line of the card holds 100"},
                          {6, "the record has 5 values, the header 4 columns"}}));
}

TEST(MergedCard, DistributesTheRecordLeavingEmptyFieldsEmptyAndFillsTheFreeTextBoxes) {
  CardState project;
  project.layoutIndex = 0;
  project.lines[0] = KeptLines(QStringList{"old"});
  // Each line of a free text box as written and as the record fills it.
  const std::pair<QString, QString> lines[] = {
      {"{Name} · {Title}", "Anna · "},
      {"{name}{COMPANY NAME} {Phone Number 2}", "AnnaAcme "},
      {"{Nome} {Name", "{Nome} {Name"},
      {"{{Name}}", "{Anna}"},
      {QStringLiteral("{Address Line 1}").repeated(5), QString(30, u'a').repeated(5)},
  };
  TextSource text;
  QStringList written;
  for (const auto& [line, filled] : lines) written << line;
  text.lines = KeptLines(written);
  PlacedObject box;
  box.kind = ObjectKind::kTextBox;
  box.source = text;
  project.objects = {box, PlacedObject()};
  ContactDetails details;
  details[kCompany] = "Acme";
  details[kName] = "Anna";
  details[kTitle] = "";
  details[kAddress1] = QString(30, u'a');
  const CardState card = MergedCard(project, details);
  const auto& merged = std::get<TextSource>(card.objects[0].source).lines;
  ASSERT_EQ(merged.count, static_cast<int>(std::size(lines)));
  for (size_t i = 0; i < std::size(lines); ++i)
    EXPECT_EQ(merged.line[i], lines[i].second.left(kMaxLineLength)) << i;
  EXPECT_EQ(card.objects[1], project.objects[1]);
  EXPECT_EQ(card.contact, details);
  std::array<TextBoxLines, kTextBoxCount> expected{};
  EXPECT_EQ(card.boxCount, FieldDistribution(0, details, expected));
  EXPECT_EQ(card.lines, expected);
  EXPECT_EQ(card.styles, project.styles);
}

TEST(QrSymbol, SizeWorkedOutFromTheTextIsTheCodesAndTooLongIsSaid) {
  for (const QString& unit : {QStringLiteral("x"), QStringLiteral("é"), QStringLiteral("中")}) {
    for (int length = 1; length <= 770; length += 11) {
      const QString text = unit.repeated(length);
      const Outcome<QrSymbol> symbol = EncodeQrSymbol(text);
      ASSERT_TRUE(symbol) << length;
      EXPECT_EQ(QrSymbolWidth(text), symbol.Value().width)
          << length << " of " << unit.toStdString();
    }
  }
  // The largest code holds 2331 bytes, fewer with the designator of UTF-8.
  EXPECT_TRUE(EncodeQrSymbol(QString(2331, u'x')));
  EXPECT_EQ(QrSymbolWidth(QString(2331, u'x')), 177);
  EXPECT_FALSE(QrSymbolWidth(QString(2332, u'x')));
  const QString accented = QStringLiteral("é") + QString(2328, u'x');
  EXPECT_TRUE(EncodeQrSymbol(accented));
  EXPECT_EQ(QrSymbolWidth(accented), 177);
  EXPECT_EQ(EncodeQrSymbol(accented + u'x').Message(),
            "The QR code's content is too long: 2331 bytes, and a QR code holds at most 2330.");
  EXPECT_FALSE(QrSymbolWidth(accented + u'x'));
}

TEST(MergeQrCodes, EveryRecordsCodeIsCheckedForItsContentAndItsModules) {
  CardState project;
  PlacedQrCode code = NewQrCode(project.cardWidth, project.cardHeight);
  project.qrCode = code;
  // Bo's notes fill every field but his name: three bytes a character, his vCard fits no code.
  const auto table =
      Table({"Name", "Notes"},
            {{2, {"Anna"}}, {3, {"Bo", QString(100, QChar(0x4E2D))}}, {4, {"Cy", "cy.example"}}});
  FieldMapping mapping = MappingByHeader(table->columns);
  for (int field = kCompany; field <= kPhone2; ++field) {
    if (field != kName) mapping.columnsOfField[field] = {1};
  }
  const MergeRecords records(table, mapping);
  ASSERT_EQ(records.Count(), 3u);
  const auto kinds = [&](const CardState& card) {
    std::vector<std::pair<int, RecordProblem::Kind>> found;
    for (const RecordProblem& p : QrCodeProblems(card, records)) found.emplace_back(p.line, p.kind);
    return found;
  };
  using Kind = RecordProblem::Kind;
  EXPECT_EQ(kinds(project), (std::vector<std::pair<int, Kind>>{{3, Kind::kQrCodeTooLong}}));
  // The smallest code, 5 mm on a card at 300 dpi: no record's modules print 0.25 mm wide.
  code.side = kMinQrSide;
  project.qrCode = code;
  EXPECT_EQ(kinds(project).size(), 3u);
  EXPECT_EQ(kinds(project).front().second, Kind::kQrModulesSmall);
  code.content = QrContent::kWebsite;
  code.side = 300.0f;
  project.qrCode = code;
  EXPECT_EQ(kinds(project), (std::vector<std::pair<int, Kind>>{{2, Kind::kQrCodeEmpty}}));
  project.qrCode.reset();
  EXPECT_TRUE(kinds(project).empty());
}

TEST(RecordFileNames, FillsFieldsSafelyCutsAt255BytesAndNumbersRepeats) {
  ASSERT_TRUE(CheckNamePattern("out/{Name} - {company}.png"));
  EXPECT_FALSE(CheckNamePattern("out/{Shoe}.png"));
  EXPECT_FALSE(CheckNamePattern("out/{Name.png"));
  const auto details = [](const QString& name, const QString& company = {}) {
    ContactDetails d;
    d[kName] = name;
    d[kCompany] = company;
    return d;
  };
  // 88 CJK characters take 264 bytes; a reversing mark, zero-width spaces and a BOM vanish.
  const QString cjk = QString(88, QChar(0x4E2D));
  RecordFileNames names("out/{Company}/{Name}.png");
  const std::tuple<ContactDetails, std::string> cases[] = {
      {details(QString::fromUtf8("../Ánna /\tRossi")), "out/Ánna Rossi.png"},
      {details(QString::fromUtf8("../Ánna /\tRossi")), "out/Ánna Rossi (2).png"},
      {details(QString::fromUtf8("Ev\u202Egnp.exe\u200B\uFEFF")), "out/Evgnp.exe.png"},
      {details({}), "out/record 4.png"},
      {details(cjk, cjk), "out/" + QString(85, QChar(0x4E2D)).toStdString() + "/" +
                              QString(83, QChar(0x4E2D)).toStdString() + ".png"},
      {details(cjk, cjk), "out/" + QString(85, QChar(0x4E2D)).toStdString() + "/" +
                              QString(82, QChar(0x4E2D)).toStdString() + " (2).png"},
  };
  for (const auto& [record, expected] : cases) EXPECT_EQ(names.Next(record).string(), expected);
  // A letter and its accent stay together when a name is cut.
  EXPECT_EQ(CutToBytes(QStringLiteral("ae\u0301"), 3), QStringLiteral("a"));
}

// The command line refuses before it writes when a file is there; one that appears meanwhile is
// kept, or skipped.
TEST(MergeExport, AFileThatAppearsMeanwhileIsKeptOrSkipped) {
  test::EnsureGuiApplication();
  test::TempFolder folder;
  const auto table = Table({"Name"}, {{2, {"Anna"}}, {3, {"Bo"}}});
  const MergeRecords records(table, MappingByHeader(table->columns));
  std::ofstream(folder / "Bo.png") << "mine";
  CardRenderer renderer(nullptr, {});
  const auto run = [&](ExistingMergeFiles when) {
    return ExportMergedCards(renderer, CardState{}, records, (folder / "{Name}.png").string(),
                             kFormatPng, kNoQuality, when);
  };
  EXPECT_EQ(run(ExistingMergeFiles::kRefuse).Error(), EEXIST);
  std::filesystem::remove(folder / "Anna.png");
  EXPECT_EQ(run(ExistingMergeFiles::kSkip).Value(), 1u);
  EXPECT_EQ(test::ReadFileBytes(folder / "Bo.png").size(), 4u) << "Bo's file is the user's";
}

}  // namespace
}  // namespace tavolo
