#include "core/print/PageLayoutFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

#include "core/base/Translation.h"
#include "core/formats/StoredString.h"
#include "core/print/LengthDisplay.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// A layout file is a few dozen bytes; this bounds what a damaged one makes us read.
constexpr uintmax_t kMaxLayoutFileBytes = 1u << 20;

// The lengths in file order; the dialog's order differs.
constexpr std::array<std::pair<LayoutLength, const char*>, kLayoutLengthCount> kFileLengths = {{
    {LayoutLength::kCardHeight, QT_TRANSLATE_NOOP("Tavolo", "the card height")},
    {LayoutLength::kCardWidth, QT_TRANSLATE_NOOP("Tavolo", "the card width")},
    {LayoutLength::kHorizontalPitch, QT_TRANSLATE_NOOP("Tavolo", "the horizontal pitch")},
    {LayoutLength::kVerticalPitch, QT_TRANSLATE_NOOP("Tavolo", "the vertical pitch")},
    {LayoutLength::kLeftMargin, QT_TRANSLATE_NOOP("Tavolo", "the left margin")},
    {LayoutLength::kTopMargin, QT_TRANSLATE_NOOP("Tavolo", "the top margin")},
}};

Failure Refused(std::string message) {
  return {std::move(message)};
}

// `part` names a part of the file, in the user's language.
Failure EndsInside(const std::string& part) {
  return Refused(TrMessage("the file ends inside %1", part));
}

// The longest start of `text` that is at most `maxBytes` in UTF-8, cut between characters.
QString CutToUtf8Bytes(const QString& text, int maxBytes) {
  int bytes = 0;
  qsizetype end = 0;
  while (end < text.size()) {
    const bool pair =
        text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
    const char32_t c =
        pair ? QChar::surrogateToUcs4(text[end], text[end + 1]) : text[end].unicode();
    const int width = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (bytes + width > maxBytes) break;
    bytes += width;
    end += pair ? 2 : 1;
  }
  return text.left(end);
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

Outcome<PageLayout> ParsePageLayout(std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  const uint32_t version = in.U32();
  if (!in.ok()) return EndsInside(TrText("the version"));
  if (version > kMaxLaterLayoutVersion) return Failure{TrMessage("not a page layout"), kNotALayout};
  if (version != kPageLayoutVersion) {
    return Failure{TrMessage("the format version %1 is newer than this program reads", version),
                   kLaterLayoutVersion};
  }
  PageLayout layout;
  for (const auto& [which, label] : kFileLengths) {
    float& length = LengthOf(layout, which);
    length = in.F32();
    if (!in.ok()) return EndsInside(TrText(label));
    if (!std::isfinite(length)) {
      return Refused(TrMessage("%1 is not a finite number", TrText(label)));
    }
  }
  layout.paper = in.I32();
  if (!in.ok()) return EndsInside(TrText("the paper identifier"));
  layout.unit = in.I32();
  if (!in.ok()) return EndsInside(TrText("the unit"));
  if (!ReadStoredString(in, layout.name)) return EndsInside(TrText("the name"));
  layout.name = CutToUtf8Bytes(layout.name, kMaxLayoutNameBytes);
  return layout;
}

Outcome<PageLayout> ReadPageLayoutFile(const std::filesystem::path& path) {
  const Outcome<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxLayoutFileBytes);
  if (!file) return Refused(TranslatedMessage(file.Message()));
  Outcome<PageLayout> layout = ParsePageLayout(file.Value());
  if (layout.Error() == kNotALayout) {
    return Failure{TrMessage("%1 is not a page layout.", PrintableName(path.string())),
                   kNotALayout};
  }
  if (layout.Error() == kLaterLayoutVersion) {
    return Failure{
        TrMessage("%1 cannot be read: %2.", PrintableName(path.string()), layout.Message()),
        kLaterLayoutVersion};
  }
  if (!layout) {
    return Refused(TrMessage("%1 is damaged: %2.", PrintableName(path.string()), layout.Message()));
  }
  return layout;
}

Outcome<std::filesystem::path> WritePageLayoutFile(const std::filesystem::path& path,
                                                   const PageLayout& layout) {
  const Outcome<> written = WriteFileReplacing(path, SerializePageLayout(layout));
  if (!written) return Failure{TranslatedMessage(written.Message())};
  return path;
}

bool IsLayoutFileName(const QString& name) {
  return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
         !name.contains(u'/') && !name.contains(QChar(0)) &&
         name.toUtf8().size() <= kMaxLayoutNameBytes;
}

Outcome<std::filesystem::path> SaveSheetProduct(const std::filesystem::path& folder,
                                                const PageLayout& layout) {
  if (layout.name.isEmpty()) return Failure{TrMessage("Give the page layout a name.")};
  if (!IsLayoutFileName(layout.name)) {
    return Failure{TrMessage(
        "\"%1\" cannot be the name of a file: give a name without \"/\" of at most %2 bytes.",
        layout.name, kMaxLayoutNameBytes)};
  }
  // The folder ships with the program, but a user may have removed it.
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const std::filesystem::path path =
      folder / (layout.name + QString::fromLatin1(kPageLayoutExtension)).toStdString();
  return WritePageLayoutFile(path, layout);
}

}  // namespace tavolo
