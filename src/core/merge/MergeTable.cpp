#include "core/merge/MergeTable.h"

namespace tavolo {

uint32_t MergeTable::EndOfRow(size_t row) const {
  return row + 1 < rows_.size() ? rows_[row + 1].firstCell
                                : static_cast<uint32_t>(cellEnds_.size());
}

qsizetype MergeTable::CellCount(size_t row) const {
  return static_cast<qsizetype>(EndOfRow(row) - rows_[row].firstCell);
}

QStringView MergeTable::Cell(size_t row, qsizetype column) const {
  if (column < 0 || column >= CellCount(row)) return {};
  const size_t cell = rows_[row].firstCell + static_cast<size_t>(column);
  const uint32_t start = cell == 0 ? 0 : cellEnds_[cell - 1];
  return QStringView(text_).sliced(start, cellEnds_[cell] - start);
}

QStringList MergeTable::Cells(size_t row) const {
  QStringList cells;
  for (qsizetype c = 0; c < CellCount(row); ++c) cells.push_back(Cell(row, c).toString());
  return cells;
}

void MergeTable::BeginRow(int line) {
  rows_.push_back(Row{line, static_cast<uint32_t>(cellEnds_.size())});
  pending_ = 0;
}

bool MergeTable::AddCell(QStringView value) {
  if (value.isEmpty()) {
    ++pending_;
    return true;
  }
  if (cellEnds_.size() + pending_ + 1 > kMaxMergeValues ||
      text_.size() + value.size() > kMaxMergeCharacters) {
    return false;
  }
  cellEnds_.insert(cellEnds_.end(), pending_, static_cast<uint32_t>(text_.size()));
  pending_ = 0;
  text_.append(value);
  cellEnds_.push_back(static_cast<uint32_t>(text_.size()));
  return true;
}

void MergeTable::DropRow() {
  if (rows_.empty()) return;
  const uint32_t first = rows_.back().firstCell;
  text_.truncate(first == 0 ? 0 : cellEnds_[first - 1]);
  cellEnds_.resize(first);
  rows_.pop_back();
  pending_ = 0;
}

void MergeTable::Reserve(qsizetype characters, size_t values, size_t rows) {
  text_.reserve(std::min(characters, kMaxMergeCharacters));
  cellEnds_.reserve(std::min(values, kMaxMergeValues));
  rows_.reserve(rows);
}

}  // namespace tavolo
