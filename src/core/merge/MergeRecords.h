// The records of a merge: each row of the data with its values put into the card's eleven fields
// by the mapping. A row that cannot make a card (no value in any mapped field, a value longer
// than a card line, more values than the header has columns) is a problem with its line, never
// dropped without a word.
#pragma once

#include <string>
#include <vector>

#include "core/card/ContactDetails.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeTable.h"

namespace tavolo {

struct MergeRecord {
  int line = 0;
  ContactDetails details;
};

struct RecordProblem {
  int line = 0;
  std::string message;  // what is wrong with the record, in words for the user
};

struct MergeRecords {
  std::vector<MergeRecord> records;
  std::vector<RecordProblem> problems;
};

// The details of one row: each mapped value trimmed, its line breaks joined with ", ".
ContactDetails DetailsOfRow(const MergeRow& row, const FieldMapping& mapping);

// Every row of `table` as a record, or as a problem.
MergeRecords RecordsOf(const MergeTable& table, const FieldMapping& mapping);

}  // namespace tavolo
