// Office Open XML workbooks (.xlsx, as Excel, LibreOffice and web spreadsheets save them): one
// worksheet as a merge's table. Each cell gives its value as text: shared and inline strings as
// they are, a formula's last result, a number as its digits (a number formatted with leading
// zeros, such as a postcode, keeps them; one formatted as a date or time is written as
// 2024-03-15 or 14:30), TRUE and FALSE; a merged cell's value fills the cells it covers.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// The worksheet named `sheet`, or the first one when it is empty. A failure names what is wrong:
// no such sheet (with the sheets there are), a damaged archive or part, a missing part, or a
// part past the limits of ZipMembers and SheetXml.
Outcome<MergeTable> ReadXlsx(std::span<const uint8_t> bytes, const std::string& name,
                             const std::string& sheet, const MergeProgress& progress = {});

// The text of a number in a cell whose number format is `format` (its format code, or the
// built-in format's number as text), in a workbook that counts dates from 1904 when `from1904`.
QString XlsxNumberText(double value, const QString& format, bool from1904);

}  // namespace tavolo
