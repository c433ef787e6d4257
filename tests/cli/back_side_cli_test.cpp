// tavolo-cli print and merge with --back: the shipped two-sided sample prints its back on the
// page after each sheet, as text, and a card without a back or a wrong flip is refused.
#include <filesystem>
#include <string>

#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = fs::path(TAVOLO_BIN_DIR) / "samples";
constexpr const char* kBackLine = "Fresh bread every morning";

class BackSideCli : public test::CliTest {
 protected:
  void SetUp() override {
    test::CliTest::SetUp();
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no poppler-utils";
  }
  static std::string PageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return test::RunShell("pdftotext -f " + n + " -l " + n + " '" + pdf + "' -").output;
  }
  static int Pages(const std::string& pdf) {
    const std::string info = test::RunShell("pdfinfo '" + pdf + "'").output;
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
  }
};

TEST_F(BackSideCli, PrintAndMergePutEachSheetsBacksOnThePageAfterIt) {
  const std::string sample = (kSamples / "two-sided.tvc").string();
  const std::string printed = Scratch("printed.pdf");
  const test::ShellOutcome print =
      test::RunCli("print '" + sample + "' -o '" + printed + "' --sheets 2 --back long");
  ASSERT_EQ(print.code, 0) << print.output;
  EXPECT_EQ(Pages(printed), 4);
  EXPECT_EQ(PageText(printed, 1).find(kBackLine), std::string::npos);
  EXPECT_NE(PageText(printed, 2).find(kBackLine), std::string::npos);
  EXPECT_NE(PageText(printed, 4).find(kBackLine), std::string::npos);

  const std::string merged = Scratch("merged.pdf");
  const test::ShellOutcome merge =
      test::RunCli("merge '" + sample + "' --data '" + (kSamples / "team.csv").string() +
                   "' -o '" + merged + "' --back short");
  ASSERT_EQ(merge.code, 0) << merge.output;
  EXPECT_EQ(Pages(merged) % 2, 0);
  EXPECT_NE(PageText(merged, 1).find("Zoë Lefèvre"), std::string::npos);
  EXPECT_NE(PageText(merged, 2).find(kBackLine), std::string::npos);
}

TEST_F(BackSideCli, ACardWithoutABackOrAnotherFlipIsRefused) {
  const std::string oneSided = (kSamples / "bakery.tvc").string();
  const std::string twoSided = (kSamples / "two-sided.tvc").string();
  const std::string out = Scratch("out.pdf");
  const struct {
    std::string arguments;
    int code;
    const char* says;
  } cases[] = {
      {"print '" + oneSided + "' -o '" + out + "' --back long", 1, "no back side"},
      {"print '" + twoSided + "' -o '" + out + "' --back sideways", 2, "long or short"},
      {"merge '" + twoSided + "' --data '" + (kSamples / "team.csv").string() + "' -o '" +
           Scratch("{Name}.png") + "' --back long",
       2, "is for a PDF"},
  };
  for (const auto& c : cases) {
    const test::ShellOutcome run = test::RunCli(c.arguments);
    EXPECT_EQ(run.code, c.code) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(out));
  }
}

}  // namespace
}  // namespace tavolo
