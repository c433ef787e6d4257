// OpenDocument spreadsheets (.ods, as LibreOffice and others save them): one sheet of the file's
// content.xml as a merge's table. Each cell gives the text the program shows for it (a date as
// it is formatted, a formula's last result); repeated rows and cells are counted without being
// made, unless they hold a value; a merged cell's value fills the cells it covers.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// The sheet named `sheet`, or the first one when it is empty. A failure names what is wrong:
// no such sheet (with the sheets there are), a damaged archive or part, or a part past the
// limits of ZipMembers and SheetXml.
Outcome<MergeTable> ReadOds(std::span<const uint8_t> bytes, const std::string& name,
                            const std::string& sheet, const MergeProgress& progress = {});

}  // namespace tavolo
