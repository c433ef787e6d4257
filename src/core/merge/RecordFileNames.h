// The file names of a merge's images: a pattern such as "cards/{Name}.png" where any field in
// braces (by its label or an alias, as a column header is recognised) stands for the record's
// value, made safe as a file name. Names that come out the same are numbered.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "core/card/ContactDetails.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// The bytes a name in a folder may have on the file systems the program writes to.
inline constexpr size_t kMaxFileNameBytes = 255;

// A failure names the first brace that holds no field (or is never closed).
Outcome<> CheckNamePattern(const std::string& pattern);

class RecordFileNames {
 public:
  explicit RecordFileNames(std::string pattern) : pattern_(std::move(pattern)) {}
  // The next record's file: the pattern filled in; when that name was given already, " (2)",
  // " (3)", … before the extension. A value with no character left that a file name may hold
  // gives "record N" (N from 1, in the order asked). Each part of the path is cut, between two
  // characters, to kMaxFileNameBytes bytes of UTF-8, the number and the extension kept.
  std::filesystem::path Next(const ContactDetails& details);

 private:
  std::string pattern_;
  std::set<std::string> given_;
  int asked_ = 0;
};

// A value as part of a file name: "/" and "\", control characters, invisible format characters
// (bidirectional overrides such as U+202E that show a name reversed, zero-width spaces, byte-order
// marks) and leading dots left out, runs of blanks made one space.
QString SafeFileNamePart(const QString& value);

// `text` cut at the last boundary between two characters (a letter and its accents stay
// together) where its UTF-8 takes at most `bytes` bytes.
QString CutToBytes(const QString& text, size_t bytes);

}  // namespace tavolo
