#include "core/print/PageLayoutFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <system_error>
#include <utility>

#include "core/formats/StoredString.h"
#include "core/print/LengthDisplay.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// A layout file is a few dozen bytes; this bounds what a damaged one makes us read.
constexpr uintmax_t kMaxLayoutFileBytes = 1u << 20;

// The lengths in file order; the dialog's order differs.
constexpr std::array<std::pair<LayoutLength, const char*>, kLayoutLengthCount> kFileLengths = {{
    {LayoutLength::kCardHeight, "card height"},
    {LayoutLength::kCardWidth, "card width"},
    {LayoutLength::kHorizontalPitch, "horizontal pitch"},
    {LayoutLength::kVerticalPitch, "vertical pitch"},
    {LayoutLength::kLeftMargin, "left margin"},
    {LayoutLength::kTopMargin, "top margin"},
}};

PageLayoutReadResult Refused(std::string message) {
  PageLayoutReadResult result;
  result.message = std::move(message);
  return result;
}

}  // namespace

bool HasLayoutExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == kPageLayoutExtension;
}

std::vector<uint8_t> SerializePageLayout(const PageLayout& layout) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  out.PutU32(kPageLayoutVersion);
  for (const auto& [which, label] : kFileLengths) out.PutF32(LengthOf(layout, which));
  out.PutI32(layout.paper);
  out.PutI32(layout.unit);
  WriteStoredString(out, layout.name);
  return bytes;
}

PageLayoutReadResult ParsePageLayout(std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  PageLayoutReadResult result;
  result.version = in.U32();
  if (!in.ok()) return Refused("the file ends inside the version");
  if (result.version != kPageLayoutVersion) {
    result.ok = true;
    return result;
  }
  PageLayout& layout = result.layout;
  for (const auto& [which, label] : kFileLengths) {
    float& length = LengthOf(layout, which);
    length = in.F32();
    if (!in.ok()) return Refused(std::string("the file ends inside the ") + label);
    if (!std::isfinite(length)) {
      return Refused(std::string("the ") + label + " is not a finite number");
    }
  }
  layout.paper = in.I32();
  if (!in.ok()) return Refused("the file ends inside the paper identifier");
  layout.unit = in.I32();
  if (!in.ok()) return Refused("the file ends inside the unit");
  if (!ReadStoredString(in, layout.name)) return Refused("the file ends inside the name");
  result.ok = true;
  return result;
}

PageLayoutReadResult ReadPageLayoutFile(const std::filesystem::path& path) {
  const FileReadResult file = ReadWholeFile(path, kMaxLayoutFileBytes);
  if (!file.ok) return Refused(file.message);
  PageLayoutReadResult result = ParsePageLayout(file.bytes);
  if (!result.ok) result.message = path.string() + " is damaged: " + result.message + ".";
  return result;
}

PageLayoutWriteResult WritePageLayoutFile(const std::filesystem::path& path,
                                          const PageLayout& layout) {
  const FileWriteResult written = WriteFileReplacing(path, SerializePageLayout(layout));
  return {written.ok, path, written.message};
}

bool IsLayoutFileName(const QString& name) {
  return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
         !name.contains(u'/') && !name.contains(QChar(0)) &&
         name.toUtf8().size() <= kMaxLayoutNameBytes;
}

PageLayoutWriteResult SaveLayoutTemplate(const std::filesystem::path& folder,
                                         const PageLayout& layout) {
  if (layout.name.isEmpty()) return {false, folder, "Give the page layout a name."};
  if (!IsLayoutFileName(layout.name)) {
    return {false, folder,
            "\"" + layout.name.toStdString() +
                "\" cannot be the name of a file: give a name without \"/\" of at most " +
                std::to_string(kMaxLayoutNameBytes) + " bytes."};
  }
  // The folder ships with the program, but a user may have removed it.
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const std::filesystem::path path =
      folder / (layout.name + QString::fromLatin1(kPageLayoutExtension)).toStdString();
  return WritePageLayoutFile(path, layout);
}

}  // namespace tavolo
