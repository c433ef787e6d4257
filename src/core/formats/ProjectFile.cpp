#include "core/formats/ProjectFile.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/card/CardFaces.h"
#include "core/card/CardLimits.h"
#include "core/card/PlainFileName.h"
#include "core/formats/ExtensionSection.h"
#include "core/formats/PictureChunk.h"
#include "core/formats/StoredString.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr uint32_t kPhotoSubVersion = 1;
constexpr uint32_t kOldPhotoSubVersion = 0;
constexpr uint32_t kLogoSubVersion = 0;

// The sub-version a picture's section is written with.
uint32_t SubVersionOf(PictureKind kind) {
  return kind == PictureKind::kPhoto ? kPhotoSubVersion : kLogoSubVersion;
}

constexpr int32_t kMinBoxCount = 3;
constexpr int32_t kMaxLayout = 9;
constexpr int32_t kMaxGradOrientation = 3;
// Above this a format version or sub-version is no number a card was ever written with.
constexpr uint32_t kMaxPlausibleVersion = 0xFFFF;

// What a read step ends with: the whole card read, or why not.
enum class ReadStep { kRead, kVersionMismatch, kFileError };

// What the reader finds out besides the card.
struct ReadNotes {
  ProjectHead head;
  bool notACard = false;
  std::string detail;  // what went wrong
  std::string extensionProblem;
};

// Reads one project; every field is stored into `state` as soon as it is read and accepted.
class ProjectReader {
 public:
  // A reader of a back keeps a "BACK" chunk in its card as it is (a back has none).
  enum class Face { kFront, kBack };

  ProjectReader(std::span<const uint8_t> data, CardState& state, const BackgroundTable& table,
                ReadNotes& result, Face face = Face::kFront)
      : in_(data), state_(state), table_(table), result_(result), face_(face) {}

  ReadStep Read() {
    const ReadStep card = ReadCard();
    if (card != ReadStep::kRead) return card;
    std::vector<ExtensionChunk> chunks;
    const Outcome<> section = ReadExtensionSection(in_.Bytes(in_.remaining()), chunks);
    if (!section) result_.extensionProblem = TranslatedMessage(section.Message());
    for (ExtensionChunk& chunk : chunks) {
      std::string problem;
      const ChunkUse use = chunk.tag == kBackSideChunkTag && face_ == Face::kFront
                               ? TakeBack(chunk.payload, problem)
                           : chunk.tag == PictureChunk::kTag ? TakePicture(chunk.payload)
                                                             : TakeTypedChunk(chunk, state_);
      if (use == ChunkUse::kTaken) {
        // The pictures are written where the fields a card gains go: they need no place.
        if (chunk.tag == PictureChunk::kTag) {
          chunk.payload = {};
        } else {
          state_.extensions.MarkTypedPlace(chunk.tag);
        }
      } else {
        // Kept byte for byte: a damaged or second chunk may hold what a later version reads.
        state_.extensions.Keep(chunk.tag, std::move(chunk.payload));
      }
      if (problem.empty()) problem = ChunkProblem(chunk.tag, use);
      if (result_.extensionProblem.empty()) result_.extensionProblem = std::move(problem);
    }
    if (result_.extensionProblem.empty()) result_.extensionProblem = UnknownObjectsProblem(state_);
    if (face_ == Face::kFront) SharePictures();
    return ReadStep::kRead;
  }

  // An embedded picture, held until the faces take the ones they show.
  ChunkUse TakePicture(std::span<const uint8_t> payload) {
    std::optional<PictureChunk::Decoded> decoded = PictureChunk::Decode(payload);
    if (!decoded) return ChunkUse::kDamaged;
    state_.pictures.Put(decoded->hash, std::move(decoded->picture));
    return ChunkUse::kTaken;
  }

  // The pictures read (the front's chunks hold both faces') go to the faces that show them. A
  // picture whose bytes are missing is read from the photo folder, as a file without embedded
  // pictures is, and gains them at the next save.
  void SharePictures() {
    PictureStore pool = std::move(state_.pictures);
    std::optional<CardState> back;
    if (state_.back.Has()) {
      back = state_.back.Face();
      for (const auto& [hash, picture] : back->pictures.Pictures()) pool.Put(hash, picture);
    }
    const auto take = [&](CardState& face) {
      face.pictures = PicturesShownBy(pool, face);
      for (const PictureKind kind : kPictureKinds) {
        QString& hash = face.Picture(kind).hash;
        if (hash.isEmpty() || face.pictures.Find(hash)) continue;
        hash.clear();
        if (result_.extensionProblem.empty()) {
          result_.extensionProblem =
              TrMessage("the card names an embedded picture for its %1 that the file does not hold",
                        kind == PictureKind::kPhoto ? TrText("photo") : TrText("logo"));
        }
      }
    };
    take(state_);
    if (back) {
      take(*back);
      state_.back = CardBack(*back);
    }
  }

  // The back, a card stream of its own in its chunk, decoded into state.back unless the card has
  // one already. A back that does not read, or holds a back of its own, is damaged; what was
  // wrong inside a back that reads is told as the back's.
  ChunkUse TakeBack(std::span<const uint8_t> payload, std::string& problem) {
    if (state_.back.Has()) return ChunkUse::kRepeated;
    CardState back = state_;
    back.back = CardBack();
    ReadNotes read;
    const ReadStep result = ProjectReader(payload, back, table_, read, Face::kBack).Read();
    std::string damage;
    if (result != ReadStep::kRead) {
      damage = read.detail;
    } else if (std::ranges::any_of(back.extensions.Entries(), [](const auto& entry) {
                 return entry.tag == kBackSideChunkTag;
               })) {
      damage = TrMessage("the back holds a back of its own");
    }
    if (!damage.empty()) {
      problem = TrMessage("the back side chunk \"BACK\" is damaged: %1", damage);
      return ChunkUse::kDamaged;
    }
    if (!read.extensionProblem.empty()) {
      problem = TrMessage("%1 (on the back side)", read.extensionProblem);
    }
    TakeSizeOf(back, state_);
    state_.back = CardBack(back);
    return ChunkUse::kTaken;
  }

  ReadStep ReadCard() {
    if (!HasCardHead()) {
      result_.notACard = true;
      return Refused(TrMessage("the file is not a Tavolo card"));
    }
    if (!U32(result_.head.version)) return Ended(TrText("the format version"));
    result_.head.versionRead = true;
    // The extension section belongs to the file read: a file without one leaves the card none.
    state_.contact.reset();
    state_.shrinkToFit.reset();
    state_.qrCode.reset();
    state_.alignments.reset();
    state_.custom.reset();
    state_.objects.clear();
    state_.back = CardBack();
    state_.extensions = {};
    state_.pictures = {};
    for (const PictureKind kind : kPictureKinds) state_.Picture(kind).hash.clear();
    for (int b = 0; b < kTextBoxCount; ++b) {
      if (const ReadStep r = ReadStyle(state_.styles[b], b); r != ReadStep::kRead) {
        return r;
      }
    }
    if (const ReadStep r = ReadText(); r != ReadStep::kRead) return r;
    if (const ReadStep r = ReadBackground(); r != ReadStep::kRead) return r;
    if (const ReadStep r = ReadIdentityAndTint(); r != ReadStep::kRead) return r;
    if (result_.head.version > kProjectFormatVersion) {
      // A later version holds sections this one does not know; taking what was read as the
      // whole card would drop them unseen, and a save would lose them.
      result_.detail =
          TrMessage("the format version %1 is newer than this program reads", result_.head.version);
      return ReadStep::kVersionMismatch;
    }
    if (result_.head.version == 0) return ReadStep::kRead;
    if (const ReadStep r = ReadPicture(state_.photo); r != ReadStep::kRead) return r;
    if (const ReadStep r = ReadCardSize(); r != ReadStep::kRead) return r;
    if (result_.head.version != 2) return ReadStep::kRead;
    return ReadPicture(state_.logo);
  }

  // A card starts with its format version and the first style's sub-version, both small numbers
  // (a later version's too); text, pictures and random bytes almost never do.
  bool HasCardHead() const {
    ByteReader head = in_;
    const uint32_t version = head.U32();
    if (!head.ok() || version > kMaxPlausibleVersion) return false;
    const uint32_t subVersion = head.U32();
    return !head.ok() || subVersion <= kMaxPlausibleVersion;
  }

  // `what` is in the user's language already.
  ReadStep Ended(const std::string& what) {
    result_.detail = TrMessage("the file ends inside %1", what);
    return ReadStep::kFileError;
  }
  ReadStep Refused(std::string detail) {
    result_.detail = std::move(detail);
    return ReadStep::kFileError;
  }
  // `section` is in the user's language already.
  ReadStep Mismatch(const std::string& section, uint32_t subVersion) {
    result_.detail = TrMessage("the %1 section has sub-version %2", section, subVersion);
    return ReadStep::kVersionMismatch;
  }

  // Each value is stored only when its bytes are there, so a file that ends early leaves the
  // fields from that point on as they were.
  bool U32(uint32_t& field) { return Take(field, in_.U32()); }
  bool I32(int32_t& field) { return Take(field, in_.I32()); }
  bool F32(float& field) { return Take(field, in_.F32()); }
  template <class T>
  bool Take(T& field, T value) {
    if (!in_.ok()) return false;
    field = value;
    return true;
  }

  // Reads the sub-version; kSuccess when it is `expected`.
  ReadStep SubVersion(const std::string& section, uint32_t expected, uint32_t& read) {
    if (!U32(read)) return Ended(TrText("a sub-version"));
    return read == expected ? ReadStep::kRead : Mismatch(section, read);
  }

  bool Hsl(HslColour& c) { return F32(c.h) && F32(c.s) && F32(c.l); }

  ReadStep ReadStyle(TextBoxStyle& s, int box) {
    uint32_t sub = 0;
    const std::string section = TrMessage("style %1", box);
    if (const ReadStep r = SubVersion(section, 0, sub); r != ReadStep::kRead) {
      return r;
    }
    if (!ReadStoredString(in_, s.size) || !ReadStoredString(in_, s.face) ||
        !ReadStoredString(in_, s.style) || !Hsl(s.textColour) || !Hsl(s.frameColour) ||
        !I32(s.frameMode) || !I32(s.frameSize) || !I32(s.reserved) || !F32(s.opacity) ||
        !F32(s.brightness)) {
      return Ended(section);
    }
    return ReadStep::kRead;
  }

  ReadStep ReadText() {
    uint32_t sub = 0;
    if (const ReadStep r = SubVersion(TrText("text"), 0, sub); r != ReadStep::kRead) {
      return r;
    }
    for (int b = 0; b < kTextBoxCount; ++b) {
      uint32_t count = 0;
      if (!U32(count)) return Ended(TrText("the text section"));
      if (count > static_cast<uint32_t>(kMaxLinesPerBox)) {
        return Refused(TrMessage("text box %1 has %2 lines; at most %3 are allowed", b, count,
                                 kMaxLinesPerBox));
      }
      TextBoxLines& lines = state_.lines[b];
      lines.count = static_cast<int32_t>(count);
      for (uint32_t i = 0; i < count; ++i) {
        if (!ReadStoredString(in_, lines.line[i])) return Ended(TrText("the text section"));
      }
    }
    int32_t boxCount = 0;
    if (!I32(boxCount)) return Ended(TrText("the text section"));
    if (boxCount < kMinBoxCount || boxCount > kTextBoxCount) {
      return Refused(TrMessage("the box count %1 is not 3, 4 or 5", boxCount));
    }
    state_.boxCount = boxCount;
    return ReadStep::kRead;
  }

  ReadStep ReadBackground() {
    uint32_t sub = 0;
    if (const ReadStep r = SubVersion(TrText("background"), 0, sub); r != ReadStep::kRead) {
      return r;
    }
    int32_t orientation = 0;
    if (!F32(state_.bgShift) || !F32(state_.gradScale) || !F32(state_.bgBrightness) ||
        !I32(orientation)) {
      return Ended(TrText("the background section"));
    }
    if (orientation < 0 || orientation > kMaxGradOrientation) {
      return Refused(TrMessage("the gradient orientation %1 is not 0 to 3", orientation));
    }
    state_.gradOrientation = orientation;
    if (!Hsl(state_.backgroundColour)) return Ended(TrText("the background section"));
    return ReadStep::kRead;
  }

  ReadStep ReadIdentityAndTint() {
    const std::span<const uint8_t> name = in_.Bytes(kBackgroundNameBytes);
    if (!in_.ok()) return Ended(TrText("the background name"));
    std::memcpy(result_.head.backgroundName.data(), name.data(), kBackgroundNameBytes);
    result_.head.backgroundNameRead = true;
    state_.backgroundIndex = table_.LookupByName(result_.head.backgroundName);

    int32_t layout = 0;
    if (!I32(layout)) return Ended(TrText("the layout number"));
    if (layout < 0 || layout > kMaxLayout) {
      return Refused(TrMessage("the layout number %1 is not 0 to 9", layout));
    }
    state_.layoutIndex = layout;
    if (!F32(state_.hueShift) || !F32(state_.satShift) || !F32(state_.lightShift)) {
      return Ended(TrText("the tint"));
    }
    return ReadStep::kRead;
  }

  // A picture's section: its sub-version, the numbers its kind keeps, its name and path. The name
  // is empty (none) or a file name inside customphotos; anything that could reach elsewhere is
  // refused.
  ReadStep ReadPicture(PlacedPicture& picture) {
    const bool photo = picture.kind == PictureKind::kPhoto;
    const std::string kind = photo ? TrText("photo") : TrText("logo");
    const std::string section = photo ? TrText("the photo section") : TrText("the logo section");
    uint32_t sub = 0;
    if (!U32(sub)) return Ended(TrText("a sub-version"));
    if (picture.kind == PictureKind::kPhoto && sub == kOldPhotoSubVersion) {
      // The older photo layout is read past and not used.
      QString ignored;
      if (!ReadStoredString(in_, ignored)) return Ended(section);
      in_.Skip(7 * 4);
      if (!in_.ok()) return Ended(section);
      return Mismatch(kind, sub);
    }
    if (sub != SubVersionOf(picture.kind)) return Mismatch(kind, sub);
    for (const PictureField& field : RulesOf(picture.kind).keptFields) {
      if (!F32(picture.*field.value)) return Ended(section);
    }
    QString readName;
    if (!ReadStoredString(in_, readName)) return Ended(kind);
    if (!readName.isEmpty() && !IsPlainFileName(readName)) {
      const std::string name = PrintableName(readName.toStdString());
      return Refused(photo ? TrMessage("the photo name \"%1\" is not a plain file name", name)
                           : TrMessage("the logo name \"%1\" is not a plain file name", name));
    }
    picture.name = std::move(readName);
    if (!ReadStoredString(in_, picture.path)) return Ended(kind);
    return ReadStep::kRead;
  }

  ReadStep ReadCardSize() {
    uint32_t sub = 0;
    if (const ReadStep r = SubVersion(TrText("card size"), 0, sub); r != ReadStep::kRead) {
      return r;
    }
    float height = 0.0f;
    float width = 0.0f;
    if (!I32(state_.widthUnit) || !I32(state_.heightUnit) || !F32(height) || !F32(width)) {
      return Ended(TrText("the card size section"));
    }
    if (const CardPixelSize size = CardPixels(width, height); !size.Ok()) {
      return Refused(size.problem);
    }
    state_.cardHeight = height;
    state_.cardWidth = width;
    if (!I32(state_.dpi)) return Ended(TrText("the card size section"));
    return ReadStep::kRead;
  }

  ByteReader in_;
  CardState& state_;
  const BackgroundTable& table_;
  ReadNotes& result_;
  const Face face_;
};

void WriteHsl(ByteWriter& out, const HslColour& c) {
  out.PutF32(c.h);
  out.PutF32(c.s);
  out.PutF32(c.l);
}

void WritePicture(ByteWriter& out, const PlacedPicture& picture) {
  out.PutU32(SubVersionOf(picture.kind));
  for (const PictureField& field : RulesOf(picture.kind).keptFields) {
    out.PutF32(picture.*field.value);
  }
  WriteStoredString(out, picture.name);
  WriteStoredString(out, picture.path);
}

ProjectReading Reading(ReadStep step, ReadNotes notes) {
  if (step == ReadStep::kRead) return ProjectRead{notes.head, std::move(notes.extensionProblem)};
  return ProjectReadFailure{std::move(notes.detail),
                            step == ReadStep::kVersionMismatch ? ProjectFault::kVersionMismatch
                                                               : ProjectFault::kFileError,
                            notes.head, notes.notACard};
}

}  // namespace

const char* ReadingName(const ProjectReading& reading) {
  if (reading) return "success";
  return reading.Fault().kind == ProjectFault::kVersionMismatch ? "version mismatch" : "file error";
}

std::string ProjectFaultMessage(ProjectFault fault) {
  return fault == ProjectFault::kVersionMismatch
             ? TrMessage("File could not be opened by this version of the software.")
             : TrMessage("File could not be opened");
}

const ProjectHead& HeadOf(const ProjectReading& reading) {
  return reading ? reading.Value().head : reading.Fault().head;
}

ProjectReading ReadProject(std::span<const uint8_t> data, CardState& state,
                           const BackgroundTable& table, ReadMode mode) {
  ReadNotes notes;
  ReadStep step = ReadStep::kFileError;
  if (mode == ReadMode::kApplyAsRead) {
    step = ProjectReader(data, state, table, notes).Read();
  } else {
    CardState read = state;
    step = ProjectReader(data, read, table, notes).Read();
    if (step != ReadStep::kFileError) state = std::move(read);
  }
  return Reading(step, std::move(notes));
}

ProjectReading ReadProject(const std::filesystem::path& path, CardState& state,
                           const BackgroundTable& table, ReadMode mode) {
  const Outcome<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxProjectBytes);
  if (!file) {
    ReadNotes notes;
    notes.detail = TranslatedMessage(file.Message());
    return Reading(ReadStep::kFileError, std::move(notes));
  }
  return ReadProject(file.Value(), state, table, mode);
}

namespace {

// The chunks of the pictures the card's faces show, each distinct picture once.
std::vector<ExtensionChunk> PictureChunks(const CardState& card) {
  const PictureStore shown = PicturesOfCard(card);
  std::vector<ExtensionChunk> chunks;
  for (const auto& [hash, picture] : shown.Pictures()) {
    chunks.push_back({PictureChunk::kTag, PictureChunk::Encode(hash, picture)});
  }
  return chunks;
}

// The front holds the pictures of both faces.
std::vector<uint8_t> SerializeFace(const CardState& state, const BackgroundTable& table,
                                   bool front) {
  const int backgroundIndex = state.backgroundIndex;
  const bool inTable = backgroundIndex >= 0 && backgroundIndex < table.Count();
  TAVOLO_CHECK_AS("btbl[pnmb].n==pnmb",
                  inTable && table.Record(backgroundIndex).n == backgroundIndex);
  const BackgroundName name = inTable ? table.Record(backgroundIndex).name : BackgroundName{};

  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  out.PutU32(kProjectFormatVersion);
  for (const TextBoxStyle& s : state.styles) {
    out.PutU32(0);
    WriteStoredString(out, s.size);
    WriteStoredString(out, s.face);
    WriteStoredString(out, s.style);
    WriteHsl(out, s.textColour);
    WriteHsl(out, s.frameColour);
    out.PutI32(s.frameMode);
    out.PutI32(s.frameSize);
    out.PutI32(s.reserved);
    out.PutF32(s.opacity);
    out.PutF32(s.brightness);
  }

  out.PutU32(0);
  for (const TextBoxLines& lines : state.lines) {
    // A count outside 0..20 cannot be read back; the slots hold at most 20.
    const int32_t count = std::clamp(lines.count, 0, kMaxLinesPerBox);
    out.PutU32(static_cast<uint32_t>(count));
    for (int32_t i = 0; i < count; ++i) WriteStoredString(out, lines.line[i]);
  }
  out.PutI32(state.boxCount);

  out.PutU32(0);
  out.PutF32(state.bgShift);
  out.PutF32(state.gradScale);
  out.PutF32(state.bgBrightness);
  out.PutI32(state.gradOrientation);
  WriteHsl(out, state.backgroundColour);

  out.PutBytes(name);
  out.PutI32(state.layoutIndex);
  out.PutF32(state.hueShift);
  out.PutF32(state.satShift);
  out.PutF32(state.lightShift);

  WritePicture(out, state.photo);

  out.PutU32(0);
  out.PutI32(state.widthUnit);
  out.PutI32(state.heightUnit);
  out.PutF32(state.cardHeight);
  out.PutF32(state.cardWidth);
  out.PutI32(state.dpi);

  WritePicture(out, state.logo);
  std::optional<std::vector<uint8_t>> back;
  if (state.back.Has()) back = SerializeFace(BackFaceOf(state), table, false);
  WriteExtensionSection(
      out, SectionChunks(state, std::move(back),
                         front ? PictureChunks(state) : std::vector<ExtensionChunk>{}));
  return bytes;
}

}  // namespace

std::vector<uint8_t> SerializeProject(const CardState& state, const BackgroundTable& table) {
  return SerializeFace(state, table, true);
}

Outcome<> WriteProject(const std::filesystem::path& path, const CardState& state,
                       const BackgroundTable& table) {
  return Translated(WriteFileReplacing(path, SerializeProject(state, table)));
}

}  // namespace tavolo
