#include "ProjectCommands.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

#include "CliSupport.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardFaces.h"
#include "core/card/ContactLines.h"
#include "core/formats/Cp1252.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/qr/QrContentText.h"
#include "core/render/FaceObjects.h"
#include "core/storage/FileIo.h"

namespace tavolo::cli {

namespace {

constexpr const char* kInfoUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli info PROJECT\n"
    "Prints the card of a project or template file as one JSON object: every stored field of\n"
    "the card, \"background\" (the background name the file holds), \"contact\" (the card's\n"
    "contact details, or what its boxes show when the file keeps none), \"version\" (the format\n"
    "version) and \"result\" (\"success\", \"version mismatch\" or \"file error\"). The card "
    "holds\n"
    "what was read up to the point of a failure. Floats read back to the same 32-bit value;\n"
    "a value that is not a finite number is written as a string (\"Infinity\", \"-Infinity\",\n"
    "\"NaN(0x7fc00000)\" with its bits).\n"
    "\"shrinkToFit\" says per text box whether a line too wide for it is drawn smaller until it\n"
    "fits; null when the file does not say (nothing shrinks).\n"
    "\"clearGround\" gives per text box of a template the area its artwork leaves free for the\n"
    "box's lines ([left, top, right, bottom] in full-size card pixels, null for a box without\n"
    "one); null for a card without one.\n"
    "\"back\" holds the card's back side with the same members, its background by number\n"
    "(\"pnmb\") only; null when the card has none.\n"
    "\"pictures\" lists the picture files the card holds (both sides, each once): \"name\",\n"
    "\"bytes\" and \"sha256\"; a photo or logo names the one it shows by its \"sha256\" (empty\n"
    "when the card holds none and it is read from the photo folder).\n"
    "\"objects\" lists everything placed on a side in drawing order (the later on top): \"kind\"\n"
    "(\"text box\", \"photo\", \"logo\", \"QR code\", \"line\", \"rectangle\", \"ellipse\", or\n"
    "\"unknown\" for a later version's kind, kept and not drawn), \"added\" (its place among\n"
    "the objects the user added; null for the photo, the logo and the QR code), its box before\n"
    "its turn (\"left\", \"top\", \"width\", \"height\", full-size card pixels), \"quarterTurns\"\n"
    "(clockwise), \"z\", \"locked\" and \"source\", what it draws.\n"
    "Exit status: 0 success, 1 file error, 2 usage, 3 version mismatch.\n"
    "Backgrounds are looked up in the table of the program folder (TAVOLO_HOME).\n");

constexpr const char* kBackgroundsUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli backgrounds [--check]\n"
    "Lists the background table as the application builds it from the program folder\n"
    "(TAVOLO_HOME): number, name and hue offset, custom backgrounds first.\n"
    "  --check   also decode every picture and report those that do not decode\n");

// The contact details' members, in field order.
constexpr std::array<const char*, kContactFieldCount> kContactKeys = {
    "companyName", "name",  "title",   "addressLine1", "addressLine2", "city",
    "zip",         "email", "website", "phone1",       "phone2"};

std::string FloatText(float v) {
  if (v != v) {
    char bits[32];
    std::snprintf(bits, sizeof bits, "\"NaN(0x%08x)\"", std::bit_cast<uint32_t>(v));
    return bits;
  }
  if (v == std::numeric_limits<float>::infinity()) return "\"Infinity\"";
  if (v == -std::numeric_limits<float>::infinity()) return "\"-Infinity\"";
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, end.ptr);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendEscape(std::string& out, char16_t unit) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
  out += buffer;
}

// Appends a JSON string literal. Control characters are escaped, and so are lone surrogates,
// which UTF-8 cannot carry.
void AppendJsonString(std::string& out, const QString& text) {
  out += '"';
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    switch (c) {
      case u'"':
        out += "\\\"";
        continue;
      case u'\\':
        out += "\\\\";
        continue;
      case u'\n':
        out += "\\n";
        continue;
      case u'\r':
        out += "\\r";
        continue;
      case u'\t':
        out += "\\t";
        continue;
      case u'\b':
        out += "\\b";
        continue;
      case u'\f':
        out += "\\f";
        continue;
      default:
        break;
    }
    if (c < 0x20 || c == 0x7F) {
      AppendEscape(out, c);
    } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
      AppendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
      ++i;
    } else if (QChar::isSurrogate(c)) {
      AppendEscape(out, c);
    } else {
      AppendUtf8(out, c);
    }
  }
  out += '"';
}

std::string JsonString(const QString& text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

// The name bytes as text without their zero padding: UTF-8 when they are valid UTF-8 (the names
// of imported backgrounds), otherwise Windows-1252 (names written by older versions).
QString NameText(const BackgroundName& name) {
  size_t length = name.size();
  while (length > 0 && name[length - 1] == 0) --length;
  const std::span<const uint8_t> bytes(name.data(), length);
  const QByteArray raw(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(length));
  const QString utf8 = QString::fromUtf8(raw);
  if (utf8.toUtf8() == raw && !utf8.contains(QChar::ReplacementCharacter)) return utf8;
  return DecodeCp1252(bytes);
}

std::string Hsl(const HslColour& c) {
  return "[" + FloatText(c.h) + ", " + FloatText(c.s) + ", " + FloatText(c.l) + "]";
}

// Builds one pretty-printed JSON object, member by member. A card's text can run to hundreds of
// megabytes, so every value is appended where it ends up and copied no more than that.
class JsonObject {
 public:
  explicit JsonObject(int indent) : indent_(indent), body_("{") {}
  JsonObject& Raw(std::string_view key, const std::string& value) {
    Member(key) += value;
    return *this;
  }
  // Starts a member whose value the caller appends to the text returned.
  std::string& Member(std::string_view key) {
    body_ += first_ ? "\n" : ",\n";
    first_ = false;
    body_.append(static_cast<size_t>(indent_ + 2), ' ');
    body_ += '"';
    body_ += key;
    body_ += "\": ";
    return body_;
  }
  JsonObject& Int(std::string_view key, int64_t v) { return Raw(key, std::to_string(v)); }
  JsonObject& Float(std::string_view key, float v) { return Raw(key, FloatText(v)); }
  JsonObject& Text(std::string_view key, const QString& v) { return Raw(key, JsonString(v)); }
  // Closes the object and hands it over, leaving this one empty.
  std::string Done() {
    body_ += '\n';
    body_.append(static_cast<size_t>(indent_), ' ');
    body_ += '}';
    return std::move(body_);
  }

 private:
  int indent_;
  std::string body_;
  bool first_ = true;
};

// Appends a JSON array of `count` items, each appended by appendItem(out, index).
template <class AppendItem>
void AppendJsonArray(std::string& out, size_t count, int indent, AppendItem appendItem) {
  if (count == 0) {
    out += "[]";
    return;
  }
  out += '[';
  for (size_t i = 0; i < count; ++i) {
    out += i ? ",\n" : "\n";
    out.append(static_cast<size_t>(indent + 2), ' ');
    appendItem(out, i);
  }
  out += '\n';
  out.append(static_cast<size_t>(indent), ' ');
  out += ']';
}

// One JSON array of the boxes, each written by `item`, on one line.
template <typename Boxes, typename Item>
std::string PerBoxJson(const Boxes& boxes, Item item) {
  std::string out = "[";
  for (size_t box = 0; box < boxes.size(); ++box) out += (box ? ", " : "") + item(boxes[box]);
  return out + "]";
}

// Per box, whether a line too wide for it shrinks to fit; null when the file does not say.
std::string ShrinkToFitJson(const CardState& s) {
  if (!s.shrinkToFit) return "null";
  return PerBoxJson(*s.shrinkToFit,
                    [](bool shrinks) { return std::string(shrinks ? "true" : "false"); });
}

// Per box, the area a template's artwork leaves free; null for a card without clear ground.
std::string ClearGroundJson(const CardState& s) {
  if (!s.clearGround) return "null";
  return PerBoxJson(s.clearGround->boxes, [](const std::optional<PixelRect>& area) {
    return area ? QString::asprintf("[%d, %d, %d, %d]", area->left, area->top, area->right,
                                    area->bottom)
                      .toStdString()
                : std::string("null");
  });
}

// Each box's alignment across and down as "left", "centre", "right" and "top", "middle",
// "bottom"; null where the layout's own placement holds, and for a card that sets none.
std::string AlignmentsJson(const CardState& s) {
  if (!s.alignments) return "null";
  static constexpr const char* kAcross[] = {"\"left\"", "\"centre\"", "\"right\""};
  static constexpr const char* kDown[] = {"\"top\"", "\"middle\"", "\"bottom\""};
  return PerBoxJson(*s.alignments, [](const BoxAlignment& a) {
    return std::string("[") + (a.horizontal ? kAcross[static_cast<int>(*a.horizontal)] : "null") +
           ", " + (a.vertical ? kDown[static_cast<int>(*a.vertical)] : "null") + "]";
  });
}

// The Custom layout: whether it is current, the layout whose boxes it places and where each box
// placed freely stands ([left, top, width, height]); null for a card that has none.
std::string CustomLayoutJson(const CardState& s) {
  if (!s.custom) return "null";
  return std::string("{\"current\": ") + (s.custom->current ? "true" : "false") +
         ", \"layout\": " + std::to_string(s.custom->layoutIndex) + ", \"boxes\": " +
         PerBoxJson(s.custom->boxes,
                    [](const std::optional<FreeBox>& free) {
                      return free ? QString::asprintf("[%g, %g, %g, %g]", free->left, free->top,
                                                      free->width, free->height)
                                        .toStdString()
                                  : std::string("null");
                    }) +
         "}";
}

// The card's QR code: what it holds, how many UTF-8 bytes that is (null when there is nothing to
// encode), where it stands and its colours; null when the card has none.
std::string QrCodeJson(const CardState& s, int indent) {
  const std::optional<PlacedQrCode>& code = s.qrCode;
  if (!code) return "null";
  static constexpr const char* kContentNames[kQrContentCount] = {"contact", "website", "text"};
  const Outcome<QString> text = QrContentText(s, *code);
  const auto colour = [](QRgb rgb) { return QString::asprintf("#%06x", rgb & 0xFFFFFFu); };
  return JsonObject(indent)
      .Text("content", QString::fromLatin1(kContentNames[static_cast<int>(code->content)]))
      .Raw("textBytes", text ? std::to_string(text.Value().toUtf8().size()) : "null")
      .Float("x", code->x)
      .Float("y", code->y)
      .Float("side", code->side)
      .Text("dark", colour(code->dark))
      .Text("light", colour(code->light))
      .Raw("lightOnDark", code->lightOnDark ? "true" : "false")
      .Done();
}

std::string RgbText(QRgb rgb) {
  return JsonString(QString::asprintf("#%06x", rgb & 0xFFFFFFu));
}

// What an object draws, in a few members.
std::string ObjectSourceJson(const PlacedObject& object, int indent) {
  JsonObject source(indent);
  if (const auto* text = std::get_if<TextSource>(&object.source)) {
    static constexpr const char* kAlignNames[] = {"left", "centre", "right"};
    static constexpr const char* kVerticalNames[] = {"top", "middle", "bottom"};
    const auto count = static_cast<size_t>(std::clamp(text->lines.count, 0, kMaxLinesPerBox));
    AppendJsonArray(source.Member("lines"), count, indent + 2, [&](std::string& out, size_t i) {
      AppendJsonString(out, text->lines.line[i]);
    });
    source.Text("face", text->style.face)
        .Text("size", text->style.size)
        .Text("style", text->style.style)
        .Raw("textColor", Hsl(text->style.textColour))
        .Float("brightness", text->style.brightness)
        .Raw(
            "horizontal",
            JsonString(QString::fromLatin1(kAlignNames[static_cast<size_t>(text->horizontal) % 3])))
        .Raw("vertical", JsonString(QString::fromLatin1(
                             kVerticalNames[static_cast<size_t>(text->vertical) % 3])))
        .Raw("shrinkToFit", text->shrinkToFit ? "true" : "false");
  } else if (const auto* picture = std::get_if<PictureSource>(&object.source)) {
    source.Text("name", picture->name).Text("sha256", picture->hash);
  } else if (const auto* code = std::get_if<QrSource>(&object.source)) {
    static constexpr const char* kContentNames[kQrContentCount] = {"contact", "website", "text"};
    source.Text("content",
                QString::fromLatin1(kContentNames[static_cast<int>(code->code.content)]));
  } else if (const auto* shape = std::get_if<ShapeSource>(&object.source)) {
    source.Raw("stroke", RgbText(shape->stroke))
        .Float("strokeWidth", shape->strokeWidth)
        .Raw("fill", shape->fill ? RgbText(*shape->fill) : "null")
        .Float("cornerRadius", shape->cornerRadius);
  } else if (const auto* kept = std::get_if<KeptSource>(&object.source)) {
    source.Int("keptBytes", static_cast<int64_t>(kept->bytes.size()));
  }
  return source.Done();
}

std::string ObjectsJson(const CardState& s, int indent) {
  const std::vector<FaceObject> items = FaceObjects(s);
  std::string out;
  AppendJsonArray(out, items.size(), indent, [&](std::string& text, size_t i) {
    const PlacedObject& object = items[i].object;
    text += JsonObject(indent + 2)
                .Text("kind", QString::fromLatin1(KindName(object.kind)))
                .Raw("added", items[i].added >= 0 ? std::to_string(items[i].added) : "null")
                .Float("left", object.left)
                .Float("top", object.top)
                .Float("width", object.width)
                .Float("height", object.height)
                .Int("quarterTurns", object.quarterTurns)
                .Int("z", object.z)
                .Raw("locked", object.locked ? "true" : "false")
                .Raw("source", ObjectSourceJson(object, indent + 4))
                .Done();
  });
  return out;
}

// One face of the card, its members added to `card` (an object at `indent`).
void AppendFaceJson(JsonObject& card, const CardState& s, int indent) {
  AppendJsonArray(card.Member("styles"), s.styles.size(), indent + 2,
                  [&](std::string& out, size_t i) {
                    const TextBoxStyle& st = s.styles[i];
                    out += JsonObject(indent + 4)
                               .Text("size", st.size)
                               .Text("face", st.face)
                               .Text("style", st.style)
                               .Raw("textColor", Hsl(st.textColour))
                               .Raw("fillColor", Hsl(st.frameColour))
                               .Int("frameMode", st.frameMode)
                               .Int("frameSize", st.frameSize)
                               .Int("reserved", st.reserved)
                               .Float("opacity", st.opacity)
                               .Float("brightness", st.brightness)
                               .Done();
                  });
  // The text, in the lines and again in the contact details, may be most of the output: room for
  // all of it is made at once (three bytes of UTF-8 at most per UTF-16 unit but for escapes), so
  // the output is not copied as it grows.
  const ContactDetails details = ContactDetailsOf(s);
  std::string& lines = card.Member("lines");
  size_t textBytes = 0;
  for (const TextBoxLines& box : s.lines) {
    for (int32_t i = 0; i < box.count && i < kMaxLinesPerBox; ++i) {
      textBytes += 3 * static_cast<size_t>(box.line[i].size()) + 16;
    }
  }
  for (const QString& field : details) textBytes += 3 * static_cast<size_t>(field.size()) + 32;
  lines.reserve(lines.size() + textBytes + 4096);
  AppendJsonArray(lines, s.lines.size(), indent + 2, [&](std::string& out, size_t b) {
    const TextBoxLines& box = s.lines[b];
    const auto used = static_cast<size_t>(std::clamp(box.count, 0, kMaxLinesPerBox));
    AppendJsonArray(out, used, indent + 4,
                    [&](std::string& text, size_t i) { AppendJsonString(text, box.line[i]); });
  });
  card.Int("boxCount", s.boxCount)
      .Float("bgShift", s.bgShift)
      .Float("gradScale", s.gradScale)
      .Int("gradOrientation", s.gradOrientation)
      .Raw("bgColor", Hsl(s.backgroundColour))
      .Float("bgBrightness", s.bgBrightness);
  for (const PlacedPicture* picture : {&s.photo, &s.logo}) {
    const PictureKindRules& rules = RulesOf(picture->kind);
    JsonObject fields(indent + 2);
    for (const PictureField& field : rules.keptFields) {
      fields.Float(field.name, picture->*field.value);
    }
    card.Raw(rules.name, fields.Text("name", picture->name)
                             .Text("path", picture->path)
                             .Text("sha256", picture->hash)
                             .Done());
  }
  card.Float("cardHeight", s.cardHeight)
      .Float("cardWidth", s.cardWidth)
      .Int("widthUnit", s.widthUnit)
      .Int("heightUnit", s.heightUnit)
      .Int("dpi", s.dpi)
      .Float("hueShift", s.hueShift)
      .Float("satShift", s.satShift)
      .Float("lightShift", s.lightShift)
      .Int("lnmb", s.layoutIndex)
      .Int("pnmb", s.backgroundIndex)
      .Raw("shrinkToFit", ShrinkToFitJson(s))
      .Raw("clearGround", ClearGroundJson(s))
      .Raw("alignments", AlignmentsJson(s))
      .Raw("customLayout", CustomLayoutJson(s));
  // Written in place like the lines, for a field may be as long as a line.
  const std::string fieldIndent(static_cast<size_t>(indent + 4), ' ');
  std::string& contact = card.Member("contact");
  contact += '{';
  for (size_t i = 0; i < details.size(); ++i) {
    contact += i ? ",\n" : "\n";
    contact += fieldIndent;
    contact += '"';
    contact += kContactKeys[i];
    contact += "\": ";
    AppendJsonString(contact, details[i]);
  }
  contact += '\n';
  contact.append(static_cast<size_t>(indent + 2), ' ');
  contact += '}';
  card.Raw("qr", QrCodeJson(s, indent + 2));
  card.Raw("objects", ObjectsJson(s, indent + 2));
}

std::string CardJson(const CardState& s, const ProjectReading& read) {
  JsonObject card(0);
  const ProjectHead& head = HeadOf(read);
  card.Raw("result", "\"" + std::string(ReadingName(read)) + "\"");
  card.Raw("version", head.versionRead ? std::to_string(head.version) : "null");
  card.Raw("background",
           head.backgroundNameRead ? JsonString(NameText(head.backgroundName)) : "null");
  AppendFaceJson(card, s, 0);
  // The back, when the card has one: the same members; its background by number only.
  if (s.back.Has()) {
    JsonObject back(2);
    AppendFaceJson(back, BackFaceOf(s), 2);
    card.Raw("back", back.Done());
  } else {
    card.Raw("back", "null");
  }
  // The pictures the file holds: what the faces show, each distinct one once.
  const PictureStore held = PicturesOfCard(s);
  std::string& pictures = card.Member("pictures");
  const std::vector<std::pair<QString, StoredPicture>> listed(held.Pictures().begin(),
                                                              held.Pictures().end());
  AppendJsonArray(pictures, listed.size(), 2, [&](std::string& out, size_t i) {
    const auto& [hash, picture] = listed[i];
    out += JsonObject(4)
               .Text("name", picture.name)
               .Int("bytes", static_cast<int64_t>(picture.bytes->size()))
               .Text("sha256", hash)
               .Done();
  });
  return card.Done();
}

Step<> Info(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (IsHelp(arg)) {
      std::fputs(TrText(kInfoUsage).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
  }
  if (args.size() != 1) return Misused(TrText("needs exactly one project file"));
  if (args[0].starts_with("-")) return Misused(TrMessage("unknown option '%1'", args[0]));

  Outcome<std::vector<uint8_t>> file = ReadWholeFile(args[0], kMaxProjectBytes);
  if (!file) {
    return Failed(TrMessage("cannot read '%1': %2", args[0], TranslatedMessage(file.Message())));
  }
  // A library that cannot be read is no reason not to describe the file: backgrounds are then
  // matched against what was loaded (the custom ones), and an unknown name gives backgroundIndex 0.
  BackgroundTable table;
  if (const Step<> loaded = LoadBackgroundTable("info", table); !loaded) {
    PrintError("info", loaded.Message());
    PrintWarning("info", TrMessage("background names are looked up among the %1 backgrounds that "
                                   "could be loaded",
                                   table.Count()));
  }
  // Values are applied as they are read, so a damaged file shows how far it got.
  CardState state;
  const ProjectReading read = ReadProject(file.Value(), state, table, ReadMode::kApplyAsRead);
  std::vector<uint8_t>().swap(file.Value());  // the card holds the text now
  std::printf("%s\n", CardJson(state, read).c_str());
  if (!read) {
    const ProjectReadFailure& failure = read.Fault();
    return CliFailure{
        TrMessage("%1: %2 (%3)", args[0], ProjectFaultMessage(failure.kind), failure.message),
        failure.kind == ProjectFault::kVersionMismatch ? Stop::kVersionMismatch : Stop::kFailure,
        {}};
  }
  if (!read.Value().extensionProblem.empty()) {
    PrintWarning("info", TrMessage("%1: %2; the card itself is read whole", args[0],
                                   read.Value().extensionProblem));
  }
  return {};
}

Step<> Backgrounds(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (IsHelp(arg)) {
      std::fputs(TrText(kBackgroundsUsage).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
  }
  const bool check = args.size() == 1 && args[0] == "--check";
  if (!args.empty() && !check) return Misused(TrText("takes no arguments"));
  BackgroundTable table;
  const Step<> loaded = LoadBackgroundTable("backgrounds", table);
  if (!loaded) PrintError("backgrounds", loaded.Message());
  bool complete = loaded.Ok();
  std::printf("%-6s %-22s %s\n", "number", "name", "hue offset");
  for (int k = 0; k < table.Count(); ++k) {
    std::string name = JsonString(NameText(table.Record(k).name));
    std::printf("%6d %-22s %s\n", k, name.c_str(), FloatText(table.HueOffset(k)).c_str());
  }
  if (check) {
    for (const std::string& damaged : CheckBackgrounds(table)) {
      PrintWarning("backgrounds", damaged);
      complete = false;
    }
  }
  // What is missing was said as it was found.
  if (!complete) return Failed(std::string());
  return {};
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
  return Exit("info", Info(args));
}

int RunBackgrounds(const std::vector<std::string>& args) {
  return Exit("backgrounds", Backgrounds(args));
}

}  // namespace tavolo::cli
