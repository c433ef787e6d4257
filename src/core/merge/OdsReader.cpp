#include "core/merge/OdsReader.h"

#include <algorithm>
#include <vector>

#include "core/base/Translation.h"
#include "core/merge/SheetXml.h"
#include "core/merge/SpreadsheetCells.h"
#include "core/merge/ZipMembers.h"

namespace tavolo {

namespace {

// A repetition count as the file gives it: at least 1, at most `limit`.
int Repeats(QStringView text, int limit) {
  bool ok = false;
  const long long count = text.toLongLong(&ok);
  return ok ? static_cast<int>(std::clamp<long long>(count, 1, limit)) : 1;
}

struct RowCell {
  int column;
  QString value;
};

struct Span {
  int column, rows, columns;
};

class OdsSheet {
 public:
  OdsSheet(SheetXml& xml, const std::string& name) : xml_(xml), name_(name) {}

  // Reads the table whose start the reader stands on into `cells`.
  Outcome<> Read(SpreadsheetCells& cells) {
    const int depth = xml_.Depth();
    int row = 0;
    while (xml_.Next() && !(xml_.IsEnd() && xml_.Depth() < depth)) {
      if (!xml_.IsStart()) continue;
      const QStringView element = xml_.Name();
      if (element == u"table-row") {
        const int repeats = Repeats(xml_.Attribute(u"number-rows-repeated"), kMaxSheetRows);
        ReadRow();
        if (!cells_.empty() && !Place(cells, row, repeats)) return TooMany(row);
        row = std::min(row + repeats, kMaxSheetRows);
      } else if (element != u"table-header-rows" && element != u"table-rows" &&
                 element != u"table-row-group") {
        xml_.Skip();
      }
    }
    if (xml_.Failed()) return xml_.Why();
    return {};
  }

 private:
  Failure TooMany(int row) const {
    return Failure{
        TrMessage("%1, row %2: the sheet holds more than %3 values, or values beyond "
                  "its last row or column; this is not a list of contacts.",
                  name_, row + 1, kMaxSheetValues)};
  }

  // The values and merged cells of the row whose start the reader stands on.
  void ReadRow() {
    cells_.clear();
    spans_.clear();
    const int depth = xml_.Depth();
    int column = 0;
    while (xml_.Next() && !(xml_.IsEnd() && xml_.Depth() < depth)) {
      if (!xml_.IsStart()) continue;
      const QStringView element = xml_.Name();
      if (element != u"table-cell" && element != u"covered-table-cell") {
        xml_.Skip();
        continue;
      }
      const bool covered = element == u"covered-table-cell";
      const int repeats = Repeats(xml_.Attribute(u"number-columns-repeated"), kMaxSheetColumns);
      const Span span{column, Repeats(xml_.Attribute(u"number-rows-spanned"), kMaxSheetRows),
                      Repeats(xml_.Attribute(u"number-columns-spanned"), kMaxSheetColumns)};
      const QString value = ReadCell();
      if (!value.isEmpty()) {
        for (int c = column; c < std::min(column + repeats, kMaxSheetColumns); ++c) {
          cells_.push_back(RowCell{c, value});
        }
        if (!covered && (span.rows > 1 || span.columns > 1)) spans_.push_back(span);
      }
      column = std::min(column + repeats, kMaxSheetColumns);
    }
  }

  // The text of the cell whose start the reader stands on: its paragraphs, one a line.
  QString ReadCell() {
    QStringList paragraphs;
    const int depth = xml_.Depth();
    while (xml_.Next() && !(xml_.IsEnd() && xml_.Depth() < depth)) {
      if (!xml_.IsStart()) continue;
      if (xml_.Name() == u"p" && xml_.Depth() == depth + 1) {
        paragraphs.push_back(xml_.ReadText([this](QStringView inner, QString& text) {
          if (inner == u"s") {
            text.append(QString(Repeats(xml_.Attribute(u"c"), kMaxMergeValueLength), u' '));
          } else if (inner == u"tab") {
            text.append(u'\t');
          } else if (inner == u"line-break") {
            text.append(u'\n');
          }
        }));
      } else {
        xml_.Skip();  // a comment, a picture: none of the cell's value
      }
    }
    return paragraphs.join(u'\n');
  }

  // The row's values and merged cells at `row` and the `repeats` - 1 rows after it.
  bool Place(SpreadsheetCells& cells, int row, int repeats) const {
    for (int r = row; r < row + repeats; ++r) {
      for (const RowCell& cell : cells_) {
        if (!cells.Set(r, cell.column, cell.value)) return false;
      }
      for (const Span& span : spans_) {
        cells.Merge(r, span.column, r + span.rows - 1, span.column + span.columns - 1);
      }
    }
    return true;
  }

  SheetXml& xml_;
  const std::string& name_;
  std::vector<RowCell> cells_;
  std::vector<Span> spans_;
};

}  // namespace

Outcome<MergeTable> ReadOds(std::span<const uint8_t> bytes, const std::string& name,
                            const std::string& sheet, const MergeProgress& progress) {
  const Outcome<ZipMembers> zip = ZipMembers::Open(bytes, name);
  if (!zip) return Failure{zip.Message()};
  const Outcome<QByteArray> content = zip.Value().Read("content.xml");
  if (!content) return Failure{content.Message()};
  SheetXml xml(content.Value(), name, "content.xml", progress);
  SpreadsheetCells cells;
  QStringList sheets;
  bool found = false;
  while (xml.Next()) {
    if (!xml.IsStart(u"table")) continue;
    const QString title = xml.Attribute(u"name").toString();
    sheets.push_back(title);
    if (found || (!sheet.empty() && title != QString::fromStdString(sheet))) {
      xml.Skip();
      continue;
    }
    found = true;
    if (const Outcome<> read = OdsSheet(xml, name).Read(cells); !read) {
      return Failure{read.Message(), read.Error()};
    }
  }
  if (xml.Failed()) return xml.Why();
  if (!found) {
    if (sheets.isEmpty()) return Failure{TrMessage("%1 holds no sheet.", name)};
    return Failure{TrMessage("%1 has no sheet '%2'; its sheets are '%3'.", name, sheet,
                             sheets.join(QStringLiteral("', '")))};
  }
  return cells.ToTable(name);
}

}  // namespace tavolo
