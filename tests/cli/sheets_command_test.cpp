// tavolo-cli sheets, run as a user runs it: the shipped products, those of an installed label
// database and the user's own, found by what is on the box.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>

#include "core/base/UserName.h"
#include "core/print/PageLayoutFile.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

class CliSheets : public test::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    fs::copy(fs::path(TAVOLO_BIN_DIR) / "sheets", home_ / "sheets");
    // A label database of one business card, in the place gLabels installs it.
    fs::create_directories(scratch_ / "share/libglabels-3.0/templates");
    std::ofstream(scratch_ / "share/libglabels-3.0/templates/acme-templates.xml")
        << R"(<Glabels-templates><Template brand="Acme" part="Z1" size="A4">)"
           R"(<Meta category="business-card"/><Label-rectangle width="90mm" height="50mm">)"
           R"(<Layout nx="2" ny="5" x0="10mm" y0="20mm" dx="100mm" dy="50mm"/>)"
           R"(</Label-rectangle></Template></Glabels-templates>)";
  }

  test::ShellOutcome Sheets(const std::string& arguments) const {
    return test::RunShell("XDG_DATA_DIRS='" + Scratch("share") + "' " +
                          Command("sheets " + arguments) + " 2>&1");
  }
};

TEST_F(CliSheets, ListsShippedInstalledAndOwnProductsAsJson) {
  PageLayout mine;
  mine.name = QStringLiteral("Club cards");
  mine.paper = 9;
  ASSERT_TRUE(SaveSheetProduct(home_ / "abctmp", mine).Ok());

  const auto json = [this](const std::string& search) {
    const test::ShellOutcome run = Sheets("--json --search '" + search + "'");
    EXPECT_EQ(run.code, 0) << run.output;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).array();
  };
  const QJsonArray clean = json("5881");
  ASSERT_EQ(clean.size(), 1);
  const QJsonObject avery = clean[0].toObject();
  EXPECT_EQ(avery["maker"], "Avery");
  EXPECT_EQ(avery["name"], "Avery 8373 Business Cards (Letter)");
  EXPECT_EQ(avery["paper"], "Letter");
  EXPECT_EQ(avery["source"], "shipped");
  EXPECT_TRUE(
      avery["partNumbers"].toArray().contains(QJsonObject{{"maker", "Avery"}, {"part", "5881"}}));
  const std::pair<const char*, double> figures[] = {{"cardWidthMm", 88.9},
                                                    {"cardHeightMm", 50.8},
                                                    {"columns", 2},
                                                    {"rows", 4},
                                                    {"leftMm", 12.7},
                                                    {"topMm", 19.05},
                                                    {"horizontalPitchMm", 101.6},
                                                    {"verticalPitchMm", 63.5},
                                                    {"cornerRadiusMm", 0}};
  for (const auto& [key, value] : figures) EXPECT_DOUBLE_EQ(avery[key].toDouble(), value) << key;

  EXPECT_EQ(json("acme z1")[0].toObject()["source"], "installed database");
  const QJsonObject own = json("club")[0].toObject();
  EXPECT_EQ(own["source"], "user");
  EXPECT_EQ(own["maker"], UserDisplayName());
  EXPECT_EQ(own["name"], "Club cards");
  EXPECT_EQ(json("napkin").size(), 0);
}

TEST_F(CliSheets, ListsByPaperAndSaysWhatIsWrong) {
  const test::ShellOutcome letter = Sheets("--paper Letter");
  EXPECT_EQ(letter.code, 0);
  EXPECT_TRUE(test::Says(letter, "Letter\n  Avery 5371"));
  EXPECT_EQ(letter.output.find("A4"), std::string::npos) << letter.output;

  std::ofstream(home_ / "sheets/zz-broken.sheets") << "maker: Broken\nproduct: 1\n";
  const std::tuple<std::string, int, const char*> cases[] = {
      {"--search napkin", 0, "No sheet product matches."},
      {"--paper Napkin", 2, "no paper is named 'Napkin'"},
      {"extra", 2, "unexpected argument 'extra'"},
      {"", 0, "zz-broken.sheets is damaged: line 2: the product has no \"paper\""},
  };
  for (const auto& [arguments, code, says] : cases) {
    const test::ShellOutcome run = Sheets(arguments);
    EXPECT_EQ(run.code, code) << arguments << "\n" << run.output;
    EXPECT_TRUE(test::Says(run, says)) << arguments;
  }
}

}  // namespace
}  // namespace tavolo
