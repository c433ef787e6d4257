#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/merge/CsvReader.h"
#include "core/merge/MergeText.h"
#include "core/merge/VCardReader.h"

namespace tavolo {
namespace {

QStringList Cells(std::initializer_list<const char*> cells) {
  QStringList list;
  for (const char* cell : cells) list.push_back(QString::fromUtf8(cell));
  return list;
}

// Each row as its line and its cells.
using Rows = std::vector<std::pair<int, QStringList>>;

struct CsvCase {
  const char* what;
  const char* text;
  QStringList columns;
  Rows rows;
};

TEST(CsvReader, ReadsQuotingSeparatorsAndLineEnds) {
  const CsvCase cases[] = {
      {"plain commas", "Name,City\nAnna,Roma\n", Cells({"Name", "City"}),
       {{2, Cells({"Anna", "Roma"})}}},
      {"semicolons, a comma inside", "Name;City\nAnna;Roma, RM\n", Cells({"Name", "City"}),
       {{2, Cells({"Anna", "Roma, RM"})}}},
      {"tabs", "Name\tCity\r\nAnna\tRoma", Cells({"Name", "City"}), {{2, Cells({"Anna", "Roma"})}}},
      {"separator in quotes is not counted", "\"a;b;c\",City\nx,y\n", Cells({"a;b;c", "City"}),
       {{2, Cells({"x", "y"})}}},
      {"quotes doubled and a line break inside", "Name,Note\n\"Anna \"\"A\"\"\",\"one\r\ntwo\"\nBo,x\n",
       Cells({"Name", "Note"}), {{2, Cells({"Anna \"A\"", "one\ntwo"})}, {4, Cells({"Bo", "x"})}}},
      {"blank lines are no records", "Name\n\nAnna\n\n", Cells({"Name"}), {{3, Cells({"Anna"})}}},
      {"header cells trimmed, short rows kept", " Name , City \nAnna\n", Cells({"Name", "City"}),
       {{2, Cells({"Anna"})}}},
  };
  for (const CsvCase& c : cases) {
    const Outcome<MergeTable> read = ReadCsv(QString::fromUtf8(c.text), "t.csv");
    ASSERT_TRUE(read) << c.what << ": " << read.Message();
    EXPECT_EQ(read.Value().columns, c.columns) << c.what;
    Rows rows;
    for (const MergeRow& row : read.Value().rows) rows.emplace_back(row.line, row.cells);
    EXPECT_EQ(rows, c.rows) << c.what;
  }
}

TEST(CsvReader, RefusesWhatIsNoListWithItsLine) {
  const std::string longValue = "Name\nx\n\"" + std::string(70 * 1024, 'a') + "\"\n";
  const std::pair<std::string, std::string> cases[] = {
      {"Name,City\nAnna,Roma\n\"Bo,\nLine\n", "t.csv, line 3: a quoted value is never closed."},
      {longValue, "t.csv, line 3: a value is longer than 65536 characters"},
      {"\n\n", "t.csv holds no header line"},
  };
  for (const auto& [text, message] : cases) {
    const Outcome<MergeTable> read = ReadCsv(QString::fromStdString(text), "t.csv");
    ASSERT_FALSE(read) << message;
    EXPECT_TRUE(read.Message().starts_with(message)) << read.Message();
  }
}

TEST(MergeText, DecodesUtf8WithOrWithoutBomElseWindows1252AndRefusesNul) {
  const std::vector<uint8_t> bom = {0xEF, 0xBB, 0xBF, 'N', 0xC3, 0xA9};
  const std::vector<uint8_t> plain = {'N', 0xC3, 0xA9};
  const std::vector<uint8_t> legacy = {'N', 0xE9, 0x80};
  EXPECT_EQ(DecodeMergeText(bom, "f").Value(), QString::fromUtf8("Né"));
  EXPECT_EQ(DecodeMergeText(plain, "f").Value(), QString::fromUtf8("Né"));
  EXPECT_EQ(DecodeMergeText(legacy, "f").Value(), QString::fromUtf8("Né€"));
  const std::vector<uint8_t> nul = {'a', '\n', 'b', 0, 'c'};
  const Outcome<QString> refused = DecodeMergeText(nul, "f");
  ASSERT_FALSE(refused);
  EXPECT_TRUE(refused.Message().starts_with("f, line 2: the file holds a NUL byte"));
}

// The eleven values of the first contact of `text`.
QStringList FirstContact(const char* text) {
  const Outcome<MergeTable> read = ReadVCards(QString::fromUtf8(text), "t.vcf");
  EXPECT_TRUE(read) << read.Message();
  return read && !read.Value().rows.empty() ? read.Value().rows.front().cells : QStringList();
}

TEST(VCardReader, ReadsFoldingEncodingsEscapesAndTypes) {
  const QStringList phone = FirstContact(
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Rossi;Anna;;Dr.;\r\nORG:Acme\\, Inc.;Sales\r\n"
      "TITLE:Head of\r\n  Sales\r\nitem1.ADR;TYPE=home:;;Casa 1;Nola;;80035;Italia\r\n"
      "ADR;TYPE=work,pref:;Floor 3;Via Roma 1\\nScala B;Milano;MI;20121;\r\n"
      "TEL;TYPE=HOME:+39 1\r\nTEL;TYPE=CELL:+39 2\r\nTEL;TYPE=WORK,VOICE:+39 3\r\n"
      "EMAIL;TYPE=home:a@home.it\r\nEMAIL;TYPE=INTERNET,WORK:a@acme.it\r\n"
      "URL:https://acme.it\r\nPHOTO;ENCODING=b:AAAA\r\nEND:VCARD\r\n");
  EXPECT_EQ(phone, Cells({"Acme, Inc.", "Dr. Anna Rossi", "Head of Sales", "Via Roma 1",
                          "Scala B, Floor 3", "Milano, MI", "20121", "a@acme.it", "https://acme.it",
                          "+39 3", "+39 2"}));
  const QStringList legacy = FirstContact(
      "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jos=C3=A9 M=C3=\n"
      "=BCller\nTITLE;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Caf=E9\nTEL;CELL:555\nEND:VCARD\n");
  EXPECT_EQ(legacy[1], QString::fromUtf8("José Müller"));
  EXPECT_EQ(legacy[2], QString::fromUtf8("Café"));
  EXPECT_EQ(legacy[9], QStringLiteral("555"));
  const QStringList v4 = FirstContact(
      "BEGIN:VCARD\nVERSION:4.0\nFN:Bo\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555\nEND:VCARD\n");
  EXPECT_EQ(v4[9], QStringLiteral("tel:+1-555"));
}

TEST(VCardReader, KeepsEveryContactWithItsLineAndRefusesAnUnendedOne) {
  const Outcome<MergeTable> two = ReadVCards(
      QStringLiteral("BEGIN:VCARD\nFN:A\nEND:VCARD\n\nBEGIN:VCARD\nFN:B\nEND:VCARD\n"), "t.vcf");
  ASSERT_TRUE(two);
  ASSERT_EQ(two.Value().rows.size(), 2u);
  EXPECT_EQ(two.Value().rows[1].line, 5);
  EXPECT_EQ(two.Value().columns.size(), 11);
  const Outcome<MergeTable> unended =
      ReadVCards(QStringLiteral("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n"), "t.vcf");
  ASSERT_FALSE(unended);
  EXPECT_EQ(unended.Message(), "t.vcf, line 4: a contact is never ended with END:VCARD.");
}

}  // namespace
}  // namespace tavolo
