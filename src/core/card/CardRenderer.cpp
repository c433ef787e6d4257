#include "core/card/CardRenderer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/bridge/BoundedPicture.h"
#include "core/bridge/ImageBridge.h"
#include "core/card/BackgroundProcessing.h"
#include "core/card/CardLimits.h"
#include "core/card/PictureGeometry.h"
#include "core/card/QrCodeChunk.h"
#include "core/card/QrCodeDrawing.h"
#include "core/card/QrContentText.h"
#include "core/card/TextBoxLayout.h"
#include "core/card/Truncate.h"

namespace tavolo {

namespace {

// The rectangle may reach far past the card (a huge scale from a damaged file); a QRect could
// not hold its size, so the picture is placed through a QRectF, which maps it alike.
void DrawInto(QPainter& painter, const PixelRect& r, const QImage& image) {
  if (image.isNull() || r.Width() <= 0 || r.Height() <= 0) return;
  painter.drawImage(
      QRectF(r.left, r.top, static_cast<qreal>(r.Width()), static_cast<qreal>(r.Height())), image);
}

// Any card the program can describe fits; past this a size is a damaged value, not a card.
bool SizeFits(int dx, int dy) {
  return dx > 0 && dy > 0 && dx <= kMaxCardSide && dy <= kMaxCardSide &&
         static_cast<int64_t>(dx) * dy <= kMaxCardPixels;
}

}  // namespace

std::string DrawFieldCheckText(const PlacementRow& row, bool print) {
  std::string text = "DrawField( " + std::to_string(row.box) + ",ndiv,&mdc,frc_," +
                     std::to_string(row.offset) + "," + std::to_string(row.align) + ",buf1,dx,dy";
  if (print) {
    text += ",TRUE";
  } else if (row.angle != 0) {
    text += ",FALSE";
  }
  if (row.angle != 0) text += "," + std::to_string(row.angle);
  return text + ")";
}

CardRenderer::CardRenderer(const BackgroundTable* table, std::filesystem::path photoFolder)
    : table_(table), photoFolder_(std::move(photoFolder)) {}

void CardRenderer::SetBackgroundTable(const BackgroundTable* table) {
  table_ = table;
  DropBackgroundCache();
  // Another table may stand at the same generation: nothing made from the last one is kept.
  picture_ = QImage();
  pictureNumber_ = -1;
}

void CardRenderer::SetPhotoFolder(std::filesystem::path photoFolder) {
  photoFolder_ = std::move(photoFolder);
  for (HeldPicture& held : held_) held.loadedFor.reset();
}

void CardRenderer::DropBackgroundCache() {
  cache_ = QImage();
}

void CardRenderer::DropTurnedPictures() {
  for (HeldPicture& held : held_) {
    if (held.trimmed.IsValid()) held.drawn = QImage();
  }
}

void CardRenderer::ReloadPictures() {
  for (HeldPicture& held : held_) held.loadedFor.reset();
  DropTurnedPictures();
}

uint64_t CardRenderer::TableGeneration() const {
  return table_ != nullptr ? table_->Generation() : 0;
}

const QImage& CardRenderer::BackgroundPicture(int number) {
  // The converted picture is kept while the table is unchanged.
  const uint64_t generation = TableGeneration();
  if (number != pictureNumber_ || generation != pictureGeneration_) {
    const bool present = table_ != nullptr && number >= 0 && number < table_->Count();
    picture_ = present ? ToQImage(*table_->Image(number)) : QImage();
    pictureNumber_ = number;
    pictureGeneration_ = generation;
  }
  return picture_;
}

QImage CardRenderer::Render(const CardState& live, int divisor, int dx, int dy, Reuse reuse) {
  QImage card;
  if (SizeFits(dx, dy)) card = QImage(dx, dy, QImage::Format_RGB32);
  if (!TAVOLO_CHECK_AS("not enough memory to complete operation", !card.isNull())) return {};

  const uint64_t generation = TableGeneration();
  if (!cache_.isNull() && cache_.width() == dx && cache_.height() == dy &&
      cacheGeneration_ == generation) {
    card = cache_;
    if (reuse == Reuse::kOnce) cache_ = QImage();
  } else {
    cache_ = QImage();
    DrawBackgroundImage(card, BackgroundPicture(DrawnBackgroundNumber(live.backgroundIndex)));
    auto* pixels = reinterpret_cast<uint32_t*>(card.bits());
    TAVOLO_CHECK_AS("SetHSL(buf1,dx,dy, hue, sat, l)",
                    SetHSL(pixels, dx, dy, live.hueShift, live.satShift, live.lightShift));
    if (reuse == Reuse::kKeepBackground) {
      cache_ = card;
      cacheGeneration_ = generation;
    }
    ++stats_.backgroundBuilds;
  }

  // Writing through bits() gives this rendering its own copy; the cache keeps the tinted one.
  auto* backgroundBuffer = reinterpret_cast<uint32_t*>(card.bits());
  TAVOLO_CHECK_AS("ModifyBg( buf1,dx,dy )", ModifyBg(backgroundBuffer, dx, dy, live) == 0);

  const PixelRect cardArea = FullSizeArea(live, divisor, dx, dy);
  const std::span<const PlacementRow> rows = PlacementRows(live.layoutIndex);
  // Each box is laid out once, for its frame here and its text below.
  std::vector<std::optional<TextBoxLayout>> layouts(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    const std::string label = DrawFieldCheckText(row, false);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(live, row.box, divisor, nullptr, cardArea, row.offset, row.align,
                              backgroundBuffer, dx, dy, false, row.angle, &layouts[i]) == 0);
  }

  QPainter painter(&card);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const CardPixelSize full = CardPixels(live.cardWidth, live.cardHeight);
  pictureBudget_ = PicturePixelBudget(full.Ok() ? uint64_t(full.width) * full.height : 0);
  for (const PictureKind kind : kPictureKinds) {
    held_[KindIndex(kind)].error.clear();
    const PlacedPicture& picture = live.Picture(kind);
    if (!picture.name.isEmpty()) DrawPicture(painter, picture, divisor);
  }

  painter.setRenderHint(QPainter::TextAntialiasing);
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    const std::string label = DrawFieldCheckText(row, true);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(live, row.box, divisor, &painter, cardArea, row.offset, row.align,
                              backgroundBuffer, dx, dy, true, row.angle, &layouts[i]) == 0);
  }
  // Last, so that no text or picture covers a module and the code always reads.
  DrawCardQrCode(painter, live, divisor);
  painter.end();
  return card;
}

void CardRenderer::DrawCardQrCode(QPainter& painter, const CardState& live, int divisor) {
  qrError_.clear();
  const std::optional<PlacedQrCode> code = QrCodeOf(live);
  if (!code) return;
  const Outcome<QString> text = QrContentText(live, *code);
  if (!text) {
    qrError_ = text.Message();
    return;
  }
  if (!qrSymbol_ || text.Value() != qrText_) {
    qrText_ = text.Value();
    qrSymbol_ = EncodeQrSymbol(qrText_);
  }
  if (!*qrSymbol_) {
    qrError_ = qrSymbol_->Message();
    return;
  }
  DrawQrCode(painter, qrSymbol_->Value(), *code, divisor);
}

void CardRenderer::DrawPicture(QPainter& painter, const PlacedPicture& picture, int divisor) {
  if (!IsPlainFileName(picture.name)) return;
  HeldPicture& held = held_[KindIndex(picture.kind)];
  if (!held.loadedFor || !SameSource(*held.loadedFor, picture) || held.budget != pictureBudget_) {
    LoadPicture(held, picture);
  }
  if (held.drawn.isNull() && held.trimmed.IsValid()) {
    ++stats_.pictureTurns;
    RasterImage turned;
    turned.SetMaxPixels(kMaxCardPicturePixels);
    if (TurnPicture(held.trimmed, picture.angle, turned)) {
      held.drawn = ToQImage(turned);
    } else {
      held.error = turned.GetLastError();
    }
  }
  DrawInto(painter, PictureRectangle(picture, held.trimmedWidth, held.trimmedHeight, divisor),
           held.drawn);
}

void CardRenderer::LoadPicture(HeldPicture& held, const PlacedPicture& picture) {
  ++stats_.pictureLoads[KindIndex(picture.kind)];
  // A picture with alpha is blended onto the card; an opaque one is drawn as it is.
  BoundedPicture loaded =
      LoadBoundedPicture(photoFolder_ / picture.name.toStdString(), kMaxCardPicturePixels,
                         pictureBudget_, AlphaHandling::kKeep);
  // A file that cannot be loaded leaves the last good picture in place.
  if (!loaded.IsValid()) {
    held.error = loaded.image.GetLastError();
    return;
  }
  const PixelRect edges =
      TrimEdges(picture, static_cast<int>(loaded.fileWidth), static_cast<int>(loaded.fileHeight));
  RasterImage trimmed;
  const bool kept = CropInFilePixels(loaded, edges.left, edges.top, edges.right, edges.bottom,
                                     trimmed, held.trimmedWidth, held.trimmedHeight);
  loaded.image.Destroy();  // a large picture is held no longer than the trim needs it
  held.loadedFor = picture;
  held.budget = pictureBudget_;
  held.trimmed = RasterImage();
  held.drawn = QImage();
  if (!kept) return;
  if (RulesOf(picture.kind).turned) {
    held.trimmed = std::move(trimmed);  // turned at the next drawing, and again after a drop
  } else {
    held.drawn = ToQImage(trimmed);
  }
}

RasterImage CardRenderer::RenderPrintImage(const CardState& live) {
  const QImage card = Render(live, 1, kPrintWidth, kPrintHeight);
  RasterImage printImage;
  if (card.isNull()) return printImage;
  if (TAVOLO_CHECK_AS("prntim.CreateFromHBITMAP((HBITMAP)bmp)!=0",
                      ToRasterImage(card, printImage))) {
    printImage.SetXDpi(live.dpi);
    printImage.SetYDpi(live.dpi);
  }
  return printImage;
}

}  // namespace tavolo
