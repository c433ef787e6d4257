#include "core/merge/MergeRecords.h"

#include <algorithm>

#include "core/base/Translation.h"
#include "core/card/CardState.h"
#include "core/card/FieldNames.h"

namespace tavolo {

namespace {

QString OneLine(const QString& value) {
  QStringList parts = value.split(u'\n');
  for (QString& part : parts) part = part.trimmed();
  parts.removeAll(QString());
  return parts.join(QStringLiteral(", "));
}

bool Filled(const QString& value) {
  return !value.trimmed().isEmpty();
}

// What keeps the row from making a card; empty when nothing does.
std::string Problem(const MergeRow& row, qsizetype columns, const ContactDetails& details) {
  if (std::ranges::none_of(details, Filled)) {
    return std::ranges::none_of(row.cells, Filled)
               ? TrMessage("the record is empty")
               : TrMessage("the record has no value in any field of the card");
  }
  for (size_t f = 0; f < details.size(); ++f) {
    if (details[f].size() > kMaxLineLength) {
      return TrMessage("the %1 has %2 characters; a line of the card holds %3",
                       TrText(kFieldNames[f].label), details[f].size(), kMaxLineLength);
    }
  }
  if (row.cells.size() > columns && std::any_of(row.cells.begin() + columns, row.cells.end(), Filled)) {
    return TrMessage("the record has %1 values, the header %2 columns", row.cells.size(), columns);
  }
  return {};
}

}  // namespace

ContactDetails DetailsOfRow(const MergeRow& row, const FieldMapping& mapping) {
  ContactDetails details;
  for (size_t f = 0; f < details.size(); ++f) {
    const int column = mapping.columnOfField[f];
    if (column >= 0 && column < row.cells.size()) details[f] = OneLine(row.cells[column]);
  }
  return details;
}

MergeRecords RecordsOf(const MergeTable& table, const FieldMapping& mapping) {
  MergeRecords result;
  result.records.reserve(table.rows.size());
  for (const MergeRow& row : table.rows) {
    ContactDetails details = DetailsOfRow(row, mapping);
    std::string problem = Problem(row, table.columns.size(), details);
    if (problem.empty()) {
      result.records.push_back(MergeRecord{row.line, std::move(details)});
    } else {
      result.problems.push_back(RecordProblem{row.line, std::move(problem)});
    }
  }
  return result;
}

}  // namespace tavolo
