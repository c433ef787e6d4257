#include "core/merge/XlsxReader.h"

#include <cmath>
#include <map>
#include <vector>

#include <QDateTime>

#include "core/base/Translation.h"
#include "core/merge/SheetXml.h"
#include "core/merge/SpreadsheetCells.h"
#include "core/merge/ZipMembers.h"

namespace tavolo {

namespace {

// The built-in number formats that show a date or a time, by number, as a code that says which;
// empty for the others.
QString BuiltInFormat(int id) {
  if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47)) return QStringLiteral("hh:mm:ss");
  if (id == 22) return QStringLiteral("yyyy-mm-dd hh:mm");
  if ((id >= 14 && id <= 17) || (id >= 27 && id <= 36) || (id >= 50 && id <= 58)) {
    return QStringLiteral("yyyy-mm-dd");
  }
  return {};
}

// The format code without its literal texts ("…", \x), colours and conditions ([Red]).
QString FormatLetters(const QString& code) {
  QString letters;
  bool quoted = false;
  bool bracket = false;
  for (qsizetype i = 0; i < code.size(); ++i) {
    const QChar c = code[i];
    if (c == u'"') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (c == u'\\' || c == u'_' || c == u'*') {
      ++i;
    } else if (c == u'[') {
      bracket = true;
    } else if (c == u']') {
      bracket = false;
    } else if (!bracket) {
      letters.append(c.toLower());
    }
  }
  return letters;
}

QString DateText(double value, const QString& letters, bool from1904) {
  const bool date = letters.contains(u'd') || letters.contains(u'y') ||
                    (letters.contains(u'm') && !letters.contains(u'h') && !letters.contains(u's'));
  const bool time = letters.contains(u'h') || letters.contains(u's');
  const bool seconds = letters.contains(u's');
  double days = std::floor(value);
  // Serial numbers below 61 count from the last day of 1899, for the 29 February 1900 that the
  // first spreadsheets believed in.
  const QDate epoch =
      from1904 ? QDate(1904, 1, 1) : (days < 61 ? QDate(1899, 12, 31) : QDate(1899, 12, 30));
  auto secondsOfDay = static_cast<long long>(std::llround((value - days) * 86400.0));
  if (secondsOfDay >= 86400) {
    days += 1;
    secondsOfDay -= 86400;
  }
  QStringList parts;
  if (date || !time)
    parts.push_back(epoch.addDays(static_cast<qint64>(days)).toString(Qt::ISODate));
  if (time) {
    const QTime clock = QTime(0, 0).addSecs(static_cast<int>(secondsOfDay));
    parts.push_back(clock.toString(seconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm")));
  }
  return parts.join(u' ');
}

// Whether a format code is digits with leading zeros ("00000"): how many; 0 otherwise.
int ZeroDigits(const QString& letters) {
  if (letters.isEmpty()) return 0;
  for (const QChar c : letters) {
    if (c != u'0') return 0;
  }
  return static_cast<int>(letters.size());
}

// Column letters of a cell reference ("AB12") as a number from 0, its row from 0; false when the
// reference is none.
bool ParseReference(QStringView reference, int& row, int& column) {
  qsizetype i = 0;
  long long letters = 0;
  for (; i < reference.size() && reference[i].isLetter(); ++i) {
    const char16_t c = reference[i].toUpper().unicode();
    if (c < u'A' || c > u'Z') return false;
    letters = letters * 26 + (c - u'A' + 1);
    if (letters > kMaxSheetColumns) return false;
  }
  bool ok = false;
  const long long number = reference.sliced(i).toLongLong(&ok);
  if (i == 0 || !ok || number < 1 || number > kMaxSheetRows) return false;
  column = static_cast<int>(letters - 1);
  row = static_cast<int>(number - 1);
  return true;
}

class XlsxWorkbook {
 public:
  XlsxWorkbook(const ZipMembers& zip, const std::string& name, const MergeProgress& progress)
      : zip_(zip), name_(name), progress_(progress) {}

  Outcome<MergeTable> Read(const std::string& wanted) {
    if (Outcome<> read = ReadRelations(); !read) return Failure{read.Message(), read.Error()};
    std::vector<std::pair<QString, QString>> sheets;  // name, part
    if (Outcome<> read = ReadWorkbook(sheets); !read) return Failure{read.Message(), read.Error()};
    const auto chosen = std::ranges::find_if(sheets, [&](const auto& sheet) {
      return wanted.empty() || sheet.first == QString::fromStdString(wanted);
    });
    if (chosen == sheets.end()) {
      if (sheets.empty()) return Failure{TrMessage("%1 holds no sheet.", name_)};
      QStringList names;
      for (const auto& sheet : sheets) names.push_back(sheet.first);
      return Failure{TrMessage("%1 has no sheet '%2'; its sheets are '%3'.", name_, wanted,
                               names.join(QStringLiteral("', '")))};
    }
    if (Outcome<> read = ReadSharedStrings(); !read) return Failure{read.Message(), read.Error()};
    if (Outcome<> read = ReadStyles(); !read) return Failure{read.Message(), read.Error()};
    SpreadsheetCells cells;
    if (Outcome<> read = ReadSheet(chosen->second, cells); !read) {
      return Failure{read.Message(), read.Error()};
    }
    return cells.ToTable(name_);
  }

 private:
  // The part a relation's target names, from the folder "xl/".
  static QString PartOf(QStringView target) {
    if (target.startsWith(u'/')) return target.sliced(1).toString();
    QString part = QStringLiteral("xl/") + target.toString();
    part.replace(QStringLiteral("/./"), QStringLiteral("/"));
    return part;
  }

  Outcome<QByteArray> Part(const QString& part) const {
    return zip_.Read(part.toStdString().c_str());
  }

  Outcome<> ReadRelations() {
    const Outcome<QByteArray> bytes = Part(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!bytes) return Failure{bytes.Message()};
    SheetXml xml(bytes.Value(), name_, "xl/_rels/workbook.xml.rels");
    while (xml.Next()) {
      if (!xml.IsStart(u"Relationship")) continue;
      const QString part = PartOf(xml.Attribute(u"Target"));
      const QStringView type = xml.Attribute(u"Type");
      relations_[xml.Attribute(u"Id").toString()] = part;
      if (type.endsWith(u"/sharedStrings")) sharedStringsPart_ = part;
      if (type.endsWith(u"/styles")) stylesPart_ = part;
    }
    if (xml.Failed()) return xml.Why();
    return {};
  }

  Outcome<> ReadWorkbook(std::vector<std::pair<QString, QString>>& sheets) {
    const Outcome<QByteArray> bytes = Part(QStringLiteral("xl/workbook.xml"));
    if (!bytes) return Failure{bytes.Message()};
    SheetXml xml(bytes.Value(), name_, "xl/workbook.xml");
    while (xml.Next()) {
      if (xml.IsStart(u"workbookPr")) {
        const QStringView date1904 = xml.Attribute(u"date1904");
        from1904_ = date1904 == u"1" || date1904 == u"true";
      } else if (xml.IsStart(u"sheet")) {
        const auto part = relations_.find(xml.Attribute(u"id").toString());
        if (part != relations_.end())
          sheets.emplace_back(xml.Attribute(u"name").toString(), part->second);
      }
    }
    if (xml.Failed()) return xml.Why();
    return {};
  }

  Outcome<> ReadSharedStrings() {
    if (sharedStringsPart_.isEmpty() || !zip_.Has(sharedStringsPart_.toStdString().c_str())) {
      return {};
    }
    const Outcome<QByteArray> bytes = Part(sharedStringsPart_);
    if (!bytes) return Failure{bytes.Message()};
    SheetXml xml(bytes.Value(), name_, sharedStringsPart_.toStdString(), progress_);
    QString text;
    while (xml.Next()) {
      if (xml.IsStart(u"si")) {
        text.clear();
      } else if (xml.IsStart(u"t")) {
        if (text.size() <= kMaxMergeValueLength) text.append(xml.ReadText());
      } else if (xml.IsStart(u"rPh")) {
        xml.Skip();  // the reading aid of East Asian text, not the text
      } else if (xml.IsEnd(u"si")) {
        if (shared_.size() >= static_cast<qsizetype>(kMaxSheetValues)) {
          return Failure{
              TrMessage("%1 holds more than %2 different texts; this is not a list of "
                        "contacts.",
                        name_, kMaxSheetValues)};
        }
        shared_.push_back(text);
      }
    }
    if (xml.Failed()) return xml.Why();
    return {};
  }

  Outcome<> ReadStyles() {
    if (stylesPart_.isEmpty() || !zip_.Has(stylesPart_.toStdString().c_str())) return {};
    const Outcome<QByteArray> bytes = Part(stylesPart_);
    if (!bytes) return Failure{bytes.Message()};
    SheetXml xml(bytes.Value(), name_, stylesPart_.toStdString());
    std::map<int, QString> codes;
    bool cellFormats = false;
    while (xml.Next()) {
      if (xml.IsStart(u"numFmt")) {
        codes[xml.Attribute(u"numFmtId").toInt()] = xml.Attribute(u"formatCode").toString();
      } else if (xml.IsStart(u"cellXfs")) {
        cellFormats = true;
      } else if (xml.IsEnd(u"cellXfs")) {
        cellFormats = false;
      } else if (cellFormats && xml.IsStart(u"xf") &&
                 formats_.size() < static_cast<qsizetype>(kMaxSheetValues)) {
        const int id = xml.Attribute(u"numFmtId").toInt();
        const auto code = codes.find(id);
        formats_.push_back(code != codes.end() ? code->second : BuiltInFormat(id));
      }
    }
    if (xml.Failed()) return xml.Why();
    return {};
  }

  // The text of a cell of type `type`, style `style`, from its <v> or inline string.
  QString CellText(QStringView type, int style, const QString& value) const {
    if (type == u"s") {
      bool ok = false;
      const int index = value.toInt(&ok);
      return ok && index >= 0 && index < shared_.size() ? shared_[index] : QString();
    }
    if (type == u"b") return value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type == u"str" || type == u"inlineStr" || type == u"e" || type == u"d") return value;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) return value;
    const QString format = style >= 0 && style < formats_.size() ? formats_[style] : QString();
    return XlsxNumberText(number, format, from1904_);
  }

  Outcome<> ReadSheet(const QString& part, SpreadsheetCells& cells) {
    const Outcome<QByteArray> bytes = Part(part);
    if (!bytes) return Failure{bytes.Message()};
    SheetXml xml(bytes.Value(), name_, part.toStdString(), progress_);
    int row = -1;
    int column = -1;
    while (xml.Next()) {
      if (xml.IsStart(u"row")) {
        bool ok = false;
        const int number = xml.Attribute(u"r").toInt(&ok);
        row = ok && number >= 1 ? number - 1 : row + 1;
        column = -1;
      } else if (xml.IsStart(u"c")) {
        int cellRow = row;
        if (!ParseReference(xml.Attribute(u"r"), cellRow, column)) ++column;
        const QString type = xml.Attribute(u"t").toString();
        const int style = xml.Attribute(u"s").toInt();
        const QString value = ReadCellValue(xml);
        if (!value.isEmpty() && !cells.Set(cellRow, column, CellText(type, style, value))) {
          return Failure{
              TrMessage("%1, row %2: the sheet holds more than %3 values, or values "
                        "beyond its last row or column; this is not a list of "
                        "contacts.",
                        name_, cellRow + 1, kMaxSheetValues)};
        }
      } else if (xml.IsStart(u"mergeCell")) {
        const QStringList corners = xml.Attribute(u"ref").toString().split(u':');
        int top = 0, left = 0, bottom = 0, right = 0;
        if (corners.size() == 2 && ParseReference(corners[0], top, left) &&
            ParseReference(corners[1], bottom, right)) {
          cells.Merge(top, left, bottom, right);
        }
      }
    }
    if (xml.Failed()) return xml.Why();
    return {};
  }

  // The <v> of the cell whose start the reader stands on, or the text of its inline string.
  static QString ReadCellValue(SheetXml& xml) {
    QString value;
    const int depth = xml.Depth();
    while (xml.Next() && !(xml.IsEnd() && xml.Depth() < depth)) {
      if (xml.IsStart(u"v") || xml.IsStart(u"t")) {
        if (value.size() <= kMaxMergeValueLength) value.append(xml.ReadText());
      } else if (xml.IsStart(u"f") || xml.IsStart(u"rPh")) {
        xml.Skip();  // the formula itself; its last result is the <v>
      }
    }
    return value;
  }

  const ZipMembers& zip_;
  const std::string& name_;
  const MergeProgress& progress_;
  std::map<QString, QString> relations_;
  QString sharedStringsPart_;
  QString stylesPart_;
  QStringList shared_;
  QStringList formats_;  // each cell format's number format code
  bool from1904_ = false;
};

}  // namespace

QString XlsxNumberText(double value, const QString& format, bool from1904) {
  const QString letters = FormatLetters(format);
  if (letters != u"general" &&
      (letters.contains(u'd') || letters.contains(u'm') || letters.contains(u'y') ||
       letters.contains(u'h') || letters.contains(u's'))) {
    if (value >= 0 && value < 2958466) return DateText(value, letters, from1904);
  }
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    const auto whole = static_cast<long long>(value);
    return QStringLiteral("%1").arg(whole, whole >= 0 ? ZeroDigits(letters) : 0, 10, QChar(u'0'));
  }
  return QString::number(value, 'g', 15);
}

Outcome<MergeTable> ReadXlsx(std::span<const uint8_t> bytes, const std::string& name,
                             const std::string& sheet, const MergeProgress& progress) {
  const Outcome<ZipMembers> zip = ZipMembers::Open(bytes, name);
  if (!zip) return Failure{zip.Message()};
  return XlsxWorkbook(zip.Value(), name, progress).Read(sheet);
}

}  // namespace tavolo
