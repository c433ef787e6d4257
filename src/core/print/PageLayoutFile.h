// Page-layout files (.ptm): one PageLayout, little-endian. Version 0 is followed by the six
// lengths (f32: card height, card width, horizontal pitch, vertical pitch, left margin, top
// margin), the paper identifier (u32), the unit (u32) and the name (a stored string); nothing
// follows. A file of a later version is refused: its lengths may mean something else.
#pragma once

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/print/PageLayout.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr uint32_t kPageLayoutVersion = 0;

// Longer names could not be file names (with ".ptm" and the temporary name of a safe save).
inline constexpr int kMaxLayoutNameBytes = 200;
inline constexpr const char* kPageLayoutExtension = ".ptm";

// Whether the file's extension is ".ptm", in any case (layouts copied from elsewhere may say
// ".PTM").
bool HasLayoutExtension(const std::filesystem::path& path);

std::vector<uint8_t> SerializePageLayout(const PageLayout& layout);

// The cause (Outcome::Error) of refusing a file of a format version newer than this program
// reads, so a caller can tell it from a damaged file.
inline constexpr int kLaterLayoutVersion = EPROTONOSUPPORT;
// The cause of refusing a file that is no page layout at all: its first four bytes are not a
// version a page layout could have.
inline constexpr int kNotALayout = ENOEXEC;
// Versions up to this one are taken for page layouts of a later program; above it (any text file
// starts above it) the file is not a page layout.
inline constexpr uint32_t kMaxLaterLayoutVersion = 0xFFFF;

// The layout a file holds. A file of a later version, one that is not a page layout, one that
// ends early or holds a length that is not a finite number is refused. A name longer than a save
// writes is cut to kMaxLayoutNameBytes.
Outcome<PageLayout> ParsePageLayout(std::span<const uint8_t> bytes);
// As ParsePageLayout; the message names the file.
Outcome<PageLayout> ReadPageLayoutFile(const std::filesystem::path& path);

// Writes through a temporary file renamed over `path`, so a failed write leaves the old file.
// Gives the file written.
Outcome<std::filesystem::path> WritePageLayoutFile(const std::filesystem::path& path,
                                                   const PageLayout& layout);

// Whether a layout's name can be the name of its file: not empty, not "." or "..", no "/" and
// no NUL, and at most kMaxLayoutNameBytes bytes in UTF-8.
bool IsLayoutFileName(const QString& name);

// Save As Template: writes the layout as a sheet product to `folder`/name.ptm, replacing a layout
// of that name. A name that cannot be a file name writes nothing and says so.
Outcome<std::filesystem::path> SaveSheetProduct(const std::filesystem::path& folder,
                                                const PageLayout& layout);

}  // namespace tavolo
