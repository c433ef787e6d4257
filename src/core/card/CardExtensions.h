// CardExtensions: what a card keeps in the extension section of its file, as tagged chunks in
// the order they were read. Chunks this program does not know are kept byte for byte, so a card
// from a later program loses nothing through a load and a save here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tavolo {

// Four ASCII letters naming a chunk.
using ChunkTag = std::array<char, 4>;

constexpr ChunkTag MakeChunkTag(const char (&letters)[5]) {
  return {letters[0], letters[1], letters[2], letters[3]};
}

struct ExtensionChunk {
  ChunkTag tag{};
  std::vector<uint8_t> payload;
  friend bool operator==(const ExtensionChunk&, const ExtensionChunk&) = default;
};

// A kind of chunk this program knows is a type naming its tag and converting its value:
//   struct ContactChunk {
//     static constexpr ChunkTag kTag = MakeChunkTag("CONT");
//     using Value = ContactDetails;
//     static std::vector<uint8_t> Encode(const Value& value);
//     static std::optional<Value> Decode(std::span<const uint8_t> payload);  // nullopt: damaged
//   };
// and is read and written through Get<ContactChunk>() and Set<ContactChunk>(value).
class CardExtensions {
 public:
  bool Empty() const { return chunks_.empty(); }
  const std::vector<ExtensionChunk>& Chunks() const { return chunks_; }

  // The payload of the first chunk tagged `tag`; nullptr when there is none.
  const std::vector<uint8_t>* Find(ChunkTag tag) const;
  // Replaces the payload of the first chunk tagged `tag`, or adds that chunk at the end.
  void Put(ChunkTag tag, std::vector<uint8_t> payload);
  // Drops every chunk tagged `tag`.
  void Remove(ChunkTag tag);
  // Adds a chunk as read from a file: order and repeated tags are kept.
  void Append(ExtensionChunk chunk) { chunks_.push_back(std::move(chunk)); }

  template <class Kind>
  std::optional<typename Kind::Value> Get() const {
    const std::vector<uint8_t>* payload = Find(Kind::kTag);
    if (payload == nullptr) return std::nullopt;
    return Kind::Decode(*payload);
  }
  // A chunk of this kind is there but does not decode.
  template <class Kind>
  bool HoldsDamaged() const {
    const std::vector<uint8_t>* payload = Find(Kind::kTag);
    return payload != nullptr && !Kind::Decode(*payload);
  }
  template <class Kind>
  void Set(const typename Kind::Value& value) {
    Put(Kind::kTag, Kind::Encode(value));
  }

  friend bool operator==(const CardExtensions&, const CardExtensions&) = default;

 private:
  std::vector<ExtensionChunk> chunks_;
};

}  // namespace tavolo
