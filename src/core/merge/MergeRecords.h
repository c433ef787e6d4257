// The records of a merge: each row of the data with its values put into the card's eleven fields
// by the mapping. A row that cannot make a card (no value in any mapped field, a value longer
// than a card line, more values than the header has columns) is a problem with its line, never
// dropped without a word. The records hold the table and the rows, not a copy of their values:
// a record's details are made when they are asked for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/card/ContactDetails.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"

namespace tavolo {

struct MergeRecord {
  int line = 0;
  ContactDetails details;
};

// What is wrong with a record, kept in a few bytes: a data file may have a million of them.
struct RecordProblem {
  enum class Kind : uint8_t {
    kEmpty,           // no value at all
    kNoFieldValue,    // values only in columns that fill no field
    kTooLong,         // first: the field, second: its length
    kTooManyValues,   // first: the row's values, second: the header's columns
    kQrCodeEmpty,     // the record has no website address for a code that shows it
    kQrCodeTooLong,   // first: the code's bytes, second: what the largest code holds
    kQrModulesSmall,  // first: the module's size in hundredths of a millimetre
  };
  int line = 0;
  Kind kind = Kind::kEmpty;
  int first = 0;
  int second = 0;
  friend bool operator==(const RecordProblem&, const RecordProblem&) = default;
};

// The problem in words for the user, e.g. "the record is empty".
std::string ProblemText(const RecordProblem& problem);

// Where a record is in its file, in words for the user: "team.csv, line 3" or, for a
// spreadsheet's row, "team.xlsx, row 3".
std::string RecordPlace(const std::string& file, const MergeTable& table, int line);

// The details of row `row` of `table`: each field's columns' values trimmed and joined with a
// space, their line breaks joined with ", ".
ContactDetails DetailsOfRow(const MergeTable& table, size_t row, const FieldMapping& mapping);

class MergeRecords {
 public:
  MergeRecords() = default;
  // Every row of `table` as a record, or as a problem. A progress that stops it leaves no records.
  MergeRecords(std::shared_ptr<const MergeTable> table, FieldMapping mapping,
               const MergeProgress& progress = {});

  size_t Count() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  MergeRecord At(size_t index) const;
  // The rows left out, in file order.
  const std::vector<RecordProblem>& Problems() const { return problems_; }
  size_t RowCount() const { return table_ ? table_->RowCount() : 0; }
  // The row of the table record `index` comes from.
  size_t RowOf(size_t index) const { return rows_[index]; }
  const std::shared_ptr<const MergeTable>& Table() const { return table_; }
  const FieldMapping& Mapping() const { return mapping_; }

 private:
  std::shared_ptr<const MergeTable> table_;
  FieldMapping mapping_;
  std::vector<uint32_t> rows_;
  std::vector<RecordProblem> problems_;
};

}  // namespace tavolo
