// The cells of one sheet as a spreadsheet reader finds them, row by row and in any order, before
// they become a merge's table: merged cells are only known once the whole sheet is read (a .xlsx
// names them after its rows), and a merged cell's value then fills every cell it covers, so that
// a company written once beside three people belongs to each of them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <QString>

#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// A sheet's rows and columns, counted from 0, as far as the programs that write them go.
inline constexpr int kMaxSheetRows = 1 << 20;
inline constexpr int kMaxSheetColumns = 1 << 14;
// The values a sheet holds at most before it becomes a table.
inline constexpr size_t kMaxSheetValues = 2'000'000;

class SpreadsheetCells {
 public:
  // Puts `value` at (row, column); false when the position lies beyond the sheet's bounds or the
  // sheet holds kMaxSheetValues values already. An empty value is no value.
  bool Set(int row, int column, const QString& value);
  // The cells of the rectangle, which are one merged cell.
  void Merge(int top, int left, int bottom, int right);

  // The table, once each merged cell's value fills its rectangle: the first row with a value
  // names the columns; every later row with a value is a record, its line the sheet's row number
  // (from 1). `name` is the file's name for messages.
  Outcome<MergeTable> ToTable(const std::string& name);

 private:
  // Fills each merged cell's rectangle with its value, in the rows that hold values: a merged
  // cell adds no row of its own. False when that passes kMaxSheetValues.
  bool FillMerged();

  struct Cell {
    int column;
    QString value;
  };
  struct Area {
    int top, left, bottom, right;
  };
  std::map<int, std::vector<Cell>> rows_;  // each row's cells by column
  std::vector<Area> merged_;
  size_t count_ = 0;
};

}  // namespace tavolo
