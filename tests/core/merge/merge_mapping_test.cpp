#include <gtest/gtest.h>

#include "core/merge/FieldMapping.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/MergedCard.h"
#include "core/merge/RecordFileNames.h"

namespace tavolo {
namespace {

TEST(FieldMapping, RecognisesHeadersByAlias) {
  const std::pair<const char*, int> cases[] = {
      {"Company", 0},        {"ORGANISATION", 0},  {"Organization", 0},   {"Firm", 0},
      {"Company Name", 0},   {"name", 1},          {"Full name", 1},      {"Job Title", 2},
      {"Position", 2},       {"Street", 3},        {"Address", 3},        {"Address Line 2", 4},
      {"Town", 5},           {"City, State/Province", 5}, {"ZIP", 6},     {"Post-code", 6},
      {"Postal Code", 6},    {"E-mail", 7},        {"Email Address", 7},  {"URL", 8},
      {"Web", 8},            {"Website", 8},       {"Phone", 9},          {"Tel.", 9},
      {"Téléphone", 9},      {"Phone: Number 1", 9}, {"Mobile", 10},      {"Phone Number 2", 10},
  };
  for (const auto& [header, field] : cases) {
    EXPECT_EQ(FieldForHeader(QString::fromUtf8(header)), field) << header;
  }
  EXPECT_FALSE(FieldForHeader(QStringLiteral("Birthday")));
}

TEST(FieldMapping, MapsFirstColumnPerFieldAppliesOverridesAndReportsTheRest) {
  const QStringList columns = {"Nome", "Name", "Mobile", "Full name", "Notes"};
  FieldMapping mapping = MappingByHeader(columns);
  EXPECT_EQ(mapping.columnOfField[1], 1);
  EXPECT_EQ(mapping.columnOfField[9], 2) << "a lone mobile column is the first phone";
  EXPECT_EQ(UnmappedColumns(mapping, columns), (QStringList{"Nome", "Full name", "Notes"}));

  ASSERT_TRUE(ApplyOverride(mapping, columns, "name=nome"));
  ASSERT_TRUE(ApplyOverride(mapping, columns, "Title=5"));
  EXPECT_EQ(mapping.columnOfField[1], 0);
  EXPECT_EQ(mapping.columnOfField[2], 4);
  EXPECT_EQ(UnmappedColumns(mapping, columns), (QStringList{"Name", "Full name"}));
  EXPECT_FALSE(ApplyOverride(mapping, columns, "Shoe=Name"));
  EXPECT_FALSE(ApplyOverride(mapping, columns, "Name=Shoe"));
  EXPECT_FALSE(ApplyOverride(mapping, columns, "Name"));
}

TEST(MergeRecords, KeepsGoodRowsAndNamesTheLineOfEveryOther) {
  const MergeTable table{{"Name", "City", "Notes"},
                         {{2, {" Anna ", "Via 1\nRoma"}},
                          {3, {"", "", "only a note"}},
                          {4, {"", ""}},
                          {5, {QString(101, u'x'), ""}},
                          {6, {"Bo", "", "", "extra"}}}};
  const MergeRecords merged = RecordsOf(table, MappingByHeader(table.columns));
  ASSERT_EQ(merged.records.size(), 1u);
  EXPECT_EQ(merged.records[0].line, 2);
  EXPECT_EQ(merged.records[0].details[1], "Anna");
  EXPECT_EQ(merged.records[0].details[5], "Via 1, Roma");
  ASSERT_EQ(merged.problems.size(), 4u);
  EXPECT_EQ(merged.problems[0].message, "the record has no value in any field of the card");
  EXPECT_EQ(merged.problems[1].message, "the record is empty");
  EXPECT_EQ(merged.problems[2].message, "the Name has 101 characters; a line of the card holds 100");
  EXPECT_EQ(merged.problems[3].line, 6);
  EXPECT_EQ(merged.problems[3].message, "the record has 4 values, the header 3 columns");
}

TEST(MergedCard, DistributesTheRecordLeavingEmptyFieldsEmpty) {
  CardState project;
  project.layoutIndex = 0;
  project.lines[0] = KeptLines(QStringList{"old"});
  ContactDetails details;
  details[0] = "Acme";
  details[1] = "Anna";
  const CardState card = MergedCard(project, details);
  EXPECT_EQ(card.contact, details);
  std::array<TextBoxLines, kTextBoxCount> expected{};
  EXPECT_EQ(card.boxCount, FieldDistribution(0, details, expected));
  EXPECT_EQ(card.lines, expected);
  EXPECT_EQ(card.styles, project.styles);
}

TEST(RecordFileNames, FillsFieldsSafelyAndNumbersRepeats) {
  ASSERT_TRUE(CheckNamePattern("out/{Name} - {company}.png"));
  EXPECT_FALSE(CheckNamePattern("out/{Shoe}.png"));
  EXPECT_FALSE(CheckNamePattern("out/{Name.png"));
  RecordFileNames names("out/{Name}.png");
  ContactDetails anna;
  anna[1] = QString::fromUtf8("../Ánna /\tRossi");
  ContactDetails nobody;
  EXPECT_EQ(names.Next(anna), std::filesystem::path("out/Ánna Rossi.png"));
  EXPECT_EQ(names.Next(anna), std::filesystem::path("out/Ánna Rossi (2).png"));
  EXPECT_EQ(names.Next(nobody), std::filesystem::path("out/record 3.png"));
}

}  // namespace
}  // namespace tavolo
