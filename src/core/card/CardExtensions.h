// CardExtensions: what of its file's extension section a card holds as bytes: the chunks this
// program does not read (and those it could not: damaged ones, a second one of a kind), in the
// order they were read, with the places of the chunks the card holds as typed fields among them.
// A card from a later program so loses nothing through a load and a save here, and its section
// is written back in its order.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ranges>
#include <utility>
#include <vector>

namespace tavolo {

// Four ASCII letters naming a chunk.
using ChunkTag = std::array<char, 4>;

constexpr ChunkTag MakeChunkTag(const char (&letters)[5]) {
  return {letters[0], letters[1], letters[2], letters[3]};
}

class CardExtensions {
 public:
  struct Entry {
    ChunkTag tag{};
    // The chunk's bytes as read; none for the place of a chunk the card holds as a typed field.
    std::optional<std::vector<uint8_t>> kept;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  bool Empty() const { return entries_.empty(); }
  const std::vector<Entry>& Entries() const { return entries_; }
  // Adds a chunk to be written back as it was read.
  void Keep(ChunkTag tag, std::vector<uint8_t> payload) {
    entries_.push_back({tag, std::move(payload)});
  }
  // Adds the place where the chunk of the typed field tagged `tag` was read.
  void MarkTypedPlace(ChunkTag tag) { entries_.push_back({tag, std::nullopt}); }

  // The chunks kept, in their order: where the typed fields stood changes the order the section
  // is written in, not what the card holds.
  friend bool operator==(const CardExtensions& a, const CardExtensions& b) {
    const auto kept = std::views::filter([](const Entry& e) { return e.kept.has_value(); });
    return std::ranges::equal(a.entries_ | kept, b.entries_ | kept);
  }

 private:
  std::vector<Entry> entries_;
};

}  // namespace tavolo
