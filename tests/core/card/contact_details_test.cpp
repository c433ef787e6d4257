#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include <QStringList>

#include "core/card/ContactLines.h"
#include "core/card/LayoutChoice.h"
#include "core/card/LayoutTable.h"
#include "core/card/TemplateLabels.h"
#include "core/document/CardDocument.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::Letters;
using test::Lines;

TextBoxLines Box(const QStringList& lines) {
  return KeptLines(lines);
}

// Each layout's boxes take their fields; boxes past the layout's count keep what they held.
TEST(LayoutTable, FieldDistributionFillsTheLayoutsBoxesAndJoinsAddressParts) {
  ContactDetails noLine2 = Letters();
  noLine2[4] = "";
  using Boxes = std::vector<QStringList>;
  const Boxes eight = {{"A"}, {"B", "C"}, {"D", "E", "F", "G", "J", "K", "H", "I"}, {"H", "I"}};
  const std::tuple<int, ContactDetails, int, Boxes> cases[] = {
      {0, Letters(), 5, {{"A"}, {"B", "C"}, {"D", "E", "F", "G"}, {"H", "I"}, {"J", "K"}}},
      {9, Letters(), 5, {{"B", "C"}, {"H", "I"}, {"A"}, {"D", "E", "F", "G"}, {"J", "K"}}},
      {2, Letters(), 3, eight},
      {3, Letters(), 3, eight},
      {6, Letters(), 3, eight},
      {8, Letters(), 3, eight},
      {4, noLine2, 4, {{"A"}, {"B", "C"}, {"H", "I"}, {"D  F G", "J K"}}},
  };
  for (const auto& [layout, values, count, expected] : cases) {
    BoxLinesArray boxes{};
    FieldDistribution(0, Letters(), boxes);
    EXPECT_EQ(FieldDistribution(layout, values, boxes), count) << layout;
    Boxes shown;
    for (size_t b = 0; b < expected.size(); ++b) shown.push_back(Lines(boxes[b]));
    EXPECT_EQ(shown, expected) << layout;
  }
}

TEST(ContactDetails, AnEditUpdatesTheFieldsItsLinesHold) {
  // field -1: no field changes
  const std::tuple<const char*, int, int, QStringList, QStringList, int, const char*> cases[] = {
      {"a field line", 0, 1, {"B", "C"}, {"Bea", "C"}, 1, "Bea"},
      {"the layout's count again", 0, 1, {"B"}, {"B", "Boss"}, 2, "Boss"},
      {"three-box contacts", 2, 2, {}, {"D", "E", "F", "G", "Call", "K", "H", "I"}, 9, "Call"},
      {"a joined line", 4, 3, {"D E F G", "J K"}, {"D E X G", "J K"}, -1, ""},
      {"a line added", 0, 1, {"B", "C"}, {"B", "C", "Slogan"}, -1, ""},
      {"changed in place beside an added line", 0, 1, {"B", "C", "S"}, {"Bo", "C", "S"}, 1, "Bo"},
      {"the added line changed", 0, 1, {"B", "C", "S"}, {"B", "C", "T"}, -1, ""},
      {"a box the layout lacks", 2, 4, {"B"}, {"X"}, -1, ""},
  };
  for (const auto& [what, layout, box, before, after, field, value] : cases) {
    ContactDetails expected = Letters();
    if (field >= 0) expected[field] = value;
    EXPECT_EQ(DetailsAfterEdit(Letters(), layout, box, Box(before), Box(after)), expected) << what;
  }
  // An empty line typed into is no field's line, though the field it stands for is empty too.
  ContactDetails noTitle = Letters();
  noTitle[2].clear();
  EXPECT_EQ(DetailsAfterEdit(noTitle, 0, 1, Box({"B", "", "S"}), Box({"B", "Typed", "S"})),
            noTitle);
}

TEST(ContactDetails, ACardWithoutTheChunkGivesWhatItsBoxesShow) {
  CardState card;  // layout 1, five empty boxes: a blank card
  EXPECT_EQ(ContactDetailsOf(card), ContactDetails{});
  FieldDistribution(0, Letters(), card.lines);
  card.lines[2] = Box({"D", "E", "F", "G", "more"});  // says nothing about its fields
  ContactDetails expected = Letters();
  for (int field : {3, 4, 5, 6}) expected[field].clear();
  EXPECT_EQ(ContactDetailsOf(card), expected);
  card.boxCount = 3;  // not the layout's: no box is read
  EXPECT_EQ(ContactDetailsOf(card), ContactDetails{});

  card.contact = Letters();
  EXPECT_EQ(ContactDetailsOf(card), Letters());
}

TEST(ContactDetails, ALayoutSwitchCarriesTheLinesOfNoFieldToTheSameBox) {
  const QStringList lastBox = {"D", "E", "F", "G", "J", "K", "H", "I", "Fax 9"};
  const std::tuple<const char*, int, int, int, QStringList, int, QStringList> cases[] = {
      {"slogan under the name", 0, 9, 1, {"B", "C", "Since 1985"}, 0, {"B", "C", "Since 1985"}},
      {"a box of no single field", 4, 0, 3, {"D E F G", "J K", "Fax"}, 3, {"H", "I", "Fax"}},
      {"into the last box", 0, 2, 4, {"J", "K", "Fax 9"}, 2, lastBox},
      {"field lines and empty ones stay behind", 0, 1, 1, {"C", "", "B", "x"}, 1, {"B", "C", "x"}},
      {"the layout's count: every line is a field's", 0, 1, 1, {"B", "Own"}, 1, {"B", "C"}},
  };
  for (const auto& [what, from, to, box, typed, targetBox, expected] : cases) {
    LayoutChoice choice;
    CardState card;
    card.layoutIndex = from;
    card.contact = Letters();
    choice.Show(card);
    BoxLinesArray shown = choice.Lines();
    shown[box] = Box(typed);
    ASSERT_TRUE(choice.Pick(to, shown, LayoutBoxCount(from))) << what;
    EXPECT_EQ(Lines(choice.LinesForEditors()[targetBox]), expected) << what;
  }
}

TEST(ContactDetails, TheDialogsDetailsReplaceTheFieldLinesInOneStepAndKeepTypedLines) {
  test::EnsureGuiApplication();
  CardDocument doc(nullptr, {});
  doc.Start(nullptr);
  doc.SwitchLayout(4);
  // A line typed beside the fields is not a field's and stays in its box.
  doc.SetBoxLines(3, Lines(doc.Working().lines[3]) << QStringLiteral("Open Sundays"));
  const int steps = doc.History().UndoCount();
  ContactDetails typed = Letters();
  typed[0] = QString(150, QChar('Z'));
  doc.SetContactDetails(typed);
  EXPECT_EQ(doc.History().UndoCount(), steps + 1);
  EXPECT_EQ(doc.Working().lines[0].line[0], QString(kMaxLineLength, QChar('Z')));
  EXPECT_EQ(Lines(doc.Working().lines[3]), (QStringList{"D E F G", "J K", "Open Sundays"}));
  EXPECT_EQ(doc.Working().contact, doc.Details());

  doc.SetContactDetails({});  // all empty: each field shows its name
  EXPECT_EQ(doc.Working().lines[1].line[0], QStringLiteral("Name"));
  doc.Undo();
  EXPECT_EQ(doc.Details()[1], QStringLiteral("B"));
}

// A template's label goes in front of a typed number only; opening hours carry no label.
TEST(ContactDetails, TemplateLabelsGoInFrontOfTypedNumbers) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"Tel. 0117 496 0730", "Tel.", "0161 555", "Tel. 0161 555"},
      {"24 h 07700 900 862", "24 h", "+44 7700", "24 h +44 7700"},
      {"Cell (404) 555-0187", "Cell", "(404) 1", "Cell (404) 1"},
      {"Mobile 07700 900 913", "Mobile", "Fax 0171", "Fax 0171"},
      {"Mobile 07700 900 913", "Mobile", "", ""},
      {"Open daily 7 - 18", "", "0171 555", "0171 555"},
      {"Tue - Sat 9 am - 7 pm", "", "0171 555", "0171 555"},
      {"(503) 555-0176", "", "0171 555", "0171 555"},
      {"www.example.com", "", "0171 555", "0171 555"},
  };
  for (const auto& [sample, label, typed, expected] : cases) {
    EXPECT_EQ(NumberLabelOf(sample), label) << sample;
    ContactDetails samples{};
    ContactDetails values{};
    samples[9] = sample;
    values[9] = typed;
    values[0] = "0171 555";  // a field whose sample has no label keeps the typed number
    const ContactDetails result = WithTemplateLabels(values, samples);
    EXPECT_EQ(result[9], expected) << sample;
    EXPECT_EQ(result[0], "0171 555");
  }
}

}  // namespace
}  // namespace tavolo
