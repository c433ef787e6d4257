// tavolo-cli merge, run as a user runs it, on the shipped team samples and on bad data.
#include <QImage>

#include <fstream>
#include <set>

#include "core/merge/MergedCard.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = TAVOLO_BIN_DIR;
const fs::path kSamples = kBin / "samples";
const std::string kAvery = (kBin / "abctmp/Avery C32011 Business Cards (A4).ptm").string();

const std::set<std::string> kTeam = {
    "Chiara Bellandi.png", "Matteo D'Agostino.png", "Zoë Lefèvre.png",      "Jürgen Özdemir.png",
    "Ana María Núñez.png", "Søren Åberg.png",       "Élodie Marchetti.png", "Tomasz Wiśniewski.png",
    "Giulia Conti.png",    "Nikolaos Papadakis.png"};

class MergeCommand : public test::CliTest {
 protected:
  // tavolo-cli merge of the default card with the data file into `out`, the options after.
  test::ShellOutcome Merge(const std::string& data, const std::string& out,
                           const std::string& options = "") const {
    return Run("merge '" + Project(CardState{}) + "' --data '" + data + "' -o '" + out + "' " +
               options);
  }
  // The card tavolo-cli render draws for the default card with `details`.
  QImage Rendered(const ContactDetails& details) {
    const std::string merged = Project(MergedCard(CardState{}, details), "expected.tvc");
    const std::string out = Scratch("expected.png");
    EXPECT_EQ(Run("render '" + merged + "' -o '" + out + "'").code, 0);
    return QImage(QString::fromStdString(out));
  }
};

TEST_F(MergeCommand, EachSampleGivesEveryPersonTheirOwnCard) {
  ContactDetails zoe;
  const QStringList fields =
      QStringLiteral(
          "Forno Aurora|Zoë Lefèvre|Sales Manager|Via dei Mulini 12||Lucca, LU|55100|"
          "zoe@fornoaurora.example|www.fornoaurora.example|+39 0583 410 222|"
          "+39 333 908 1276")
          .split('|');
  for (int i = 0; i < kContactFieldCount; ++i) zoe[i] = fields.value(i);
  for (const char* data : {"team.csv", "team.vcf"}) {
    const fs::path folder = Scratch(std::string("cards-") + data);
    const test::ShellOutcome run =
        Merge((kSamples / data).string(), (folder / "{Name}.png").string());
    ASSERT_EQ(run.code, 0) << data << ": " << run.output;
    std::set<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      written.insert(entry.path().filename().string());
    }
    EXPECT_EQ(written, kTeam) << data;
    // The vCard gives the country as the second address line.
    zoe[4] = std::string(data) == "team.vcf" ? "Italia" : "";
    EXPECT_EQ(QImage(QString::fromStdString((folder / "Zoë Lefèvre.png").string())), Rendered(zoe))
        << data;
  }
}

TEST_F(MergeCommand, FillsAsManySheetsAsTheRecordsNeed) {
  const std::string pdf = Scratch("team.pdf");
  const test::ShellOutcome run =
      Merge((kSamples / "team.csv").string(), pdf, "--layout '" + kAvery + "'");
  ASSERT_EQ(run.code, 0) << run.output;
  // Ten cards a sheet: one page; centred on A5 (four a sheet), three.
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo '" + pdf + "'"), "Pages:           1"));
  ASSERT_EQ(Merge((kSamples / "team.vcf").string(), pdf, "--paper A5").code, 0);
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo '" + pdf + "'"), "Pages:           3"));
}

TEST_F(MergeCommand, PrintShopOptionsReachThePdfAndImagesRefuseThem) {
  const std::string data = (kSamples / "team.csv").string();
  const std::string pdf = Scratch("shop.pdf");
  // The default card is not the layout's size: fitted to it, with crop marks and an offset.
  const test::ShellOutcome run =
      Merge(data, pdf, "--layout '" + kAvery + "' --fit sheet --crop-marks --offset 1,-1");
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Merge(data, pdf, "--fit page").code, 2);
  const test::ShellOutcome image = Merge(data, Scratch("{Name}.png"), "--crop-marks");
  EXPECT_EQ(image.code, 2);
  EXPECT_TRUE(test::Says(image, "--crop-marks is for a PDF"));
}

TEST_F(MergeCommand, BadRecordsAreNamedAndStrictWritesNothing) {
  const std::string data = Scratch("bad.csv");
  std::ofstream(data, std::ios::binary) << "Name,City,Notes\nAnna,Roma,x\n,,\nBo,Nola\n";
  const std::string pdf = Scratch("bad.pdf");
  const test::ShellOutcome strict = Merge(data, pdf, "--strict");
  EXPECT_EQ(strict.code, 1);
  EXPECT_TRUE(test::Says(strict, "bad.csv, line 3: the record is empty"));
  EXPECT_FALSE(fs::exists(pdf));
  const test::ShellOutcome lenient = Merge(data, pdf, "--map Title=Notes");
  EXPECT_EQ(lenient.code, 1) << "not every record was placed";
  EXPECT_TRUE(test::Says(lenient, "1 of 3 records were left out"));
  EXPECT_FALSE(test::Says(lenient, "fill no field")) << lenient.output;
  EXPECT_TRUE(fs::exists(pdf));
}

TEST_F(MergeCommand, HostileDataFailsWithItsLineAndWritesNothing) {
  const std::string data = Scratch("hostile.csv");
  std::ofstream(data, std::ios::binary) << "Name,City\nAnna,Roma\n\"Bo,Nola\nCarl,Bari\n";
  const std::string pdf = Scratch("hostile.pdf");
  const test::ShellOutcome run = Merge(data, pdf);
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(test::Says(run, "line 3: a quoted value is never closed"));
  EXPECT_FALSE(fs::exists(pdf));
}

// More cards than a PDF once held: every one is placed, and the terminal is told how far it is.
TEST_F(MergeCommand, AThousandAndOneCardsFillOneHundredAndOneSheets) {
  std::string rows = "Name\n";
  for (int i = 0; i < 1001; ++i) rows += "Person " + std::to_string(i) + "\n";
  const std::string data = Scratch("many.csv");
  std::ofstream(data, std::ios::binary) << rows;
  const std::string pdf = Scratch("many.pdf");
  const test::ShellOutcome run = Merge(data, pdf);
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_TRUE(test::Says(run, "1001 of 1001 cards placed"));
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo " + pdf), "Pages:           101"));
}

}  // namespace
}  // namespace tavolo
