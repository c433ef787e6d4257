#include "core/library/TemplatePreview.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include <QPainter>

#include "core/base/Translation.h"
#include "core/editing/CardSize.h"
#include "core/imaging/RasterImage.h"

namespace tavolo {

namespace {

constexpr int kShadowAlpha = 14;  // per layer; the layers add up towards the card
constexpr int kOutlineAlpha = 70;

}  // namespace

QSize TemplatePreviewCardSize(float cardWidth, float cardHeight) {
  if (!UsableCardSide(cardWidth) || !UsableCardSide(cardHeight)) {
    cardWidth = kDefaultCardWidth;
    cardHeight = kDefaultCardHeight;
  }
  const float boxWidth = static_cast<float>(kPreviewCellWidth - 2 * kPreviewMargin);
  const float boxHeight = static_cast<float>(kPreviewCellHeight - 2 * kPreviewMargin);
  const float scale = std::min(boxWidth / cardWidth, boxHeight / cardHeight);
  return {
      std::clamp(static_cast<int>(std::lround(cardWidth * scale)), 1, static_cast<int>(boxWidth)),
      std::clamp(static_cast<int>(std::lround(cardHeight * scale)), 1,
                 static_cast<int>(boxHeight))};
}

QImage RenderTemplatePreview(CardRenderer& renderer, const CardState& card) {
  if (!UsableCardSide(card.cardWidth) || !UsableCardSide(card.cardHeight)) return {};
  // Drawn at about the print image's size and scaled down from there, so text keeps its
  // proportions at every card size.
  const int divisor = PrintSizeDivisor(card.cardWidth, card.cardHeight);
  const int dx = static_cast<int>(card.cardWidth) / divisor;
  const int dy = static_cast<int>(card.cardHeight) / divisor;
  const QImage full = renderer.Render(card, divisor, dx, dy);
  if (full.isNull()) return {};

  const QSize size = TemplatePreviewCardSize(card.cardWidth, card.cardHeight);
  const QImage scaled = full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage preview(size.width() + 2 * kPreviewShadow, size.height() + 2 * kPreviewShadow,
                 QImage::Format_RGB32);
  preview.fill(kPreviewCellColour);
  QPainter painter(&preview);
  const QRect cardRect(kPreviewShadow, kPreviewShadow, size.width(), size.height());
  // A soft shadow falling slightly downwards: layers that grow outwards and fade.
  for (int i = kPreviewShadow; i >= 1; --i) {
    painter.fillRect(cardRect.adjusted(-i + 1, -i + 2, i - 1, i), QColor(0, 0, 0, kShadowAlpha));
  }
  painter.drawImage(cardRect.topLeft(), scaled);
  painter.setPen(QColor(0, 0, 0, kOutlineAlpha));
  painter.drawRect(cardRect.adjusted(0, 0, -1, -1));
  painter.end();
  return preview;
}

Outcome<std::vector<uint8_t>> EncodeTemplatePreview(CardRenderer& renderer, const CardState& card) {
  const QImage preview = RenderTemplatePreview(renderer, card);
  if (preview.isNull()) return Failure{TrMessage("The card could not be rendered.")};
  const auto width = static_cast<uint32_t>(preview.width());
  const auto height = static_cast<uint32_t>(preview.height());
  const std::span<const uint32_t> pixels(reinterpret_cast<const uint32_t*>(preview.constBits()),
                                         static_cast<size_t>(width) * height);
  RasterImage image;
  std::vector<uint8_t> png;
  if (!image.CreateFromPixels(pixels, width, height) || !image.Encode(png, kFormatPng)) {
    return Failure{TranslatedMessage(image.GetLastError())};
  }
  return png;
}

}  // namespace tavolo
