// The typed fields of a card as chunks of its file's extension section: decoded once when a file
// is read, encoded once when it is written. The contact details ("CONT"), the shrink-to-fit
// flags ("FITS"), the QR code ("QRCD"), which embedded pictures the face shows ("PLNK"), a
// template's clear ground ("CLRG"), the objects the user added ("OBJS"), the boxes' text
// alignment ("ALGN") and the Custom layout ("CUST") are decoded here; the embedded pictures
// ("PICT") and the back
// ("BACK", a card stream of its own) by the project reader, which reads the section.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/card/CardState.h"
#include "core/formats/ExtensionSection.h"

namespace tavolo {

// The chunk that holds the card's back: a whole card stream of its own (format version,
// sections, its own extension section), never holding a back itself.
inline constexpr ChunkTag kBackSideChunkTag = MakeChunkTag("BACK");

// What became of a chunk read: decoded into its field, or kept as it was read because its tag
// is not one of a typed field, its payload does not decode, or an earlier chunk filled the field.
enum class ChunkUse { kTaken, kUnknown, kDamaged, kRepeated };

// Decodes a "CONT", "FITS", "QRCD", "PLNK", "CLRG", "OBJS", "ALGN" or "CUST" chunk into its field
// of `card` unless an earlier one did.
ChunkUse TakeTypedChunk(const ExtensionChunk& chunk, CardState& card);

// What a damaged or repeated chunk is reported with ("the QR code chunk "QRCD" is damaged");
// empty for a chunk taken or unknown.
std::string ChunkProblem(ChunkTag tag, ChunkUse use);

// What a card read is told when it holds objects of kinds this version does not know (kept,
// drawn as nothing); empty when it holds none.
std::string UnknownObjectsProblem(const CardState& card);

// The chunks of the section written for `card`, in the order read: the kept ones byte for byte,
// each typed field that holds a value encoded at its place. The fields the card gained since it
// was read, then `pictures` (the embedded pictures' chunks), come before the back's place, or
// last; `back` (the back's card stream, when the card has a back) ends the section unless it has
// a place.
std::vector<ExtensionChunk> SectionChunks(const CardState& card,
                                          std::optional<std::vector<uint8_t>> back,
                                          std::vector<ExtensionChunk> pictures = {});

}  // namespace tavolo
