// The merge's data files as their producers write them: CSV from spreadsheets, vCards from
// phones, address books and mail programs, .ods and .xlsx from LibreOffice; and the hostile
// ones, refused with a message.
#include <gtest/gtest.h>
#include <zip.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "core/card/LayoutTable.h"
#include "core/merge/CsvReader.h"
#include "core/merge/MergeData.h"
#include "core/merge/MergeText.h"
#include "core/merge/OdsReader.h"
#include "core/merge/VCardReader.h"
#include "core/merge/XlsxReader.h"
#include "tests/core/TestFolders.h"

// Values shown as text when a case fails.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tavolo {
namespace {

namespace fs = std::filesystem;

QStringList Cells(std::initializer_list<const char*> cells) {
  QStringList list;
  for (const char* cell : cells) list.push_back(QString::fromUtf8(cell));
  return list;
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The table as text: its columns, then each row's line and cells, every name and value in
// brackets: "[Name][City] 2:[Anna][Roma]".
std::string Shown(const MergeTable& table) {
  QString text;
  for (const QString& column : table.columns) text += '[' + column + ']';
  for (size_t r = 0; r < table.RowCount(); ++r) {
    text += QStringLiteral(" %1:").arg(table.Line(r));
    for (const QString& cell : table.Cells(r)) text += '[' + cell + ']';
  }
  return text.toStdString();
}

TEST(CsvReader, ReadsQuotingSeparatorsLineEndsAndCharacterSets) {
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"plain commas", "Name,City\nAnna,Roma\n", "[Name][City] 2:[Anna][Roma]"},
      {"semicolons, a comma inside", "Name;City\nAnna;Roma, RM\n",
       "[Name][City] 2:[Anna][Roma, RM]"},
      {"tabs", "Name\tCity\r\nAnna\tRoma", "[Name][City] 2:[Anna][Roma]"},
      {"separator in quotes is not counted", "\"a;b;c\",City\nx,y\n", "[a;b;c][City] 2:[x][y]"},
      {"quotes doubled, a line break inside",
       "Name,Note\n\"Anna \"\"A\"\"\",\"one\r\ntwo\"\nBo,x\n",
       "[Name][Note] 2:[Anna \"A\"][one\ntwo] 4:[Bo][x]"},
      {"blank lines are no records, empty ones are", "Name,City\n\nAnna,\n,\n",
       "[Name][City] 3:[Anna] 4:"},
      {"header cells trimmed", " Name , City \nAnna\n", "[Name][City] 2:[Anna]"},
      // A spreadsheet's export for Windows: a byte-order mark before Windows-1252 bytes.
      {"BOM before Windows-1252",
       "\xEF\xBB\xBFName;Stra\xDF"
       "e\nJ\xFCrgen;Hafenstra\xDF"
       "e 1\n",
       "[Name][Straße] 2:[Jürgen][Hafenstraße 1]"},
      {"UTF-8 with its BOM", "\xEF\xBB\xBFName\nZo\xC3\xAB\n", "[Name] 2:[Zoë]"},
  };
  for (const auto& [what, bytes, shown] : cases) {
    const Outcome<QString> text = DecodeMergeText(Bytes(bytes), "t.csv");
    ASSERT_TRUE(text) << what;
    const Outcome<MergeTable> read = ReadCsv(text.Value(), "t.csv");
    ASSERT_TRUE(read) << what << ": " << read.Message();
    EXPECT_EQ(Shown(read.Value()), shown) << what;
  }
}

// The first contact of a vCard file, and the table's warnings.
std::pair<QStringList, std::vector<std::string>> FirstContact(const std::string& text) {
  const Outcome<MergeTable> read = ReadVCards(Bytes(text), "t.vcf");
  EXPECT_TRUE(read) << read.Message();
  if (!read || read.Value().RowCount() == 0) return {};
  QStringList cells = read.Value().Cells(0);
  while (cells.size() < kContactFieldCount) cells.push_back(QString());
  return {cells, read.Value().warnings};
}

TEST(VCardReader, ReadsEachProducersFormAsItsWriterMeantIt) {
  // Company, Name, Title, Address 1, Address 2, City, Zip, Email, Website, Phone 1, Phone 2.
  const std::tuple<const char*, std::string, QStringList> cases[] = {
      {"3.0 from an address book",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Rossi;Anna;;Dr.;\r\nORG:Acme\\, Inc.;Sales\r\n"
       "TITLE:Head of\r\n  Sales\r\nADR;TYPE=home:;;Casa 1;Nola;;80035;Italia\r\n"
       "ADR;TYPE=work,pref:;Floor 3;Via Roma 1\\nScala B;Milano;MI;20121;Italia\r\n"
       "TEL;TYPE=HOME:+39 1\r\nTEL;TYPE=CELL:+39 2\r\nTEL;TYPE=WORK,VOICE:+39 3\r\n"
       "TEL;TYPE=FAX:+39 4\r\nEMAIL;TYPE=home:a@home.it\r\nEMAIL;TYPE=INTERNET,WORK:a@acme.it\r\n"
       "URL:https://acme.it\r\nPHOTO;ENCODING=b:AAAA\r\n AAAA\r\nEND:VCARD\r\n",
       Cells({"Acme, Inc.", "Dr. Anna Rossi", "Head of Sales", "Via Roma 1", "Scala B, Floor 3",
              "Milano, MI", "20121, Italia", "a@acme.it", "https://acme.it", "+39 3", "+39 2"})},
      {"2.1 quoted-printable with a charset, a soft break before a space",
       "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jos=C3=A9 M=C3=\n"
       "=BCller\nTITLE;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Caf=E9\n"
       "ADR;WORK;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:;;12,=\n rue de "
       "l'=C3=89glise;Lyon;;69002\n"
       "TEL;CELL:555\nEND:VCARD\n",
       Cells({"", "José Müller", "Café", "12, rue de l'Église", "", "Lyon", "69002", "", "", "555",
              ""})},
      {"2.1 from a phone, in the charset of Central Europe",
       "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=ISO-8859-2;ENCODING=QUOTED-PRINTABLE:=A3ukasz "
       "Wi=B6niewski\nEND:VCARD\n",
       Cells({"", "Łukasz Wiśniewski", "", "", "", "", "", "", "", "", ""})},
      {"2.1 quoted-printable without a charset, UTF-8 bytes",
       "BEGIN:VCARD\nVERSION:2.1\nN;ENCODING=QUOTED-PRINTABLE:Gro=C3=9F;J=C3=BCrgen\nEND:VCARD\n",
       Cells({"", "Jürgen Groß", "", "", "", "", "", "", "", "", ""})},
      {"3.0 folded at 75 octets inside a character",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:J\xC3\xBCrgen\r\nORG:B\xC3\r\n \xA4"
       "ckerei Gr\xC3\xB6\xC3"
       "\r\n \x9F\r\nEND:VCARD\r\n",
       Cells({"Bäckerei Größ", "Jürgen", "", "", "", "", "", "", "", "", ""})},
      {"3.0 grouped: the only phone and e-mail, their labels",
       "BEGIN:VCARD\nVERSION:3.0\nFN:Siobh\xC3\xA1n\nitem1.TEL:+353 "
       "1\nitem1.X-ABLabel:_$!<Mobile>!$_\n"
       "item2.TEL;type=pref:+353 2\nitem2.X-ABLabel:B\xC3\xBCro\nitem3.EMAIL:s@x.ie\n"
       "item3.X-ABLabel:work\nEND:VCARD\n",
       Cells({"", "Siobhán", "", "", "", "", "", "s@x.ie", "", "+353 2", "+353 1"})},
      {"4.0 URIs",
       "BEGIN:VCARD\nVERSION:4.0\nFN:Bo\nTEL;VALUE=uri;TYPE=\"voice,work\":tel:+1-555-0100;ext=12\n"
       "EMAIL:mailto:bo@x.org\nEND:VCARD\n",
       Cells({"", "Bo", "", "", "", "", "", "bo@x.org", "", "+1-555-0100 ext. 12", ""})},
  };
  for (const auto& [what, text, expected] : cases) {
    const auto [contact, warnings] = FirstContact(text);
    EXPECT_EQ(contact, expected) << what;
    EXPECT_TRUE(warnings.empty()) << what;
  }
  // A value in Windows-1252 though the card says nothing: that value alone, with a warning.
  const auto [contact, warnings] =
      FirstContact("BEGIN:VCARD\nFN:Zo\xC3\xAB\nORG:Caf\xE9\nEND:VCARD\n");
  EXPECT_EQ(contact.mid(0, 2), Cells({"Café", "Zoë"}));
  EXPECT_EQ(warnings,
            std::vector<std::string>{"t.vcf, line 1 (Zoë): a value is not in UTF-8 and is read as "
                                     "Windows-1252."});
}

TEST(VCardReader, KeepsEveryContactWithItsLineAndRefusesWhatIsNoList) {
  const Outcome<MergeTable> two =
      ReadVCards(Bytes("BEGIN:VCARD\nFN:A\nEND:VCARD\n\nBEGIN:VCARD\nFN:B\nEND:VCARD\n"), "t.vcf");
  ASSERT_TRUE(two);
  EXPECT_EQ(two.Value().RowCount(), 2u);
  EXPECT_EQ(two.Value().Line(1), 5);
  EXPECT_EQ(two.Value().columns.size(), 11);
  const std::pair<std::string, std::string> refused[] = {
      {"BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n",
       "t.vcf, line 4: a contact is never ended with END:VCARD."},
      {"BEGIN:VCARD\nFN:" + std::string(300'000, 'a') + "\nEND:VCARD\n",
       "t.vcf, line 2: a value is longer than 65536 characters"},
      {std::string("BEGIN:VCARD\nFN:A\0B\nEND:VCARD\n", 24),
       "t.vcf, line 2: the file holds a NUL byte"},
  };
  for (const auto& [text, message] : refused) {
    const Outcome<MergeTable> read = ReadVCards(Bytes(text), "t.vcf");
    ASSERT_FALSE(read) << message;
    EXPECT_TRUE(read.Message().starts_with(message)) << read.Message();
  }
}

TEST(Spreadsheets, OdsAndXlsxFromLibreOfficeGiveTheSameTable) {
  // The company is one cell merged over three rows; a formula gives its last result.
  const std::string ods =
      "[Company][First Name][Last Name][Job Title][Street][Postcode][City][Phone][Since][Code]"
      " 2:[Forno Aurora][Chiara][Bellandi][Head  Baker][Via dei Mulini 12][55100][Lucca]"
      "[+39 0583 410 220][15.03.2019][CHIARA]"
      " 3:[Forno Aurora][Matteo][D'Agostino][Pastry Chef\nMornings][Via dei Mulini 12][55100]"
      "[Lucca][+39 0583 410 221][02.11.2021][MATTEO]"
      " 4:[Forno Aurora][Zoë][Lefèvre][Sales Manager][Via dei Mulini 12][55100][Lucca]"
      "[+39 0583 410 222][09.01.2023][ZOË]"
      " 7:[Bäckerei Groß][Jürgen][Groß][][Hafenstraße 12][01067][Dresden][493512345678]"
      "[29.02.2020][JÜRGEN]";
  // The .ods keeps the date as it is shown; the .xlsx gives the date its number stands for.
  const std::string xlsx =
      std::regex_replace(ods, std::regex(R"((\d\d)\.(\d\d)\.(\d{4}))"), "$3-$2-$1");
  for (const auto& [file, shown] : {std::pair{"team.ods", ods}, {"team.xlsx", xlsx}}) {
    const fs::path path = fs::path(TAVOLO_TEST_DATA) / "merge" / file;
    const Outcome<MergeTable> read = ReadMergeData(path);
    ASSERT_TRUE(read) << file << ": " << read.Message();
    EXPECT_TRUE(read.Value().sheetRows);
    EXPECT_EQ(Shown(read.Value()), shown) << file;
    const Outcome<MergeTable> other = ReadMergeData(path, "Other");
    ASSERT_TRUE(other) << other.Message();
    EXPECT_EQ(Shown(other.Value()), "[Name] 2:[Ada Byron]");
    const Outcome<MergeTable> missing = ReadMergeData(path, "Staff");
    EXPECT_EQ(missing.Message(),
              std::string(file) + " has no sheet 'Staff'; its sheets are 'Team', 'Other'.");
  }
}

// A ZIP archive of the members given, each deflated.
std::vector<uint8_t> Zip(const std::vector<std::pair<std::string, std::string>>& members) {
  test::TempFolder folder;
  const std::string path = (folder / "a.zip").string();
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  for (const auto& [name, text] : members) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
  }
  zip_close(archive);
  return test::ReadFileBytes(path);
}

TEST(Spreadsheets, HostileArchivesAndXmlAreRefusedWithAMessage) {
  const std::string workbook =
      "<workbook><sheets><sheet name=\"S\" r:id=\"r1\" xmlns:r=\"x\"/></sheets></workbook>";
  const std::string relations =
      "<Relationships><Relationship Id=\"r1\" Target=\"worksheets/s.xml\"/></Relationships>";
  const auto xlsx = [&](const std::string& sheet) {
    return Zip({{"xl/workbook.xml", workbook},
                {"xl/_rels/workbook.xml.rels", relations},
                {"xl/worksheets/s.xml", sheet}});
  };
  const std::string deep = test::Repeated("<a>", 300) + test::Repeated("</a>", 300);
  const std::tuple<const char*, std::vector<uint8_t>, std::string> cases[] = {
      {"a member that inflates past 100:1", Zip({{"content.xml", std::string(3 << 20, ' ')}}),
       "t cannot be read: its part content.xml inflates to more than 100 times"},
      {"deep XML", Zip({{"content.xml", deep}}),
       "t cannot be read: its part content.xml nests deeper than 256"},
      {"an entity bomb",
       Zip({{"content.xml", "<!DOCTYPE a [<!ENTITY b \"bbbbbbbb\">]><a>&b;&b;</a>"}}),
       "t cannot be read: its part content.xml declares a document type"},
      {"a far cell repeated",
       xlsx("<worksheet><sheetData>" +
            test::Repeated("<row><c r=\"XFD1\"><v>1</v></c><c><v>1</v></c></row>", 2) +
            "</sheetData></worksheet>"),
       "t, row 1: the sheet holds more than 2000000 values, or values beyond its last row"},
      {"no sheet part", Zip({{"xl/workbook.xml", workbook}}), "t cannot be read: it has no part"},
      {"not an archive", {'P', 'K', 3, 4, 0, 0}, "t cannot be read: it is not the ZIP archive"},
  };
  test::TempFolder folder;
  for (const auto& [what, bytes, message] : cases) {
    const fs::path file = folder / "t";
    ASSERT_TRUE(test::WriteFileBytes(file, bytes));
    const Outcome<MergeTable> read = ReadMergeData(file);
    ASSERT_FALSE(read) << what;
    EXPECT_TRUE(read.Message().starts_with(message)) << what << ": " << read.Message();
  }
}

TEST(MergeData, RefusesALargeFileByItsSizeAndTellsNulAndSheetlessFiles) {
  test::TempFolder folder;
  const fs::path large = folder / "large.csv";
  { std::ofstream create(large); }
  fs::resize_file(large, kMaxMergeFileBytes + 1);
  const std::tuple<fs::path, std::string, std::string> cases[] = {
      {large, "", "large.csv is larger than 64 MB"},
      {fs::path(TAVOLO_TEST_DATA) / "merge" / "team.fods", "Team", "team.fods is no spreadsheet"},
  };
  for (const auto& [path, sheet, message] : cases) {
    const Outcome<MergeTable> read = ReadMergeData(path, sheet);
    EXPECT_TRUE(read.Message().starts_with(message)) << read.Message();
  }
  const std::vector<uint8_t> nul = {'a', '\n', 'b', 0, 'c'};
  EXPECT_TRUE(DecodeMergeText(nul, "f").Message().starts_with("f, line 2: the file holds a NUL"));
}

}  // namespace
}  // namespace tavolo
