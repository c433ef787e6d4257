#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace tavolo::test {

// A fresh, empty folder under the system temporary folder, removed with everything in it on
// destruction. The name carries the running test's name, so a folder left by a crashed run says
// where it came from; the random tail keeps two folders of one test apart.
class TempFolder {
 public:
  TempFolder() {
    std::string name = "tavolo-test";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
      name += "-" + std::string(info->test_suite_name()) + "-" + info->name();
    }
    // Parameterised tests have slashes in their names.
    for (char& c : name) {
      const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
      if (!plain && c != '-') c = '_';
    }
    std::string pattern = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The whole file; empty when it cannot be read.
inline std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces the file with the bytes; false when that fails.
inline bool WriteFileBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The text `times` over, as hostile files repeat an element.
inline std::string Repeated(const std::string& text, size_t times) {
  std::string all;
  for (size_t i = 0; i < times; ++i) all += text;
  return all;
}

// An 8 x 8 blue JPEG: a background that decodes at once.
inline std::vector<uint8_t> TinyJpeg() {
  return ReadFileBytes(std::filesystem::path(TAVOLO_TEST_DATA) / "library/blue8x8.jpg");
}

}  // namespace tavolo::test
