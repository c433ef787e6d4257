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

// A failure names the first brace that holds no field (or is never closed).
Outcome<> CheckNamePattern(const std::string& pattern);

class RecordFileNames {
 public:
  explicit RecordFileNames(std::string pattern) : pattern_(std::move(pattern)) {}
  // The next record's file: the pattern filled in; when that name was given already, " (2)",
  // " (3)", … before the extension. A value with no character left that a file name may hold
  // gives "record N" (N from 1, in the order asked).
  std::filesystem::path Next(const ContactDetails& details);

 private:
  std::string pattern_;
  std::set<std::string> given_;
  int asked_ = 0;
};

// A value as part of a file name: "/", control characters and leading dots left out, runs of
// blanks made one space, at most 100 characters.
std::string SafeFileNamePart(const QString& value);

}  // namespace tavolo
