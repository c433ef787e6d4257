#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "core/print/PdfTextRepair.h"

namespace tavolo {
namespace {

using Entries = std::vector<std::pair<uint16_t, std::u16string>>;

// The forms a ToUnicode map comes in, and what is not one; a map written reads back the same.
TEST(ToUnicode, ReadsCharactersRangesAndArraysAndWritesThemBack) {
  const std::tuple<const char*, std::string, Entries> cases[] = {
      {"characters",
       "2 beginbfchar\n<0001> <0041>\n<0002> <00660069>\nendbfchar",
       {{1, u"A"}, {2, u"fi"}}},
      {"a range counting up",
       "1 beginbfrange\n<0003> <0005> <0061>\nendbfrange",
       {{3, u"a"}, {4, u"b"}, {5, u"c"}}},
      {"a range of an array, as Qt writes",
       "1 beginbfrange\n<0001> <0003> [<004A> <0009> <FB01>]\nendbfrange",
       {{1, u"J"}, {2, u"\t"}, {3, u"\uFB01"}}},
      {"codes of another width and broken hex left out",
       "3 beginbfchar\n<01> <0041>\n<0002> <00G1>\n<0004> <0042>\nendbfchar",
       {{4, u"B"}}},
      {"outside a section", "<0001> <0041>", {}},
  };
  for (const auto& [what, cmap, entries] : cases) {
    EXPECT_EQ(ParseToUnicode(cmap), entries) << what;
    EXPECT_EQ(ParseToUnicode(WriteToUnicode(entries)), entries) << what;
  }
  Entries many;
  for (uint16_t code = 1; code <= 250; ++code) many.emplace_back(code, std::u16string(1, u'a'));
  EXPECT_EQ(ParseToUnicode(WriteToUnicode(many)), many) << "several sections of 100";
}

}  // namespace
}  // namespace tavolo
