// The parts of a ZIP archive, as .ods and .xlsx spreadsheets pack them, read through libzip from
// bytes already in memory. A part is inflated under limits, so that a small archive can never
// make the program take the memory of the machine: at most kMaxZipMemberBytes, and beyond its
// first megabyte no more than kMaxZipRatio times its packed size.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include <QByteArray>

#include "core/storage/Outcome.h"

struct zip;

namespace tavolo {

inline constexpr int64_t kMaxZipMemberBytes = 64 * 1024 * 1024;
inline constexpr int64_t kMaxZipRatio = 100;

class ZipMembers {
 public:
  // The archive of `bytes`, which must outlive it; `name` is the file's name as messages show it.
  static Outcome<ZipMembers> Open(std::span<const uint8_t> bytes, const std::string& name);

  bool Has(const char* member) const;
  // The member's bytes, or why they cannot be had (missing, damaged, or past the limits).
  Outcome<QByteArray> Read(const char* member) const;

 private:
  struct Close {
    void operator()(zip* archive) const;
  };
  ZipMembers(std::unique_ptr<zip, Close> archive, std::string name)
      : archive_(std::move(archive)), name_(std::move(name)) {}

  std::unique_ptr<zip, Close> archive_;
  std::string name_;
};

// Whether `bytes` begin as a ZIP archive does.
bool LooksLikeZip(std::span<const uint8_t> bytes);

}  // namespace tavolo
