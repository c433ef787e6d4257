#include "core/formats/CardChunks.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "core/base/Translation.h"
#include "core/card/ClearGround.h"
#include "core/formats/AlignmentChunk.h"
#include "core/formats/ClearGroundChunk.h"
#include "core/formats/ContactChunk.h"
#include "core/formats/CustomLayoutChunk.h"
#include "core/formats/ObjectsChunk.h"
#include "core/formats/PictureChunk.h"
#include "core/formats/PictureLinkChunk.h"
#include "core/formats/QrCodeChunk.h"
#include "core/formats/ShrinkToFitChunk.h"

namespace tavolo {

namespace {

// Decodes `payload` into `field` when that is empty; what became of the chunk.
template <class Kind, class Value>
ChunkUse Take(std::optional<Value>& field, std::span<const uint8_t> payload) {
  if (field) return ChunkUse::kRepeated;
  field = Kind::Decode(payload);
  return field ? ChunkUse::kTaken : ChunkUse::kDamaged;
}

// The photo's and the logo's hashes from a "PLNK" chunk, unless an earlier one gave them.
ChunkUse TakePictureLinks(std::span<const uint8_t> payload, CardState& card) {
  const bool taken = std::ranges::any_of(card.extensions.Entries(), [](const auto& entry) {
    return entry.tag == PictureLinkChunk::kTag && !entry.kept;
  });
  if (taken) return ChunkUse::kRepeated;
  const std::optional<PictureLinkChunk::Hashes> hashes = PictureLinkChunk::Decode(payload);
  if (!hashes) return ChunkUse::kDamaged;
  for (const PictureKind kind : kPictureKinds) card.Picture(kind).hash = (*hashes)[KindIndex(kind)];
  return ChunkUse::kTaken;
}

// The added objects from an "OBJS" chunk, unless an earlier one gave them.
ChunkUse TakeObjects(std::span<const uint8_t> payload, CardState& card) {
  const bool taken = std::ranges::any_of(card.extensions.Entries(), [](const auto& entry) {
    return entry.tag == ObjectsChunk::kTag && !entry.kept;
  });
  if (taken) return ChunkUse::kRepeated;
  std::optional<std::vector<PlacedObject>> objects = ObjectsChunk::Decode(payload);
  if (!objects) return ChunkUse::kDamaged;
  card.objects = std::move(*objects);
  return ChunkUse::kTaken;
}

std::optional<std::vector<uint8_t>> EncodedLinks(const CardState& card) {
  PictureLinkChunk::Hashes hashes;
  // Only pictures whose bytes the card holds: the others are read from the photo folder.
  for (const PictureKind kind : kPictureKinds) {
    const QString& hash = card.Picture(kind).hash;
    if (card.pictures.Find(hash)) hashes[KindIndex(kind)] = hash;
  }
  if (std::ranges::all_of(hashes, &QString::isEmpty)) return std::nullopt;
  return PictureLinkChunk::Encode(hashes);
}

template <class Kind, class Value>
std::optional<std::vector<uint8_t>> Encoded(const std::optional<Value>& field) {
  if (!field) return std::nullopt;
  return Kind::Encode(*field);
}

}  // namespace

ChunkUse TakeTypedChunk(const ExtensionChunk& chunk, CardState& card) {
  if (chunk.tag == ContactChunk::kTag) return Take<ContactChunk>(card.contact, chunk.payload);
  if (chunk.tag == ShrinkToFitChunk::kTag) {
    return Take<ShrinkToFitChunk>(card.shrinkToFit, chunk.payload);
  }
  if (chunk.tag == QrCodeChunk::kTag) return Take<QrCodeChunk>(card.qrCode, chunk.payload);
  if (chunk.tag == AlignmentChunk::kTag) {
    return Take<AlignmentChunk>(card.alignments, chunk.payload);
  }
  if (chunk.tag == CustomLayoutChunk::kTag) {
    return Take<CustomLayoutChunk>(card.custom, chunk.payload);
  }
  if (chunk.tag == PictureLinkChunk::kTag) return TakePictureLinks(chunk.payload, card);
  if (chunk.tag == ObjectsChunk::kTag) return TakeObjects(chunk.payload, card);
  if (chunk.tag == ClearGroundChunk::kTag) {
    const ChunkUse use = Take<ClearGroundChunk>(card.clearGround, chunk.payload);
    // Measured for the artwork of the card it came with.
    if (use == ChunkUse::kTaken) SetClearGround(card, card.clearGround->boxes);
    return use;
  }
  return ChunkUse::kUnknown;
}

std::string ChunkProblem(ChunkTag tag, ChunkUse use) {
  if (use == ChunkUse::kRepeated) {
    return TrMessage(
        "the extension section holds more than one chunk %1; the first is read, "
        "the others are kept as they are",
        ChunkTagText(tag));
  }
  if (use != ChunkUse::kDamaged) return {};
  if (tag == ContactChunk::kTag) return TrMessage("the contact details chunk \"CONT\" is damaged");
  if (tag == ShrinkToFitChunk::kTag) {
    return TrMessage("the shrink-to-fit chunk \"FITS\" is damaged");
  }
  if (tag == QrCodeChunk::kTag) return TrMessage("the QR code chunk \"QRCD\" is damaged");
  if (tag == PictureLinkChunk::kTag) {
    return TrMessage("the chunk \"PLNK\" naming the card's pictures is damaged");
  }
  if (tag == PictureChunk::kTag) return TrMessage("an embedded picture chunk \"PICT\" is damaged");
  if (tag == ClearGroundChunk::kTag) {
    return TrMessage("the clear ground chunk \"CLRG\" is damaged");
  }
  if (tag == ObjectsChunk::kTag) {
    return TrMessage("the placed objects chunk \"OBJS\" is damaged or of a later version");
  }
  if (tag == AlignmentChunk::kTag) {
    return TrMessage("the text alignment chunk \"ALGN\" is damaged or of a later version");
  }
  if (tag == CustomLayoutChunk::kTag) {
    return TrMessage("the Custom layout chunk \"CUST\" is damaged or of a later version");
  }
  return {};
}

std::string UnknownObjectsProblem(const CardState& card) {
  const auto unknown = [](const CardState& face) {
    return std::ranges::count_if(
        face.objects, [](const PlacedObject& object) { return !IsAddedKind(object.kind); });
  };
  const auto count = unknown(card) + (card.back.Has() ? unknown(card.back.Face()) : 0);
  if (count == 0) return {};
  return TrMessage(
      "the card holds %1 placed objects of a kind this version does not know; they are kept "
      "and not drawn",
      static_cast<int>(count));
}

std::vector<ExtensionChunk> SectionChunks(const CardState& card,
                                          std::optional<std::vector<uint8_t>> back,
                                          std::vector<ExtensionChunk> pictures) {
  struct Typed {
    ChunkTag tag;
    std::optional<std::vector<uint8_t>> payload;
    bool placed = false;
  };
  // In the order a new card gains them; the back last.
  // Clear ground measured for other artwork is left behind.
  std::array<Typed, 9> typed = {{
      {ShrinkToFitChunk::kTag, Encoded<ShrinkToFitChunk>(card.shrinkToFit)},
      {ContactChunk::kTag, Encoded<ContactChunk>(card.contact)},
      {QrCodeChunk::kTag, Encoded<QrCodeChunk>(card.qrCode)},
      {PictureLinkChunk::kTag, EncodedLinks(card)},
      {ClearGroundChunk::kTag,
       Encoded<ClearGroundChunk>(ClearGroundHolds(card) ? card.clearGround : std::nullopt)},
      {ObjectsChunk::kTag,
       card.objects.empty() ? std::nullopt : std::optional(ObjectsChunk::Encode(card.objects))},
      {AlignmentChunk::kTag, card.alignments && AnyAligned(*card.alignments)
                                 ? std::optional(AlignmentChunk::Encode(*card.alignments))
                                 : std::nullopt},
      {CustomLayoutChunk::kTag, Encoded<CustomLayoutChunk>(card.custom)},
      {kBackSideChunkTag, std::move(back)},
  }};
  const auto typedOf = [&](ChunkTag tag) {
    return std::ranges::find_if(typed, [&](const Typed& t) { return t.tag == tag; });
  };
  for (const CardExtensions::Entry& entry : card.extensions.Entries()) {
    if (!entry.kept && typedOf(entry.tag) != typed.end()) typedOf(entry.tag)->placed = true;
  }
  std::vector<ExtensionChunk> chunks;
  const auto put = [&](Typed& field) {
    if (field.tag == kBackSideChunkTag) {
      // The pictures go with the fields the card gained, before the back.
      std::ranges::move(pictures, std::back_inserter(chunks));
      pictures.clear();
    }
    if (field.payload) chunks.push_back({field.tag, *std::exchange(field.payload, std::nullopt)});
  };
  for (const CardExtensions::Entry& entry : card.extensions.Entries()) {
    if (entry.kept) {
      chunks.push_back({entry.tag, *entry.kept});
      continue;
    }
    const auto field = typedOf(entry.tag);
    if (field == typed.end()) continue;
    if (field->tag == kBackSideChunkTag) {
      for (Typed& gained : typed) {
        if (!gained.placed && gained.tag != kBackSideChunkTag) put(gained);
      }
    }
    put(*field);
  }
  for (Typed& field : typed) put(field);
  return chunks;
}

}  // namespace tavolo
