// tavolo-cli merge, run as a user runs it, on the shipped team samples and on bad data.
#include <QImage>

#include <fstream>
#include <set>

#include "core/card/PlacedQrCode.h"
#include "core/merge/MergedCard.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = TAVOLO_BIN_DIR;
const fs::path kSamples = kBin / "samples";
const std::string kAvery = (kBin / "abctmp/Avery C32011 Business Cards (A4).ptm").string();

using Names = std::set<std::string>;

const Names kTeam = {"Chiara Bellandi.png",   "Matteo D'Agostino.png", "Zoë Lefèvre.png",
                     "Jürgen Özdemir.png",    "Ana María Núñez.png",   "Søren Åberg.png",
                     "Élodie Marchetti.png",  "Tomasz Wiśniewski.png", "Giulia Conti.png",
                     "Nikolaos Papadakis.png"};
const Names kGermanTeam = {"Jürgen Groß.png",   "Käthe Müller.png",       "Søren Åberg.png",
                           "Björn Ægisson.png", "Élodie Straßburger.png", "Özlem Yilmaz.png",
                           "Åsa Öberg.png",     "Lüder Brüggemann.png"};
// Irish, Polish, Nordic and German letters: a QR reader that guesses the character set misreads
// most of them.
const Names kAddressBookTeam = {"Siobhán Ó Súilleabháin.png",
                                "Pádraig Ó Dónaill.png",
                                "Aoife Ní Bhriain.png",
                                "Łukasz Wiśniewski.png",
                                "Małgorzata Żółkiewska.png",
                                "Søren Åberg.png",
                                "Þórunn Sigurðardóttir.png",
                                "Åsa Öberg.png",
                                "Jürgen Groß.png",
                                "Björn Ægisson.png",
                                "Zofia Dąbrowska.png",
                                "Caoimhe Ní Fhlannagáin.png"};

Names FilesIn(const fs::path& folder) {
  Names names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class MergeCommand : public test::CliTest {
 protected:
  // tavolo-cli merge of `card` (the default card) with the data file into `out`, the options
  // after.
  test::ShellOutcome Merge(const std::string& data, const std::string& out,
                           const std::string& options = "", const CardState& card = {}) const {
    return Run("merge '" + Project(card) + "' --data '" + data + "' -o '" + out + "' " + options);
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
  const std::pair<const char*, const Names&> samples[] = {
      {"team.csv", kTeam},
      {"team.vcf", kTeam},
      {"team-de.csv", kGermanTeam},
      {"team-addressbook.csv", kAddressBookTeam}};
  for (const auto& [data, team] : samples) {
    const fs::path folder = Scratch(std::string("cards-") + data);
    const test::ShellOutcome run =
        Merge((kSamples / data).string(), (folder / "{Name}.png").string());
    ASSERT_EQ(run.code, 0) << data << ": " << run.output;
    EXPECT_FALSE(test::Says(run, "warning")) << data << ": every column fills a field";
    EXPECT_EQ(FilesIn(folder), team) << data;
  }
  for (const char* data : {"team.csv", "team.vcf"}) {
    // The vCard gives the country last, after the postcode.
    zoe[6] = std::string(data) == "team.vcf" ? "55100, Italia" : "55100";
    const fs::path file = fs::path(Scratch(std::string("cards-") + data)) / "Zoë Lefèvre.png";
    EXPECT_EQ(QImage(QString::fromStdString(file.string())), Rendered(zoe)) << data;
  }
}

TEST_F(MergeCommand, EveryNameReadsBackExactlyFromItsQrCode) {
  if (test::RunShell("command -v zbarimg >/dev/null 2>&1").code != 0) {
    GTEST_SKIP() << "zbarimg (Debian zbar-tools) is not installed: the decoding check is skipped";
  }
  CardState card;
  card.qrCode = NewQrCode(card.cardWidth, card.cardHeight);
  const fs::path spreadsheets = fs::path(TAVOLO_TEST_DATA) / "merge";
  const Names spreadsheetTeam = {"Chiara Bellandi.png", "Matteo D'Agostino.png", "Zoë Lefèvre.png",
                                 "Jürgen Groß.png"};
  const struct {
    fs::path data;
    Names team;
  } sources[] = {{kSamples / "team-addressbook.csv", kAddressBookTeam},
                 {spreadsheets / "team.ods", spreadsheetTeam},
                 {spreadsheets / "team.xlsx", spreadsheetTeam}};
  for (const auto& source : sources) {
    const fs::path folder = Scratch("qr-" + source.data.extension().string().substr(1));
    const test::ShellOutcome run =
        Merge(source.data.string(), (folder / "{Name}.png").string(), "--strict", card);
    ASSERT_EQ(run.code, 0) << source.data << run.output;
    Names read;
    for (const std::string& file : source.team) {
      // zbarimg as it reads by default, guessing nothing the code says itself; the picture is
      // copied to a plain name, as the team's names hold apostrophes.
      fs::copy_file(folder / file, folder / "code.png", fs::copy_options::overwrite_existing);
      const std::string vcard =
          test::RunShell("zbarimg --nodbus -q '" + (folder / "code.png").string() + "'").output;
      const size_t name = vcard.find("\nFN:");
      if (name != std::string::npos) {
        read.insert(vcard.substr(name + 4, vcard.find('\r', name) - name - 4) + ".png");
      }
    }
    EXPECT_EQ(read, source.team) << source.data;
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
  // A spreadsheet's second sheet, by its name.
  const std::string sheet = (fs::path(TAVOLO_TEST_DATA) / "merge" / "team.xlsx").string();
  ASSERT_EQ(Merge(sheet, pdf, "--sheet Other --paper A5").code, 0);
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo '" + pdf + "'"), "Pages:           1"));

  // Twelve on two sides: a page of backs behind each sheet, the last one behind its two cards only.
  std::string rows = "Name\n";
  for (int i = 0; i < 12; ++i) rows += "Person " + std::to_string(i) + "\n";
  const std::string twelve = Scratch("twelve.csv");
  std::ofstream(twelve, std::ios::binary) << rows;
  const test::ShellOutcome twoSided = Run("merge '" + (kSamples / "two-sided.tvc").string() +
                                          "' --data '" + twelve + "' --back long -o '" + pdf + "'");
  ASSERT_EQ(twoSided.code, 0) << twoSided.output;
  EXPECT_TRUE(test::Says(test::RunShell("pdfinfo '" + pdf + "'"), "Pages:           4"));
  const std::string lastBacks = "pdftotext -f 4 -l 4 '" + pdf + "' - | grep -c 'Open Monday'";
  EXPECT_EQ(test::RunShell(lastBacks).output, "2\n");
}

TEST_F(MergeCommand, BadRecordsUnusedColumnsAndUnreadableCodesAreNamedAndStrictWritesNothing) {
  const std::string data = Scratch("bad.csv");
  std::ofstream(data, std::ios::binary)
      << "First Name,Last Name,City,Notes\nAnna,Rossi,Roma,x\n,,,\nBo,,Nola\n";
  const std::string pdf = Scratch("bad.pdf");
  // Data that is no list, print-shop options for images: refused before anything is written.
  const std::string hostile = Scratch("hostile.csv");
  std::ofstream(hostile, std::ios::binary) << "Name\n\"Bo\n";
  const test::ShellOutcome unclosed = Merge(hostile, pdf);
  EXPECT_EQ(unclosed.code, 1);
  EXPECT_TRUE(test::Says(unclosed, "hostile.csv, line 2: a quoted value is never closed"));
  EXPECT_TRUE(
      test::Says(Merge(data, Scratch("{Name}.png"), "--crop-marks"), "--crop-marks is for a PDF"));
  EXPECT_EQ(Merge(data, pdf, "--fit page").code, 2);
  EXPECT_FALSE(fs::exists(pdf));
  const test::ShellOutcome strict = Merge(data, pdf, "--strict");
  EXPECT_EQ(strict.code, 1);
  EXPECT_TRUE(test::Says(strict, "bad.csv, line 3: the record is empty"));
  EXPECT_TRUE(test::Says(strict, "the column(s) 'Notes' fill no field"));
  EXPECT_FALSE(fs::exists(pdf));
  const test::ShellOutcome lenient = Merge(data, pdf, "--map Title=Notes");
  EXPECT_EQ(lenient.code, 1) << "not every record was placed";
  EXPECT_TRUE(test::Says(lenient, "1 of 3 records were left out"));
  EXPECT_FALSE(test::Says(lenient, "fill no field")) << lenient.output;
  EXPECT_TRUE(fs::exists(pdf));
  // The smallest code on the card: no record's modules print large enough to be read.
  CardState card;
  PlacedQrCode code = NewQrCode(card.cardWidth, card.cardHeight);
  code.side = kMinQrSide;
  card.qrCode = code;
  const std::string good = Scratch("good.csv");
  std::ofstream(good, std::ios::binary) << "Name,City\nAnna Rossi,Roma\n";
  const test::ShellOutcome small = Merge(good, Scratch("{Name}.png"), "--strict", card);
  EXPECT_EQ(small.code, 1);
  EXPECT_TRUE(test::Says(small, "good.csv, line 2: its QR code's dots would print 0.08 mm wide"));
  EXPECT_FALSE(fs::exists(Scratch("Anna Rossi.png")));
  EXPECT_EQ(Merge(good, Scratch("{Name}.png"), "", card).code, 0) << "a warning, not a failure";
}

TEST_F(MergeCommand, AFileTheUserHadIsKeptUnlessOverwriteIsGiven) {
  const std::string data = (kSamples / "team.csv").string();
  const fs::path folder = Scratch("mine");
  fs::create_directories(folder);
  std::ofstream(folder / "Giulia Conti.png") << "mine";
  const std::string pattern = (folder / "{Name}.png").string();
  const test::ShellOutcome kept = Merge(data, pattern);
  EXPECT_EQ(kept.code, 1);
  EXPECT_TRUE(test::Says(kept, "nothing is written: 1 of the files exist already, such as '" +
                                   (folder / "Giulia Conti.png").string() + "'"));
  EXPECT_EQ(FilesIn(folder), Names{"Giulia Conti.png"});
  ASSERT_EQ(Merge(data, pattern, "--overwrite").code, 0);
  EXPECT_EQ(FilesIn(folder), kTeam);
  EXPECT_GT(fs::file_size(folder / "Giulia Conti.png"), 4u);
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
