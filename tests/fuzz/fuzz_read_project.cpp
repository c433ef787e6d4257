// libFuzzer target for the project reader: any input reads without harm, and a card that reads
// with success writes a file that reads back to the same card and the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "FuzzRequire.h"
#include "core/formats/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tavolo::BackgroundTable table = [] {
    tavolo::BackgroundTable made;
    for (const char* name : {"Linen", "Marble"}) {
      made.Append(tavolo::MakeBackgroundName(name), tavolo::RasterImage(), 0.0f);
    }
    return made;
  }();
  const std::span<const uint8_t> input(data, size);

  tavolo::CardState kept;
  const tavolo::CardState before = kept;
  const tavolo::ProjectReading keptResult =
      tavolo::ReadProject(input, kept, table, tavolo::ReadMode::kKeepOnFileError);
  if (!keptResult && keptResult.Fault().kind == tavolo::ProjectFault::kFileError) {
    Require(tavolo::SerializeProject(kept, table) == tavolo::SerializeProject(before, table));
  }

  tavolo::CardState card;
  const tavolo::ProjectReading read = tavolo::ReadProject(input, card, table);
  Require(std::string_view(tavolo::ReadingName(read)) == tavolo::ReadingName(keptResult));
  if (!read.Ok()) return 0;
  Require(card.boxCount >= 3 && card.boxCount <= 5 && card.layoutIndex >= 0 &&
          card.layoutIndex <= 9);
  Require(card.backgroundIndex >= 0 && card.backgroundIndex < table.Count());

  const std::vector<uint8_t> written = tavolo::SerializeProject(card, table);
  tavolo::CardState again;
  Require(tavolo::ReadProject(written, again, table).Ok());
  Require(tavolo::SerializeProject(again, table) == written);
  return 0;
}
