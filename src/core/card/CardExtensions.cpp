#include "core/card/CardExtensions.h"

#include <algorithm>
#include <utility>

namespace tavolo {

const std::vector<uint8_t>* CardExtensions::Find(ChunkTag tag) const {
  const auto found =
      std::ranges::find_if(chunks_, [&](const ExtensionChunk& c) { return c.tag == tag; });
  return found == chunks_.end() ? nullptr : &found->payload;
}

void CardExtensions::Put(ChunkTag tag, std::vector<uint8_t> payload) {
  const auto found =
      std::ranges::find_if(chunks_, [&](const ExtensionChunk& c) { return c.tag == tag; });
  if (found == chunks_.end()) {
    chunks_.push_back({tag, std::move(payload)});
  } else {
    found->payload = std::move(payload);
  }
}

void CardExtensions::Remove(ChunkTag tag) {
  std::erase_if(chunks_, [&](const ExtensionChunk& c) { return c.tag == tag; });
}

}  // namespace tavolo
