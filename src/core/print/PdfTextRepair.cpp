#include "core/print/PdfTextRepair.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace tavolo {

namespace {

using Text = std::u16string;
using ToUnicode = std::map<uint16_t, Text>;

// A ligature glyph stands for at most this many letters ("ffi", "ffl").
constexpr size_t kMaxLettersPerGlyph = 4;
constexpr size_t kEntriesPerSection = 100;  // what a CMap section may hold

std::optional<uint32_t> HexValue(const std::string& hex) {
  if (hex.empty() || hex.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (const char c : hex) {
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

// UTF-16 from hex digits, four to a unit.
std::optional<Text> HexText(const std::string& hex) {
  if (hex.empty() || hex.size() % 4 != 0) return std::nullopt;
  Text text;
  for (size_t i = 0; i < hex.size(); i += 4) {
    const std::optional<uint32_t> unit = HexValue(hex.substr(i, 4));
    if (!unit) return std::nullopt;
    text.push_back(static_cast<char16_t>(*unit));
  }
  return text;
}

// The tokens of a CMap that matter here: hex strings as "<...>" and the words and brackets.
std::vector<std::string> CMapTokens(const std::string& cmap) {
  std::vector<std::string> tokens;
  for (size_t i = 0; i < cmap.size();) {
    const char c = cmap[i];
    if (c == '<') {
      const size_t end = cmap.find('>', i);
      if (end == std::string::npos) break;
      std::string hex;
      for (size_t j = i + 1; j < end; ++j) {
        if (!std::isspace(static_cast<unsigned char>(cmap[j]))) hex += cmap[j];
      }
      tokens.push_back("<" + hex);
      i = end + 1;
    } else if (c == '[' || c == ']') {
      tokens.emplace_back(1, c);
      ++i;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else {
      size_t end = i;
      while (end < cmap.size() && !std::isspace(static_cast<unsigned char>(cmap[end])) &&
             cmap[end] != '<' && cmap[end] != '[' && cmap[end] != ']') {
        ++end;
      }
      tokens.push_back(cmap.substr(i, end - i));
      i = end;
    }
  }
  return tokens;
}

bool IsHex(const std::string& token) {
  return !token.empty() && token[0] == '<';
}

// What a glyph's text is made to read as: the space for the tab Qt gives the space glyph, and the
// letters of a compatibility ligature.
Text Readable(const Text& text) {
  if (text == u"\t") return u" ";
  if (text.size() != 1) return text;
  switch (text[0]) {
    case u'\uFB00':
      return u"ff";
    case u'\uFB01':
      return u"fi";
    case u'\uFB02':
      return u"fl";
    case u'\uFB03':
      return u"ffi";
    case u'\uFB04':
      return u"ffl";
    case u'\uFB05':
    case u'\uFB06':
      return u"st";
    default:
      return text;
  }
}

bool SameLetter(char16_t a, char16_t b) {
  const auto space = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; };
  return a == b || (space(a) && space(b));
}

// A font whose text is repaired: its map, and the codes its glyphs have that the map leaves out.
struct FontText {
  QPDFObjectHandle stream;
  ToUnicode map;
  std::set<uint16_t> unmapped;
  bool changed = false;
};

// The highest code the font's widths cover: its glyphs are 0 to that.
int LastCode(QPDFObjectHandle font) {
  QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
  if (!descendants.isArray() || descendants.getArrayNItems() < 1) return -1;
  QPDFObjectHandle widths = descendants.getArrayItem(0).getKey("/W");
  if (!widths.isArray()) return -1;
  int last = -1;
  std::vector<QPDFObjectHandle> items = widths.getArrayAsVector();
  for (size_t i = 0; i + 1 < items.size(); ++i) {
    if (!items[i].isInteger()) continue;
    const long long first = items[i].getIntValue();
    if (items[i + 1].isArray()) {
      last = std::max<long long>(last, first + items[i + 1].getArrayNItems() - 1);
      ++i;
    } else if (items[i + 1].isInteger()) {
      last = std::max<long long>(last, items[i + 1].getIntValue());
      i += 2;
    }
  }
  return std::min(last, 0xFFFF);
}

// A piece of a run of glyphs: letters the map gives, or a glyph whose letters are sought.
struct Piece {
  Text letters;
  uint32_t unknown = 0;  // font index << 16 | code, for a glyph without letters
  bool known = true;
};

using Assignment = std::map<uint32_t, Text>;

class Matcher {
 public:
  Matcher(const std::vector<Piece>& pieces, const Assignment& settled)
      : pieces_(pieces), settled_(settled) {}

  // Every way the pieces lie on `line`; false once two different assignments were found.
  bool TryLine(const Text& line) {
    line_ = &line;
    for (size_t start = 0; start < line.size(); ++start) {
      Assignment trying;
      if (!Match(0, start, trying)) return false;
    }
    return true;
  }
  const std::optional<Assignment>& Found() const { return found_; }

 private:
  bool Match(size_t piece, size_t at, Assignment& trying) {
    if (piece == pieces_.size()) return Record(trying);
    const Piece& p = pieces_[piece];
    const Text& line = *line_;
    const auto fits = [&](const Text& letters) {
      if (at + letters.size() > line.size()) return false;
      for (size_t i = 0; i < letters.size(); ++i) {
        if (!SameLetter(letters[i], line[at + i])) return false;
      }
      return true;
    };
    if (p.known) return !fits(p.letters) || Match(piece + 1, at + p.letters.size(), trying);
    const auto settled = settled_.find(p.unknown);
    const auto tried = trying.find(p.unknown);
    if (settled != settled_.end() || tried != trying.end()) {
      const Text& letters = settled != settled_.end() ? settled->second : tried->second;
      return !fits(letters) || Match(piece + 1, at + letters.size(), trying);
    }
    for (size_t count = 1; count <= kMaxLettersPerGlyph && at + count <= line.size(); ++count) {
      trying[p.unknown] = line.substr(at, count);
      if (!Match(piece + 1, at + count, trying)) return false;
    }
    trying.erase(p.unknown);
    return true;
  }

  bool Record(const Assignment& trying) {
    if (!found_) {
      found_ = trying;
      return true;
    }
    ambiguous_ = *found_ != trying;
    return !ambiguous_;
  }

  const std::vector<Piece>& pieces_;
  const Assignment& settled_;
  const Text* line_ = nullptr;
  std::optional<Assignment> found_;
  bool ambiguous_ = false;
};

// Reads the glyph codes each text object of a page shows and hands each object's run to `run`.
class GlyphRuns : public QPDFObjectHandle::ParserCallbacks {
 public:
  using Glyph = std::pair<size_t, uint16_t>;  // the font's index, the code
  GlyphRuns(QPDFPageObjectHelper& page, const std::map<QPDFObjGen, size_t>& fonts,
            std::function<void(const std::vector<Glyph>&)> run)
      : resources_(page.getAttribute("/Resources", false)), fonts_(fonts), run_(std::move(run)) {}

  void handleObject(QPDFObjectHandle object) override {
    if (!object.isOperator()) {
      operands_.push_back(object);
      return;
    }
    const std::string op = object.getOperatorValue();
    if (op == "BT") {
      glyphs_.clear();
    } else if (op == "ET") {
      if (!glyphs_.empty()) run_(glyphs_);
      glyphs_.clear();
    } else if (op == "Tf" && !operands_.empty() && operands_.front().isName()) {
      font_ = FontNamed(operands_.front().getName());
    } else if ((op == "Tj" || op == "'" || op == "\"") && !operands_.empty()) {
      Show(operands_.back());
    } else if (op == "TJ" && !operands_.empty() && operands_.back().isArray()) {
      for (QPDFObjectHandle item : operands_.back().getArrayAsVector()) Show(item);
    }
    operands_.clear();
  }
  void handleEOF() override {}

 private:
  std::optional<size_t> FontNamed(const std::string& name) {
    if (!resources_.isDictionary()) return std::nullopt;
    QPDFObjectHandle fonts = resources_.getKey("/Font");
    if (!fonts.isDictionary()) return std::nullopt;
    const auto found = fonts_.find(fonts.getKey(name).getObjGen());
    if (found == fonts_.end()) return std::nullopt;
    return found->second;
  }
  void Show(QPDFObjectHandle shown) {
    if (!font_ || !shown.isString()) return;
    const std::string bytes = shown.getStringValue();
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      glyphs_.emplace_back(*font_, static_cast<uint16_t>(static_cast<uint8_t>(bytes[i]) << 8 |
                                                         static_cast<uint8_t>(bytes[i + 1])));
    }
  }

  QPDFObjectHandle resources_;
  const std::map<QPDFObjGen, size_t>& fonts_;
  std::function<void(const std::vector<Glyph>&)> run_;
  std::vector<QPDFObjectHandle> operands_;
  std::optional<size_t> font_;
  std::vector<Glyph> glyphs_;
};

// The fonts with two-byte codes and a ToUnicode map, each found once however many pages use it.
std::vector<FontText> FontsToRepair(QPDF& pdf, std::map<QPDFObjGen, size_t>& index) {
  std::vector<FontText> fonts;
  std::vector<QPDFObjectHandle> used;
  std::set<QPDFObjGen> seen;
  std::set<QPDFObjGen> seenResources;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    QPDFObjectHandle resources = page.getAttribute("/Resources", false);
    // Qt's pages share one resource dictionary: it is read once.
    if (!resources.isDictionary() ||
        (resources.isIndirect() && !seenResources.insert(resources.getObjGen()).second)) {
      continue;
    }
    QPDFObjectHandle named = resources.getKey("/Font");
    if (!named.isDictionary()) continue;
    for (auto& [name, font] : named.ditems()) {
      if (font.isIndirect() && seen.insert(font.getObjGen()).second) used.push_back(font);
    }
  }
  for (QPDFObjectHandle object : used) {
    if (!object.isDictionaryOfType("/Font", "/Type0")) continue;
    QPDFObjectHandle stream = object.getKey("/ToUnicode");
    if (!stream.isStream() || !object.getKey("/Encoding").isNameAndEquals("/Identity-H")) continue;
    FontText font;
    font.stream = stream;
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_all);
    const std::string cmap(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    for (auto& [code, text] : ParseToUnicode(cmap)) {
      if (code == 0) {  // the missing glyph shows nothing
        font.changed = true;
        continue;
      }
      Text readable = Readable(text);
      font.changed |= readable != text;
      font.map[code] = std::move(readable);
    }
    for (int code = 1; code <= LastCode(object); ++code) {
      if (!font.map.contains(static_cast<uint16_t>(code))) {
        font.unmapped.insert(static_cast<uint16_t>(code));
      }
    }
    index[object.getObjGen()] = fonts.size();
    fonts.push_back(std::move(font));
  }
  return fonts;
}

// Gives the glyphs without letters the letters they stand for, page by page.
void FindMissingLetters(QPDF& pdf, std::vector<FontText>& fonts,
                        const std::map<QPDFObjGen, size_t>& index,
                        const std::vector<std::vector<QString>>& pageLines) {
  Assignment settled;
  size_t pageNumber = 0;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    if (pageNumber >= pageLines.size()) break;
    std::vector<Text> lines;
    for (const QString& line : pageLines[pageNumber++]) lines.push_back(line.toStdU16String());
    GlyphRuns runs(page, index, [&](const std::vector<GlyphRuns::Glyph>& glyphs) {
      std::vector<Piece> pieces;
      bool seeking = false;
      for (const auto& [font, code] : glyphs) {
        const auto known = fonts[font].map.find(code);
        if (known != fonts[font].map.end()) {
          if (pieces.empty() || !pieces.back().known) pieces.push_back({});
          pieces.back().letters += known->second;
          continue;
        }
        const uint32_t key = static_cast<uint32_t>(font) << 16 | code;
        seeking |= !settled.contains(key);
        pieces.push_back({{}, key, false});
      }
      if (!seeking) return;
      Matcher matcher(pieces, settled);
      for (const Text& line : lines) {
        if (!matcher.TryLine(line)) return;
      }
      if (matcher.Found()) settled.insert(matcher.Found()->begin(), matcher.Found()->end());
    });
    page.parseContents(&runs);
  }
  for (const auto& [key, letters] : settled) {
    FontText& font = fonts[key >> 16];
    font.map[static_cast<uint16_t>(key & 0xFFFF)] = letters;
    font.changed = true;
  }
}

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

}  // namespace

std::vector<std::pair<uint16_t, std::u16string>> ParseToUnicode(const std::string& cmap) {
  std::map<uint16_t, Text> entries;
  const std::vector<std::string> tokens = CMapTokens(cmap);
  // A two-byte code; none for a code of another width or not in hex.
  const auto code = [](const std::string& token) -> std::optional<uint16_t> {
    if (token.size() != 5) return std::nullopt;
    const std::optional<uint32_t> value = HexValue(token.substr(1));
    if (!value) return std::nullopt;
    return static_cast<uint16_t>(*value);
  };
  const auto text = [](const std::string& token) { return HexText(token.substr(1)); };
  enum class Section { kNone, kChar, kRange } section = Section::kNone;
  const size_t n = tokens.size();
  for (size_t i = 0; i < n;) {
    const std::string& token = tokens[i];
    if (token == "beginbfchar" || token == "beginbfrange") {
      section = token == "beginbfchar" ? Section::kChar : Section::kRange;
      ++i;
    } else if (token == "endbfchar" || token == "endbfrange") {
      section = Section::kNone;
      ++i;
    } else if (section == Section::kChar && i + 1 < n && IsHex(token) && IsHex(tokens[i + 1])) {
      const std::optional<Text> value = text(tokens[i + 1]);
      if (code(token) && value) entries[*code(token)] = *value;
      i += 2;
    } else if (section == Section::kRange && i + 2 < n && IsHex(token) && IsHex(tokens[i + 1])) {
      const std::optional<uint16_t> first = code(token);
      const std::optional<uint16_t> last = code(tokens[i + 1]);
      const bool valid = first && last && *first <= *last;
      if (tokens[i + 2] == "[") {
        size_t j = i + 3;
        for (uint32_t c = valid ? *first : 0; j < n && tokens[j] != "]"; ++j, ++c) {
          const std::optional<Text> value = IsHex(tokens[j]) ? text(tokens[j]) : std::nullopt;
          if (valid && value && c <= *last) entries[static_cast<uint16_t>(c)] = *value;
        }
        i = j + 1;
      } else {
        // A range whose last unit counts up from the first code's text.
        std::optional<Text> value = IsHex(tokens[i + 2]) ? text(tokens[i + 2]) : std::nullopt;
        for (uint32_t c = valid ? *first : 1; valid && value && c <= *last; ++c) {
          entries[static_cast<uint16_t>(c)] = *value;
          ++value->back();
        }
        i += 3;
      }
    } else {
      ++i;
    }
  }
  return {entries.begin(), entries.end()};
}

std::string WriteToUnicode(const std::vector<std::pair<uint16_t, std::u16string>>& entries) {
  std::string cmap =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  for (size_t from = 0; from < entries.size(); from += kEntriesPerSection) {
    const size_t to = std::min(entries.size(), from + kEntriesPerSection);
    cmap += std::to_string(to - from) + " beginbfchar\n";
    for (size_t i = from; i < to; ++i) {
      cmap += "<" + Hex(entries[i].first, 4) + "> <";
      for (const char16_t unit : entries[i].second) cmap += Hex(unit, 4);
      cmap += ">\n";
    }
    cmap += "endbfchar\n";
  }
  cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return cmap;
}

void RepairPdfText(QPDF& pdf, const std::vector<std::vector<QString>>& pageLines) {
  std::map<QPDFObjGen, size_t> index;
  std::vector<FontText> fonts = FontsToRepair(pdf, index);
  const bool missing = std::any_of(fonts.begin(), fonts.end(),
                                   [](const FontText& f) { return !f.unmapped.empty(); });
  if (missing && !pageLines.empty()) FindMissingLetters(pdf, fonts, index, pageLines);
  for (FontText& font : fonts) {
    if (!font.changed) continue;
    font.stream.replaceStreamData(WriteToUnicode({font.map.begin(), font.map.end()}),
                                  QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
  }
}

}  // namespace tavolo
