// Which columns of a data file fill which of the card's eleven fields. A column is recognised by
// its header, whatever its case, accents, spaces and punctuation, under the field's own label or
// a common name in English, German, French, Italian or Spanish ("Organisation", "Firma",
// "Société", "Job title", "PLZ", "E-mail", "Handy", …), and under the headers address books and
// mail programs export ("Business Street", "E-mail Address", "Organization 1 - Name", …). A
// given-name and a family-name column together fill the Name. The user's choices (FIELD=COLUMN
// on the command line, the mapping in the program) override all that; a field filled from
// several columns joins their values with a space.
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

struct FieldMapping {
  // The columns each field takes its value from, in the order their values are joined.
  std::array<std::vector<int>, kNamedValueCount> columnsOfField{};
  friend bool operator==(const FieldMapping&, const FieldMapping&) = default;

  // The field `column` fills, if any.
  std::optional<int> FieldOf(int column) const;
  // Makes `column` fill `field` (after the columns that fill it already), and no other field;
  // no field at all when `field` is empty.
  void Assign(int column, std::optional<int> field);
};

// The field a header (or a field name the user typed) stands for; empty for none. Given and
// family names stand for the Name.
std::optional<int> FieldForHeader(const QString& header);

// The mapping by header: each field takes the column that names it best (a "Job Title" before a
// "Title", a "Business Phone" before a "Home Phone"), the first of equals. The Name is a full-name
// column; or a given name followed by a middle and a family name, where a full-name column
// beside a given name counts as the family name ("Vorname" and "Name"). When only a mobile
// column names a phone it fills the first phone field.
FieldMapping MappingByHeader(const QStringList& columns);

// Applies "FIELD=COLUMN" or "FIELD=COLUMN+COLUMN…": the columns (by header, matched as headers
// are, or by number from 1) fill the field, joined in that order, and no other field. A column
// whose whole header holds a "+" is found by its whole header first. A failure names what is not
// known.
Outcome<> ApplyOverride(FieldMapping& mapping, const QStringList& columns,
                        const std::string& assignment);

// Why a column fills no field.
enum class UnusedReason {
  kNoFieldName,     // its header names no field of the card
  kFieldElsewhere,  // its header names a field, which other columns fill
  kLeftOut,         // its header names a field, which no column fills: the user left it out
};

struct UnusedColumn {
  int column = 0;
  UnusedReason reason = UnusedReason::kNoFieldName;
  int field = -1;  // the field its header names, for the reasons that have one
};

// The columns that fill no field, in file order.
std::vector<UnusedColumn> UnusedColumns(const FieldMapping& mapping, const QStringList& columns);

// A column's header as messages show it: an empty header as "column N".
QString ColumnTitle(const QStringList& columns, int column);

// Why the column is unused, in words for the user: "no field of the card has this name",
// "the Name comes from “First Name + Last Name”", …
QString UnusedText(const UnusedColumn& unused, const FieldMapping& mapping,
                   const QStringList& columns);

// The headers of `columns` joined as the messages list them ("First Name + Last Name").
QString ColumnsText(const std::vector<int>& chosen, const QStringList& columns);

}  // namespace tavolo
