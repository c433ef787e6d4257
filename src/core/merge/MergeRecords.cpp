#include "core/merge/MergeRecords.h"

#include <algorithm>

#include "core/base/Translation.h"
#include "core/card/CardState.h"
#include "core/card/FieldNames.h"

namespace tavolo {

namespace {

constexpr size_t kProgressStep = 1 << 14;

QString OneLine(QStringView value) {
  if (!value.contains(u'\n')) return value.trimmed().toString();
  QStringList parts;
  for (const QStringView part : value.tokenize(u'\n')) {
    if (!part.trimmed().isEmpty()) parts.push_back(part.trimmed().toString());
  }
  return parts.join(QStringLiteral(", "));
}

bool Filled(QStringView value) {
  return !value.trimmed().isEmpty();
}

// What keeps the row from making a card; empty when nothing does.
std::optional<RecordProblem> Problem(const MergeTable& table, size_t row,
                                     const ContactDetails& details) {
  RecordProblem problem{table.Line(row)};
  if (std::ranges::none_of(details.fields, [](const QString& v) { return Filled(v); })) {
    bool any = false;
    for (qsizetype c = 0; c < table.CellCount(row) && !any; ++c) any = Filled(table.Cell(row, c));
    problem.kind = any ? RecordProblem::Kind::kNoFieldValue : RecordProblem::Kind::kEmpty;
    return problem;
  }
  for (size_t f = 0; f < details.fields.size(); ++f) {
    if (details.fields[f].size() > kMaxLineLength) {
      problem.kind = RecordProblem::Kind::kTooLong;
      problem.first = static_cast<int>(f);
      problem.second = static_cast<int>(details.fields[f].size());
      return problem;
    }
  }
  const qsizetype columns = table.columns.size();
  for (qsizetype c = columns; c < table.CellCount(row); ++c) {
    if (Filled(table.Cell(row, c))) {
      problem.kind = RecordProblem::Kind::kTooManyValues;
      problem.first = static_cast<int>(table.CellCount(row));
      problem.second = static_cast<int>(columns);
      return problem;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string ProblemText(const RecordProblem& problem) {
  switch (problem.kind) {
    case RecordProblem::Kind::kEmpty:
      return TrMessage("the record is empty");
    case RecordProblem::Kind::kNoFieldValue:
      return TrMessage("the record has no value in any field of the card");
    case RecordProblem::Kind::kTooLong:
      return TrMessage("the %1 has %2 characters; a line of the card holds %3",
                       TrText(kFieldNames[static_cast<size_t>(problem.first)].label),
                       problem.second, kMaxLineLength);
    case RecordProblem::Kind::kTooManyValues:
      return TrMessage("the record has %1 values, the header %2 columns", problem.first,
                       problem.second);
    case RecordProblem::Kind::kQrCodeEmpty:
      return TrMessage("its QR code cannot be made: the record has no website address");
    case RecordProblem::Kind::kQrCodeTooLong:
      return TrMessage(
          "its QR code cannot be made: its content has %1 bytes, and a QR code "
          "holds at most %2",
          problem.first, problem.second);
    case RecordProblem::Kind::kQrModulesSmall:
      return TrMessage(
          "its QR code's dots would print %1 mm wide, too small for a phone to "
          "read (0.25 mm at least): make the code larger or its content shorter",
          QString::number(problem.first / 100.0, 'f', 2));
  }
  return {};
}

std::string RecordPlace(const std::string& file, const MergeTable& table, int line) {
  return table.sheetRows ? TrMessage("%1, row %2", file, line)
                         : TrMessage("%1, line %2", file, line);
}

ContactDetails DetailsOfRow(const MergeTable& table, size_t row, const FieldMapping& mapping) {
  ContactDetails details;
  for (size_t f = 0; f < details.fields.size(); ++f) {
    QString& field = details.fields[f];
    for (const int column : mapping.columnsOfField[f]) {
      const QString value = OneLine(table.Cell(row, column));
      if (value.isEmpty()) continue;
      if (!field.isEmpty()) field.append(u' ');
      field.append(value);
    }
  }
  return details;
}

MergeRecords::MergeRecords(std::shared_ptr<const MergeTable> table, FieldMapping mapping,
                           const MergeProgress& progress)
    : table_(std::move(table)), mapping_(std::move(mapping)) {
  const size_t rows = table_->RowCount();
  rows_.reserve(rows);
  for (size_t row = 0; row < rows; ++row) {
    if (row % kProgressStep == 0 && !GoesOn(progress, row, rows)) {
      rows_.clear();
      problems_.clear();
      return;
    }
    if (const std::optional<RecordProblem> problem =
            Problem(*table_, row, DetailsOfRow(*table_, row, mapping_))) {
      problems_.push_back(*problem);
    } else {
      rows_.push_back(static_cast<uint32_t>(row));
    }
  }
}

MergeRecord MergeRecords::At(size_t index) const {
  const size_t row = rows_[index];
  return MergeRecord{table_->Line(row), DetailsOfRow(*table_, row, mapping_)};
}

}  // namespace tavolo
