// A CMYK output profile (an ICC file a print shop hands out, such as one for coated paper) and the
// conversion of the card's sRGB colours and pictures into its ink, through littleCMS. Copies share
// the profile and its conversion.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/storage/Outcome.h"

namespace tavolo {

class CmykProfile {
 public:
  // Reads and checks the profile: a failure says why the file cannot serve (not found, not an
  // ICC profile, not for CMYK output).
  static Outcome<CmykProfile> Load(const std::filesystem::path& file);

  // The profile's bytes as read, to be embedded as the document's output intent.
  const std::vector<uint8_t>& Bytes() const;
  // What the profile calls itself ("Coated FOGRA39"); the file's name when it says nothing.
  const std::string& Description() const;

  // An sRGB colour (each 0 to 1) as cyan, magenta, yellow and black (each 0 to 1).
  std::array<double, 4> Convert(double red, double green, double blue) const;
  // `pixels` pixels of 8-bit red, green, blue into 8-bit cyan, magenta, yellow, black.
  void ConvertRow(std::span<const uint8_t> rgb, std::span<uint8_t> cmyk, size_t pixels) const;

 private:
  struct Shared;
  explicit CmykProfile(std::shared_ptr<const Shared> shared);
  std::shared_ptr<const Shared> shared_;
};

}  // namespace tavolo
