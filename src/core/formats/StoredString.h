// The length-prefixed string of project and template files. The prefix is one byte below 255;
// else 0xFF and a u16 below 0xFFFE; else 0xFF, 0xFFFF and a u32. The prefix 0xFF, 0xFFFE marks a
// wide string: a second prefix follows and each character takes two bytes, UTF-16LE.
#pragma once

#include <QString>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

// 8-bit strings read as Windows-1252. False when the data ends inside the string.
bool ReadStoredString(ByteReader& in, QString& out);

// Text that Windows-1252 holds is written as the 8-bit string, so older readers read it alike;
// anything else takes the wide form, so no character is lost.
void WriteStoredString(ByteWriter& out, const QString& text);

}  // namespace tavolo
