// Comma-separated values as spreadsheets and address books write them: values in double quotes
// may hold the separator, line breaks and doubled quotes. The separator (comma, semicolon or tab)
// is the one the header line uses most outside quotes. The first record names the columns.
#pragma once

#include <string>

#include <QString>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// The header and the records of `text` (already decoded); blank lines are no records. A quote
// never closed, a value over kMaxMergeValueLength characters, more values than a table holds or
// a file without a header is a failure naming the line; `name` is the file's name as the message
// shows it.
Outcome<MergeTable> ReadCsv(const QString& text, const std::string& name,
                            const MergeProgress& progress = {});

}  // namespace tavolo
