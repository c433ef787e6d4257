#include "core/merge/ZipMembers.h"

#include <zip.h>

#include <algorithm>

#include "core/base/Translation.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// The first megabyte of a part may inflate at any ratio: small parts of repeated markup do.
constexpr int64_t kRatioFreeBytes = 1024 * 1024;
constexpr int64_t kChunkBytes = 64 * 1024;

struct FileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

void ZipMembers::Close::operator()(zip* archive) const {
  zip_discard(archive);
}

bool LooksLikeZip(std::span<const uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' && bytes[2] == 3 && bytes[3] == 4;
}

Outcome<ZipMembers> ZipMembers::Open(std::span<const uint8_t> bytes, const std::string& name) {
  const Failure damaged{TrMessage(
      "%1 cannot be read: it is not the ZIP archive a spreadsheet of its kind is.", name)};
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_error_fini(&error);
  if (source == nullptr) return damaged;
  zip_error_init(&error);
  zip* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (archive == nullptr) {
    zip_source_free(source);
    return damaged;
  }
  return ZipMembers(std::unique_ptr<zip, Close>(archive), name);
}

bool ZipMembers::Has(const char* member) const {
  return zip_name_locate(archive_.get(), member, 0) >= 0;
}

Outcome<QByteArray> ZipMembers::Read(const char* member) const {
  const zip_int64_t index = zip_name_locate(archive_.get(), member, 0);
  if (index < 0) {
    return Failure{TrMessage("%1 cannot be read: it has no part %2.", name_, member)};
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  const Failure damaged{TrMessage("%1 cannot be read: its part %2 is damaged.", name_, member)};
  if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      (stat.valid & ZIP_STAT_COMP_SIZE) == 0) {
    return damaged;
  }
  const std::unique_ptr<zip_file_t, FileClose> file(
      zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0));
  if (!file) return damaged;
  const int64_t ratioLimit =
      std::max(kRatioFreeBytes, static_cast<int64_t>(stat.comp_size) * kMaxZipRatio);
  QByteArray bytes;
  while (true) {
    const qsizetype at = bytes.size();
    if (bytes.capacity() < at + kChunkBytes) bytes.reserve(std::max(2 * at, at + kChunkBytes));
    bytes.resize(at + kChunkBytes);
    const zip_int64_t read = zip_fread(file.get(), bytes.data() + at, kChunkBytes);
    if (read < 0) return damaged;
    bytes.resize(at + read);
    if (bytes.size() > kMaxZipMemberBytes) {
      return Failure{
          TrMessage("%1 cannot be read: its part %2 inflates to more than %3 MB; "
                    "this is not a list of contacts.",
                    name_, member, kMaxZipMemberBytes >> 20)};
    }
    if (bytes.size() > ratioLimit) {
      return Failure{
          TrMessage("%1 cannot be read: its part %2 inflates to more than %3 times "
                    "its packed size; this is not a list of contacts.",
                    name_, member, kMaxZipRatio)};
    }
    if (read == 0) return bytes;
  }
}

}  // namespace tavolo
