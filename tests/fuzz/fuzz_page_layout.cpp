// libFuzzer target for the page-layout reader: any input reads without harm; a layout that reads
// writes bytes that read back to it, keeps a name a save could write, and either fits its paper
// with every card starting within reach of the paper or is refused by the grid.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzRequire.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/SheetGrid.h"

namespace {

constexpr tavolo::PaperMm kA4{210, 297};
constexpr double kDeviceDpi = 1200.0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tavolo::Outcome<tavolo::PageLayout> read = tavolo::ParsePageLayout(std::span(data, size));
  if (!read) {
    Require(!read.Message().empty());
    return 0;
  }
  const tavolo::PageLayout& layout = read.Value();
  Require(layout.name.toUtf8().size() <= tavolo::kMaxLayoutNameBytes);
  const std::vector<uint8_t> written = tavolo::SerializePageLayout(layout);
  const tavolo::Outcome<tavolo::PageLayout> again = tavolo::ParsePageLayout(written);
  Require(again && again.Value() == layout);

  for (const int dpi : {72, 300, 600}) {
    const tavolo::SheetPlacement placement = tavolo::PlaceCards(layout, kA4, dpi, kDeviceDpi);
    Require(placement.cards.size() == static_cast<size_t>(tavolo::CardCount(placement.grid)));
    // Every card lies within a few papers of the corner: nothing a PDF writer cannot hold.
    const double reach = 4 * 297 / 25.4 * kDeviceDpi;
    for (const QRectF& card : placement.cards) {
      Require(std::isfinite(card.left()) && std::isfinite(card.top()));
      Require(card.left() >= 0 && card.top() >= 0 && card.right() <= reach &&
              card.bottom() <= reach);
    }
  }
  return 0;
}
