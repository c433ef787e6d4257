// What a data file for a merge holds once read: the names of its columns and its records, each
// with the line of the file (or the row of the sheet) it starts on, so that a message can point
// the user at it. A CSV file or a sheet gives its header and rows; a vCard file gives one row per
// contact under the eleven field names.
//
// The values of every row are kept in one buffer, a few bytes beside each value's characters,
// so that a file of a million short records takes a few times its own size and no more.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QStringList>
#include <QStringView>

namespace tavolo {

// A data file larger than this is refused before it is read: no team needs more, and what is
// read whole must stay within a fixed share of the machine's memory.
inline constexpr uintmax_t kMaxMergeFileBytes = 64u * 1024 * 1024;
// A value longer than this (in characters) makes the file unreadable: no card line holds it,
// and it is the mark of a file that is not what it claims to be.
inline constexpr qsizetype kMaxMergeValueLength = 64 * 1024;
// The values a table holds at most, empty ones inside a row included: a sheet names far cells
// in a few bytes, and each value kept costs memory whatever its size.
inline constexpr size_t kMaxMergeValues = 32u * 1024 * 1024;
// The characters of all values together.
inline constexpr qsizetype kMaxMergeCharacters = 64 * 1024 * 1024;

class MergeTable {
 public:
  QStringList columns;
  // What the reader noticed and read its own way (a value in another character set, say), each
  // a sentence naming its line.
  std::vector<std::string> warnings;
  // Whether rows are counted as a spreadsheet's rows rather than as lines of a text file.
  bool sheetRows = false;

  size_t RowCount() const { return rows_.size(); }
  int Line(size_t row) const { return rows_[row].line; }
  // The values of the row up to its last one that is not empty.
  qsizetype CellCount(size_t row) const;
  // The value in `column`; empty past the row's last value.
  QStringView Cell(size_t row, qsizetype column) const;
  QStringList Cells(size_t row) const;

  // Making a table, one row at a time: BeginRow, then AddCell for each value in order. AddCell
  // is false (and the value not kept) once the table would hold more than kMaxMergeValues values
  // or kMaxMergeCharacters characters.
  void BeginRow(int line);
  bool AddCell(QStringView value);
  // `count` empty values, as AddCell gives them.
  void SkipCells(size_t count) { pending_ += count; }
  // Drops the row begun last (a line with nothing on it).
  void DropRow();
  // Room for `characters` characters and `values` values, so that growing never needs twice.
  void Reserve(qsizetype characters, size_t values, size_t rows);

 private:
  struct Row {
    int line;
    uint32_t firstCell;
  };
  uint32_t EndOfRow(size_t row) const;

  QString text_;
  std::vector<uint32_t> cellEnds_;  // where each value ends in text_
  std::vector<Row> rows_;
  // Empty values of the open row not yet kept: they are kept only when a value follows.
  size_t pending_ = 0;
};

}  // namespace tavolo
