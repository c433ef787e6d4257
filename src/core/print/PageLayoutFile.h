// Page-layout files (.ptm): one PageLayout, little-endian. Version 0 is followed by the six
// lengths (f32: card height, card width, horizontal pitch, vertical pitch, left margin, top
// margin), the paper identifier (u32), the unit (u32) and the name (a stored string); nothing
// follows. A file of a later version is refused: its lengths may mean something else.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/print/PageLayout.h"

namespace tavolo {

inline constexpr uint32_t kPageLayoutVersion = 0;

// Longer names could not be file names (with ".ptm" and the temporary name of a safe save).
inline constexpr int kMaxLayoutNameBytes = 200;
inline constexpr const char* kPageLayoutExtension = ".ptm";

// Whether the file's extension is ".ptm", in any case (layouts copied from elsewhere may say
// ".PTM").
bool HasLayoutExtension(const std::filesystem::path& path);

std::vector<uint8_t> SerializePageLayout(const PageLayout& layout);

struct PageLayoutReadResult {
  bool ok = false;
  PageLayout layout;          // the layout read
  uint32_t version = 0;       // the version the file holds
  bool laterVersion = false;  // refused for a version newer than this program reads
  std::string message;        // why the file was refused; empty when ok
};

// A file of a later version, one that ends early or holds a length that is not a finite number
// is refused. A name longer than a save writes is cut to kMaxLayoutNameBytes.
PageLayoutReadResult ParsePageLayout(std::span<const uint8_t> bytes);
// As ParsePageLayout; the message names the file.
PageLayoutReadResult ReadPageLayoutFile(const std::filesystem::path& path);

struct PageLayoutWriteResult {
  bool ok = false;
  std::filesystem::path path;  // the file written (or that could not be)
  std::string message;         // "Access to %1 was denied." and the like; empty when ok
};

// Writes through a temporary file renamed over `path`, so a failed write leaves the old file.
PageLayoutWriteResult WritePageLayoutFile(const std::filesystem::path& path,
                                          const PageLayout& layout);

// Whether a layout's name can be the name of its file: not empty, not "." or "..", no "/" and
// no NUL, and at most kMaxLayoutNameBytes bytes in UTF-8.
bool IsLayoutFileName(const QString& name);

// Save As Template: writes the layout to `folder`/name.ptm, replacing a layout of that name. A
// name that cannot be a file name writes nothing and says so.
PageLayoutWriteResult SaveLayoutTemplate(const std::filesystem::path& folder,
                                         const PageLayout& layout);

}  // namespace tavolo
