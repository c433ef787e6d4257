// What a data file for a merge holds once read: the names of its columns and its records, each
// with the line of the file it starts on, so that a message can point the user at it. A CSV file
// gives its header and rows; a vCard file gives one row per contact under the eleven field names.
#pragma once

#include <cstdint>
#include <vector>

#include <QStringList>

namespace tavolo {

// A data file larger than this is refused before it is read: no team needs more, and a file
// read whole must not take the memory of the machine.
inline constexpr uintmax_t kMaxMergeFileBytes = 64u * 1024 * 1024;
// A value longer than this (in characters) makes the file unreadable: no card line holds it,
// and it is the mark of a file that is not what it claims to be.
inline constexpr qsizetype kMaxMergeValueLength = 64 * 1024;

struct MergeRow {
  int line = 0;  // the line of the file the row starts on, from 1
  QStringList cells;
};

struct MergeTable {
  QStringList columns;
  std::vector<MergeRow> rows;
};

}  // namespace tavolo
