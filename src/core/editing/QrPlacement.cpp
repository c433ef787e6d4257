#include "core/editing/QrPlacement.h"

#include <algorithm>

#include "core/editing/CardSize.h"
#include "core/qr/QrCodeDrawing.h"

namespace tavolo {

namespace {

// Whether any pixel of `area` (clipped to the pictures) differs between the two.
bool Differs(const QImage& a, const QImage& b, const PixelRect& area) {
  const int left = std::max(area.left, 0), right = std::min(area.right, a.width());
  const int top = std::max(area.top, 0), bottom = std::min(area.bottom, a.height());
  for (int y = top; y < bottom; ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    if (!std::equal(rowA + left, rowA + right, rowB + left)) return true;
  }
  return false;
}

}  // namespace

std::optional<PlacedQrCode> PlaceNewQrCode(CardRenderer& renderer, const CardState& card) {
  // The card as drawn, and its bare ground: where they differ, something is drawn over it.
  CardState drawn = card;
  drawn.qrCode.reset();
  CardState bare = drawn;
  for (TextBoxLines& box : bare.lines) box = TextBoxLines();
  for (const PictureKind kind : kPictureKinds) bare.Picture(kind).name.clear();
  // About half the print image's size: a line of text is still a few pixels high.
  const int divisor = std::max(1, PrintSizeDivisor(card.cardWidth, card.cardHeight) * 2);
  const int dx = static_cast<int>(card.cardWidth) / divisor;
  const int dy = static_cast<int>(card.cardHeight) / divisor;
  if (dx < 1 || dy < 1) return std::nullopt;
  const QImage ground = renderer.Render(bare, divisor, dx, dy, CardRenderer::Reuse::kOnce);
  const QImage whole = renderer.Render(drawn, divisor, dx, dy, CardRenderer::Reuse::kOnce);
  if (ground.isNull() || whole.isNull()) return std::nullopt;
  for (const QrCorner corner : kQrCorners) {
    const PlacedQrCode code = NewQrCode(card.cardWidth, card.cardHeight, corner);
    if (!Differs(ground, whole, QrCodeArea(code, divisor))) return code;
  }
  return std::nullopt;
}

}  // namespace tavolo
