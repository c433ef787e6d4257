#include "core/base/DataFolder.h"

#include <system_error>
#include <utility>

namespace tavolo {

DataFolder::DataFolder(std::filesystem::path both) : shipped(both), user(std::move(both)) {}

DataFolder::DataFolder(std::filesystem::path shippedFolder, std::filesystem::path userFolder)
    : shipped(std::move(shippedFolder)), user(std::move(userFolder)) {}

DataFolder DataFolder::operator/(const std::filesystem::path& below) const {
  return {shipped / below, user / below};
}

std::vector<std::filesystem::path> DataFolder::ListingOrder() const {
  if (IsOneFolder()) return {shipped};
  return {shipped, user};
}

std::filesystem::path DataFolder::Find(const std::filesystem::path& name) const {
  std::error_code ignored;
  if (!IsOneFolder() && std::filesystem::exists(user / name, ignored)) return user / name;
  return shipped / name;
}

}  // namespace tavolo
