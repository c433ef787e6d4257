#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/formats/Cp1252.h"
#include "core/formats/StoredString.h"

namespace tavolo {
namespace {

std::vector<uint8_t> Stored(const QString& text) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  WriteStoredString(out, text);
  return bytes;
}

bool ReadsBack(const std::vector<uint8_t>& bytes, QString& text) {
  ByteReader in(bytes);
  return ReadStoredString(in, text) && in.remaining() == 0;
}

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t n) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(StoredString, LengthPrefixesSwitchAt255AndAt0xFFFE) {
  EXPECT_EQ(Stored(QString()), std::vector<uint8_t>{0x00});
  struct Case {
    qsizetype length;
    std::vector<uint8_t> prefix;
  };
  const Case cases[] = {
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {0xFFFD, {0xFF, 0xFD, 0xFF}},
      {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
  };
  for (const Case& c : cases) {
    const QString text(c.length, QChar(u'x'));
    const std::vector<uint8_t> bytes = Stored(text);
    EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(bytes.size(), c.prefix.size() + static_cast<size_t>(c.length));
    QString read;
    ASSERT_TRUE(ReadsBack(bytes, read)) << c.length;
    EXPECT_EQ(read, text);
  }
}

TEST(StoredString, Windows1252TextIsWrittenAsEightBitBytes) {
  const QString text = QStringLiteral("Caf\u00e9 \u20ac5 \u201cquoted\u201d \u0178");
  const std::vector<uint8_t> bytes = Stored(text);
  const std::vector<uint8_t> expected = {18,  'C',  'a', 'f', 0xE9, ' ', 0x80, '5',
                                         ' ', 0x93, 'q', 'u', 'o',  't', 'e',  'd'};
  EXPECT_EQ(Prefix(bytes, 16), expected);
  QString read;
  ASSERT_TRUE(ReadsBack(bytes, read));
  EXPECT_EQ(read, text);
}

TEST(StoredString, EveryByteDecodesAndEncodesBackToItself) {
  std::vector<uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
  const QString text = DecodeCp1252(all);
  EXPECT_EQ(text[0x80], QChar(u'\u20ac'));
  EXPECT_EQ(text[0x81], QChar(u'\u0081'));
  EXPECT_EQ(EncodeCp1252(text), all);
  EXPECT_FALSE(EncodeCp1252(QStringLiteral("\u0080")).has_value());  // not in the code page
}

TEST(StoredString, OtherTextTakesTheWideFormAndRoundTrips) {
  const QString chinese = QStringLiteral("\u540d\u7247");
  EXPECT_EQ(Stored(chinese),
            (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x02, 0x0D, 0x54, 0x47, 0x72}));
  const QString mixed = QStringLiteral("Caf\u00e9 \U0001F600 \u0411");
  for (const QString& text : {chinese, mixed, QString(300, QChar(u'\u4e00'))}) {
    QString read;
    ASSERT_TRUE(ReadsBack(Stored(text), read));
    EXPECT_EQ(read, text);
  }
  // The length after the wide marker follows the same rules: 300 characters take 0xFF, u16.
  EXPECT_EQ(Prefix(Stored(QString(300, QChar(u'\u4e00'))), 6),
            (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
}

TEST(StoredString, TruncatedStringsFailWithoutReadingPastTheEnd) {
  const std::vector<uint8_t> full = Stored(QStringLiteral("\u540d\u7247 and more"));
  for (size_t n = 0; n < full.size(); ++n) {
    QString read;
    const std::vector<uint8_t> cut = Prefix(full, n);
    ByteReader in(cut);
    EXPECT_FALSE(ReadStoredString(in, read)) << n;
  }
  const std::vector<uint8_t> huge = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'};
  QString read;
  ByteReader in(huge);
  EXPECT_FALSE(ReadStoredString(in, read));
}

}  // namespace
}  // namespace tavolo
