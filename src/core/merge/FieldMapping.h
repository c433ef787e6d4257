// Which column of a data file fills which of the card's eleven fields. A column is recognised by
// its header, whatever its case, accents, spaces and punctuation, under the field's own label or
// a common alias ("Organisation", "Job title", "Postcode", "E-mail", "Mobile", …); the user's
// choices (FIELD=COLUMN on the command line, the mapping table in the program) override that.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/card/LayoutTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr int kNoColumn = -1;

struct FieldMapping {
  // The column each field takes its value from, or kNoColumn.
  std::array<int, kContactFieldCount> columnOfField{};
  friend bool operator==(const FieldMapping&, const FieldMapping&) = default;
};

// The field a header (or a field name the user typed) stands for; empty for none.
std::optional<int> FieldForHeader(const QString& header);

// The mapping by header: each field takes the first column that names it. When only a mobile
// column names a phone it fills the first phone field.
FieldMapping MappingByHeader(const QStringList& columns);

// Applies "FIELD=COLUMN": the column (by header, matched as headers are, or by its number from
// 1) fills the field and no other. A failure names what is not known.
Outcome<> ApplyOverride(FieldMapping& mapping, const QStringList& columns,
                        const std::string& assignment);

// The headers of the columns that fill no field, in file order (empty headers shown as
// "column N").
QStringList UnmappedColumns(const FieldMapping& mapping, const QStringList& columns);

}  // namespace tavolo
