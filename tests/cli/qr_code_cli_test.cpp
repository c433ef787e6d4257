// The QR code as the command-line tool draws and describes it.
#include "core/qr/QrContentText.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

class QrCodeCli : public test::CliTest {};

TEST_F(QrCodeCli, ARenderedCardDecodesToItsVCard) {
  if (test::RunShell("command -v zbarimg >/dev/null 2>&1").code != 0) {
    GTEST_SKIP() << "zbarimg (Debian zbar-tools) is not installed: the decoding check is skipped";
  }
  CardState card;
  ContactDetails details;
  const QStringList fields = QStringLiteral(
                                 "Höhenweg Gärtnerei|Zoë Ångström|Meisterin; Floristik|Straße 7||"
                                 "Köln, NRW|50667|zoe@höhenweg.example|www.höhenweg.example|"
                                 "Tel. +49 221 5550|")
                                 .split('|');
  for (int i = 0; i < kContactFieldCount; ++i) details[i] = fields.value(i);
  card.contact = details;
  const auto decoded = [&](const PlacedQrCode& code, const char* extra) {
    card.qrCode = code;
    const std::string project = Project(card);
    const std::string image = Scratch("card.png");
    const test::ShellOutcome render = Run("render '" + project + "' -o '" + image + "'");
    EXPECT_EQ(render.code, 0) << render.output;
    return test::RunShell(std::string("zbarimg --nodbus --raw -q ") + extra + " '" + image + "'")
        .output;
  };
  const std::string vcard = VCardText(details).toStdString() + "\n";
  EXPECT_EQ(decoded(NewQrCode(card.cardWidth, card.cardHeight), ""), vcard);
  PlacedQrCode inverted = NewQrCode(card.cardWidth, card.cardHeight);
  inverted.lightOnDark = true;
  inverted.dark = qRgb(20, 40, 90);
  EXPECT_EQ(decoded(inverted, "-Stest-inverted"), vcard);
}

TEST_F(QrCodeCli, InfoDescribesTheCodeAndRenderWarnsWhenItIsLeftOut) {
  CardState card;
  PlacedQrCode code;
  code.content = QrContent::kFreeText;
  code.freeText = QStringLiteral("Grüße");
  card.qrCode = code;
  test::ShellOutcome info = Run("info '" + Project(card) + "'");
  EXPECT_EQ(info.code, 0) << info.output;
  EXPECT_TRUE(test::Says(info, "\"qr\": {\n    \"content\": \"text\",\n    \"textBytes\": 7,"));

  code.content = QrContent::kWebsite;
  card.qrCode = code;
  const std::string project = Project(card);
  const test::ShellOutcome render = Run("render '" + project + "' -o '" + Scratch("a.png") + "'");
  EXPECT_EQ(render.code, 0);
  EXPECT_TRUE(test::Says(render, "the QR code is left out: The card has no website address"));
  EXPECT_EQ(Run("render --strict '" + project + "' -o '" + Scratch("a.png") + "'").code, 1);
}

}  // namespace
}  // namespace tavolo
