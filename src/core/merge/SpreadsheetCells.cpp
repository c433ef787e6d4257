#include "core/merge/SpreadsheetCells.h"

#include <algorithm>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

// At most this many merged rectangles are kept: a sheet of contacts has a few.
constexpr size_t kMaxMergedAreas = 65536;

}  // namespace

bool SpreadsheetCells::Set(int row, int column, const QString& value) {
  if (row < 0 || row >= kMaxSheetRows || column < 0 || column >= kMaxSheetColumns) return false;
  if (value.isEmpty()) return true;
  // No card line holds more; a longer value is left out as too long either way.
  const QString kept = value.first(std::min(value.size(), kMaxMergeValueLength));
  std::vector<Cell>& cells = rows_[row];
  const auto at = std::ranges::lower_bound(cells, column, {}, &Cell::column);
  if (at != cells.end() && at->column == column) {
    at->value = kept;
    return true;
  }
  if (count_ >= kMaxSheetValues) return false;
  ++count_;
  cells.insert(at, Cell{column, kept});
  return true;
}

void SpreadsheetCells::Merge(int top, int left, int bottom, int right) {
  if (merged_.size() >= kMaxMergedAreas || top > bottom || left > right) return;
  merged_.push_back(
      Area{top, left, std::min(bottom, kMaxSheetRows - 1), std::min(right, kMaxSheetColumns - 1)});
}

bool SpreadsheetCells::FillMerged() {
  // Every cell looked at counts, so that many merged cells over one area cannot take long.
  size_t work = 0;
  for (const Area& area : merged_) {
    const auto topRow = rows_.find(area.top);
    if (topRow == rows_.end()) continue;
    const auto first = std::ranges::lower_bound(topRow->second, area.left, {}, &Cell::column);
    if (first == topRow->second.end() || first->column != area.left) continue;
    const QString value = first->value;
    for (auto row = rows_.lower_bound(area.top); row != rows_.end() && row->first <= area.bottom;
         ++row) {
      std::vector<Cell>& cells = row->second;
      work += cells.size() + static_cast<size_t>(area.right - area.left + 1);
      if (work > 4 * kMaxSheetValues) return false;
      std::vector<Cell> filled;
      filled.reserve(cells.size() + static_cast<size_t>(area.right - area.left + 1));
      auto cell = cells.begin();
      for (; cell != cells.end() && cell->column < area.left; ++cell) filled.push_back(*cell);
      for (int column = area.left; column <= area.right; ++column) {
        if (cell != cells.end() && cell->column == column) {
          filled.push_back(*cell++);
        } else {
          if (count_ >= kMaxSheetValues) return false;
          ++count_;
          filled.push_back(Cell{column, value});
        }
      }
      filled.insert(filled.end(), cell, cells.end());
      cells = std::move(filled);
    }
  }
  return true;
}

Outcome<MergeTable> SpreadsheetCells::ToTable(const std::string& name) {
  if (!FillMerged()) {
    return Failure{
        TrMessage("%1: its merged cells cover more than %2 values; this is not a list of contacts.",
                  name, kMaxSheetValues)};
  }
  MergeTable table;
  table.sheetRows = true;
  auto row = rows_.begin();
  if (row == rows_.end())
    return Failure{TrMessage("%1 holds no header line naming its columns.", name)};
  for (const Cell& cell : row->second) {
    while (table.columns.size() < cell.column) table.columns.push_back(QString());
    table.columns.push_back(cell.value.trimmed());
  }
  table.Reserve(0, count_, rows_.size());
  for (++row; row != rows_.end(); ++row) {
    table.BeginRow(row->first + 1);
    int next = 0;
    for (const Cell& cell : row->second) {
      table.SkipCells(static_cast<size_t>(cell.column - next));
      if (!table.AddCell(cell.value)) {
        return Failure{
            TrMessage("%1, row %2: the data holds more than %3 values; split it into "
                      "smaller files.",
                      name, row->first + 1, kMaxMergeValues)};
      }
      next = cell.column + 1;
    }
  }
  return table;
}

}  // namespace tavolo
