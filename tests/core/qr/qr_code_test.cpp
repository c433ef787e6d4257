#include <gtest/gtest.h>

#include <tuple>

#include "core/qr/QrCodeDrawing.h"
#include "core/qr/QrContentText.h"
#include "core/render/CardRenderer.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

ContactDetails Details(std::initializer_list<std::pair<int, const char*>> fields) {
  ContactDetails d;
  for (const auto& [field, text] : fields) d[field] = QString::fromUtf8(text);
  return d;
}

// The eleven fields in their order: company, name, title, two address lines, city, postcode,
// email, website and two phones.
ContactDetails InOrder(std::initializer_list<const char*> fields) {
  ContactDetails d;
  for (int field = 0; const char* text : fields) d[field++] = QString::fromUtf8(text);
  return d;
}

TEST(VCardText, WritesTheFilledFieldsEscaped) {
  // body: between VERSION and END, lines joined by "|"
  const std::tuple<const char*, ContactDetails, const char*> cases[] = {
      {"every field, accents kept",
       InOrder({"Café Ørsted", "Zoë Anna Brontë", "Chef", "Rue 1", "Bât. B", "Liège", "4000",
                "zoe@cafe.example", "www.cafe.example", "Tel. +32 4 123", "Mobile: 0470 11"}),
       "N:Brontë;Zoë Anna;;;|FN:Zoë Anna Brontë|ORG:Café Ørsted|TITLE:Chef|"
       "ADR;TYPE=WORK:;Bât. B;Rue 1;Liège;;4000;|TEL;TYPE=WORK,VOICE:+32 4 123|"
       "TEL;TYPE=CELL:0470 11|EMAIL:zoe@cafe.example|URL:www.cafe.example"},
      {"empty fields left out", Details({{1, "Ann"}, {7, "a@b.example"}}),
       "N:Ann;;;;|FN:Ann|EMAIL:a@b.example"},
      {"no name: the company names the card", Details({{0, "Acme"}, {5, "Oslo"}}),
       "N:;;;;|FN:Acme|ORG:Acme|ADR;TYPE=WORK:;;;Oslo;;;"},
      {"separators and line breaks escaped",
       Details({{1, "A;B"}, {0, "X, Y\\Z"}, {2, "a\r\nb\nc"}}),
       "N:A\\;B;;;;|FN:A\\;B|ORG:X\\, Y\\\\Z|TITLE:a\\nb\\nc"},
      {"a phone's label dropped", Details({{1, "Al"}, {9, "Phone: (030) 12"}}),
       "N:Al;;;;|FN:Al|TEL;TYPE=WORK,VOICE:(030) 12"},
      {"blank fields and a phone without a number left out",
       Details({{1, "Al"}, {2, "  "}, {10, "Mobile"}}), "N:Al;;;;|FN:Al"},
  };
  for (const auto& [what, details, body] : cases) {
    QString expected = QStringLiteral("BEGIN:VCARD|VERSION:3.0|") + QString::fromUtf8(body) +
                       QStringLiteral("|END:VCARD|");
    expected.replace(u'|', QStringLiteral("\r\n"));
    EXPECT_EQ(VCardText(details), expected) << what;
  }
}

TEST(QrContentText, TakesWhatTheCodeHoldsOrSaysWhyNothing) {
  CardState card;
  card.contact = Details({{1, "Ann"}, {8, "ann.example"}});
  PlacedQrCode code;
  EXPECT_TRUE(QrContentText(card, code).Value().startsWith(QStringLiteral("BEGIN:VCARD\r\n")));
  code.content = QrContent::kWebsite;
  EXPECT_EQ(QrContentText(card, code).Value(), QStringLiteral("https://ann.example"));
  card.contact = Details({{8, "http://ann.example"}});
  EXPECT_EQ(QrContentText(card, code).Value(), QStringLiteral("http://ann.example"));
  card.contact = Details({{1, "Ann"}});
  EXPECT_FALSE(QrContentText(card, code).Ok());
  code.content = QrContent::kFreeText;
  EXPECT_FALSE(QrContentText(card, code).Ok());
}

TEST(QrCodeDrawing, EveryModuleIsWholePixelsOfOneColourAndTheCodeFillsItsSize) {
  test::EnsureGuiApplication();
  CardState card;
  card.contact = Details({{0, "Ørsted & Co"}, {1, "Zoë Brontë"}, {7, "z@o.example"}});
  CardRenderer renderer(nullptr, {});
  const QrSymbol symbol = EncodeQrSymbol(QrContentText(card, PlacedQrCode{}).Value()).Value();
  for (const auto& [side, lightOnDark, divisor] :
       {std::tuple{301.0f, true, 1}, {457.0f, false, 3}}) {
    PlacedQrCode code;
    std::tie(code.x, code.y, code.side, code.lightOnDark) =
        std::tuple(531.3f, 307.7f, side, lightOnDark);
    std::tie(code.dark, code.light) = std::pair(qRgb(20, 30, 90), qRgb(250, 250, 240));
    card.qrCode = code;
    const QImage image = renderer.Render(card, divisor, 1062 / divisor, 615 / divisor);
    ASSERT_FALSE(image.isNull());
    const QrModuleGrid grid = QrModulesIn(QrCodeArea(code, divisor), symbol.Span());
    ASSERT_GE(grid.modulePixels, 1);
    EXPECT_EQ(grid.modulePixels, static_cast<int>(side / divisor) / symbol.Span());
    // The code and its quiet zone fill the square the size gives, to the pixel.
    EXPECT_EQ(grid.Edge(symbol.Span()), static_cast<int>(side / divisor));
    const uint32_t ink = (lightOnDark ? code.light : code.dark) & 0xFFFFFF;
    const uint32_t ground = (lightOnDark ? code.dark : code.light) & 0xFFFFFF;
    int wrong = 0;
    for (int row = 0; row < symbol.Span(); ++row) {
      for (int column = 0; column < symbol.Span(); ++column) {
        const int mr = row - kQrQuietModules;
        const int mc = column - kQrQuietModules;
        const bool dark =
            mr >= 0 && mc >= 0 && mr < symbol.width && mc < symbol.width && symbol.Dark(mc, mr);
        EXPECT_LE(grid.Edge(column + 1) - grid.Edge(column), grid.modulePixels + 1);
        for (int py = grid.top + grid.Edge(row); py < grid.top + grid.Edge(row + 1); ++py) {
          for (int px = grid.left + grid.Edge(column); px < grid.left + grid.Edge(column + 1);
               ++px) {
            wrong += test::Rgb(image, px, py) != (dark ? ink : ground);
          }
        }
      }
    }
    EXPECT_EQ(wrong, 0) << "side " << side << " at 1/" << divisor;
    EXPECT_TRUE(renderer.QrCodeError().empty());
  }
}

TEST(QrCodeDrawing, ContentThatDoesNotFitIsLeftOutWithAMessage) {
  test::EnsureGuiApplication();
  CardState card;
  CardRenderer renderer(nullptr, {});
  const QImage without = renderer.Render(card, 2, 531, 307);
  PlacedQrCode code;
  code.content = QrContent::kFreeText;
  code.freeText = QString(2400, u'x');
  card.qrCode = code;
  EXPECT_EQ(renderer.Render(card, 2, 531, 307), without);
  EXPECT_NE(renderer.QrCodeError().find("too long"), std::string::npos) << renderer.QrCodeError();
}

}  // namespace
}  // namespace tavolo
