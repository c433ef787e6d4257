#include "core/render/CardRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/card/CardLimits.h"
#include "core/card/Truncate.h"
#include "core/pictures/BoundedPicture.h"
#include "core/pictures/ImageBridge.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/qr/QrContentText.h"
#include "core/render/BackgroundProcessing.h"
#include "core/render/PictureGeometry.h"
#include "core/render/TextBoxLayout.h"

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

// Whether the shape has curves, which cost far more to fill than straight edges.
bool Curved(ObjectKind kind, const ShapeSource& shape) {
  return kind == ObjectKind::kEllipse || (kind == ObjectKind::kRectangle && shape.cornerRadius > 0);
}

// The outline of a rectangle (corners rounded by `radius`) or an ellipse filling `box`.
QPainterPath Outline(ObjectKind kind, const QRectF& box, qreal radius) {
  QPainterPath path;
  if (kind == ObjectKind::kEllipse) {
    path.addEllipse(box);
  } else if (radius > 0) {
    path.addRoundedRect(box, radius, radius);
  } else {
    path.addRect(box);
  }
  return path;
}

// A shape in its box, its stroke centred on the outline. The stroke is filled as the ring between
// the outline grown and shrunk by half its width: a fill is far quicker to draw than a stroke of
// curves, and on a PDF it is a path all the same.
void DrawShape(QPainter& painter, ObjectKind kind, const QRectF& box, const ShapeSource& shape) {
  const qreal width = std::isfinite(shape.strokeWidth)
                          ? std::clamp(shape.strokeWidth, 0.0f, kMaxStrokeWidth)
                          : 0.0;
  if (kind == ObjectKind::kLine) {
    if (width <= 0) return;
    QPen pen(QColor::fromRgb(shape.stroke), width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(box.topLeft(), box.bottomRight());
    return;
  }
  const qreal radius =
      kind == ObjectKind::kRectangle && std::isfinite(shape.cornerRadius)
          ? std::clamp<qreal>(shape.cornerRadius, 0.0, std::min(box.width(), box.height()) / 2)
          : 0.0;
  // The fill reaches the stroke's middle, so that no seam shows between them.
  if (shape.fill) painter.fillPath(Outline(kind, box, radius), QColor::fromRgb(*shape.fill));
  if (width <= 0) return;
  const qreal half = width / 2;
  QPainterPath ring = Outline(kind, box.adjusted(-half, -half, half, half),
                              radius > 0 ? radius + half : 0.0);
  const QRectF inner = box.adjusted(half, half, -half, -half);
  if (inner.width() > 0 && inner.height() > 0) {
    ring.addPath(Outline(kind, inner, std::max<qreal>(radius - half, 0.0)));
  }
  ring.setFillRule(Qt::OddEvenFill);
  painter.fillPath(ring, QColor::fromRgb(shape.stroke));
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

CardRenderer::CardRenderer(const BackgroundTable* table, DataFolder photoFolder)
    : table_(table), photoFolder_(std::move(photoFolder)) {}

void CardRenderer::SetBackgroundTable(const BackgroundTable* table) {
  table_ = table;
  DropBackgroundCache();
  // Another table may stand at the same generation: nothing made from the last one is kept.
  picture_ = QImage();
  pictureNumber_ = -1;
}

void CardRenderer::SetPhotoFolder(DataFolder photoFolder) {
  photoFolder_ = std::move(photoFolder);
  for (HeldPicture& held : held_) {
    held.loadedFor.reset();
    held.refusedFor.reset();
  }
}

void CardRenderer::DropBackgroundCache() {
  cache_ = QImage();
  bled_ = QImage();
}

void CardRenderer::DropTurnedPictures() {
  for (HeldPicture& held : held_) {
    if (held.trimmed.IsValid()) {
      held.drawn = QImage();
      held.pastEdges = QImage();
    }
  }
}

void CardRenderer::ReloadPictures() {
  for (HeldPicture& held : held_) {
    held.loadedFor.reset();
    held.refusedFor.reset();
  }
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

QSize PrintImageSize(const CardState& live) {
  const CardPixelSize size = CardPixels(live.cardWidth, live.cardHeight);
  return size.Ok() ? QSize(size.width, size.height) : QSize();
}

QImage CardRenderer::TintedBackground(const CardState& live, int dx, int dy, Reuse reuse,
                                      int bleed) {
  if (bleed > 0) {
    // Kept alongside the card's own: a sheet paints the one, the dialog's preview the other.
    const QSize size(dx + 2 * bleed, dy + 2 * bleed);
    if (bled_.isNull() || bled_.size() != size || bledPixels_ != bleed ||
        bledGeneration_ != TableGeneration()) {
      bled_ = QImage();
      if (SizeFits(size.width(), size.height())) bled_ = QImage(size, QImage::Format_RGB32);
      if (bled_.isNull()) return bled_;
      DrawBackgroundImage(bled_, BackgroundPicture(DrawnBackgroundNumber(live.backgroundIndex)));
      TAVOLO_CHECK_AS("SetHSL(buf1,dx,dy, hue, sat, l)",
                      SetHSL(reinterpret_cast<uint32_t*>(bled_.bits()), size.width(), size.height(),
                             live.hueShift, live.satShift, live.lightShift));
      bledPixels_ = bleed;
      bledGeneration_ = TableGeneration();
      ++stats_.backgroundBuilds;
    }
    return bled_;
  }
  const uint64_t generation = TableGeneration();
  if (!cache_.isNull() && cache_.width() == dx && cache_.height() == dy &&
      cacheGeneration_ == generation) {
    QImage kept = cache_;
    if (reuse == Reuse::kOnce) cache_ = QImage();
    return kept;
  }
  cache_ = QImage();
  QImage card;
  if (SizeFits(dx, dy)) card = QImage(dx, dy, QImage::Format_RGB32);
  if (card.isNull()) return card;
  DrawBackgroundImage(card, BackgroundPicture(DrawnBackgroundNumber(live.backgroundIndex)));
  auto* pixels = reinterpret_cast<uint32_t*>(card.bits());
  TAVOLO_CHECK_AS("SetHSL(buf1,dx,dy, hue, sat, l)",
                  SetHSL(pixels, dx, dy, live.hueShift, live.satShift, live.lightShift));
  if (reuse == Reuse::kKeepBackground) {
    cache_ = card;
    cacheGeneration_ = generation;
  }
  ++stats_.backgroundBuilds;
  return card;
}

QImage CardRenderer::Render(const CardState& live, int divisor, int dx, int dy, Reuse reuse) {
  return RenderParts(live, divisor, dx, dy, Parts{}, reuse);
}

QImage CardRenderer::RenderParts(const CardState& live, int divisor, int dx, int dy,
                                 const Parts& parts, Reuse reuse) {
  QImage card;
  if (parts.ground) {
    card = TintedBackground(live, dx, dy, reuse);
  } else if (const QSize size(dx + 2 * parts.margin.width(), dy + 2 * parts.margin.height());
             SizeFits(size.width(), size.height())) {
    card = QImage(size, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
  }
  if (!TAVOLO_CHECK_AS("not enough memory to complete operation", !card.isNull())) return {};

  // Writing through bits() gives this rendering its own copy; the cache keeps the tinted one.
  uint32_t* backgroundBuffer =
      parts.ground ? reinterpret_cast<uint32_t*>(card.bits()) : nullptr;
  if (parts.ground) {
    TAVOLO_CHECK_AS("ModifyBg( buf1,dx,dy )", ModifyBg(backgroundBuffer, dx, dy, live) == 0);
  }

  const PixelRect cardArea = FullSizeArea(live, divisor, dx, dy);
  const CardRows placed = CardPlacementRows(live);
  const std::span<const PlacementRow> rows = placed.Rows();
  // Each box is laid out once, for its frame here and its text below. A rendering of the whole
  // card, reduced or not, takes the kept layouts, so that the same card drawn again is neither
  // laid out nor shaped again.
  const QSize full = PrintImageSize(live);
  const bool wholeCard = cardArea == FullSizeArea(live, 1, full.width(), full.height());
  std::vector<std::optional<TextBoxLayout>> own;
  if (!wholeCard) own = LayOutCardText(live, cardArea);
  std::vector<std::optional<TextBoxLayout>>& layouts = wholeCard ? TextLayouts(live) : own;
  for (size_t i = 0; i < rows.size() && parts.ground; ++i) {
    const PlacementRow& row = rows[i];
    const std::string label = DrawFieldCheckText(row, false);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(live, row.box, divisor, nullptr, cardArea, row.offset, row.align,
                              backgroundBuffer, dx, dy, false, row.angle, &layouts[i]) == 0);
  }

  QPainter painter(&card);
  if (!parts.ground) painter.translate(parts.margin.width(), parts.margin.height());
  ForgetDrawingErrors();
  bool textDrawn = false;
  const auto drawText = [&] {
    textDrawn = true;
    if (!parts.text) return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (size_t i = 0; i < rows.size(); ++i) {
      const PlacementRow& row = rows[i];
      const std::string label = DrawFieldCheckText(row, true);
      TAVOLO_CHECK_AS(label.c_str(),
                      DrawField(live, row.box, divisor, &painter, cardArea, row.offset, row.align,
                                backgroundBuffer, dx, dy, true, row.angle, &layouts[i]) == 0);
    }
  };
  // The QR code stands over the layout's text, so that no line covers a module.
  const std::vector<FaceObject> items = FaceObjects(live);
  for (size_t i = 0; i < items.size(); ++i) {
    if (!textDrawn && AfterLayoutText(items[i])) drawText();
    if (!parts.objects || parts.objects(i)) DrawObject(painter, live, items[i], divisor, reuse);
  }
  if (!textDrawn) drawText();
  painter.end();
  return card;
}

void CardRenderer::DrawOnePicture(QPainter& painter, const CardState& live, PictureKind kind,
                                  int divisor, Reuse reuse, int bleed) {
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const CardPixelSize full = CardPixels(live.cardWidth, live.cardHeight);
  pictureBudget_ = PicturePixelBudget(full.Ok() ? uint64_t(full.width) * full.height : 0);
  const QSize card = full.Ok() ? QSize(full.width, full.height) : QSize();
  DrawPicture(painter, live.Picture(kind), live.pictures, divisor, reuse, card, bleed);
  painter.restore();
}

void CardRenderer::ForgetDrawingErrors() {
  for (HeldPicture& held : held_) held.error.clear();
  qrError_.clear();
}

void CardRenderer::DrawObject(QPainter& painter, const CardState& live, const FaceObject& item,
                              int divisor, Reuse reuse, int bleed) {
  switch (item.object.kind) {
    case ObjectKind::kPhoto:
      DrawOnePicture(painter, live, PictureKind::kPhoto, divisor, reuse, bleed);
      return;
    case ObjectKind::kLogo:
      DrawOnePicture(painter, live, PictureKind::kLogo, divisor, reuse, bleed);
      return;
    case ObjectKind::kQrCode:
      DrawCardQrCode(painter, live, divisor);
      return;
    default:
      DrawAddedObject(painter, live, item, divisor);
  }
}

void CardRenderer::DrawAddedObject(QPainter& painter, const CardState& live, const FaceObject& item,
                                   int divisor) {
  const PlacedObject& object = item.object;
  if (!IsKnownKind(object.kind) || item.added < 0) return;
  const QRectF box = ObjectBox(object);
  if (!box.isValid() && object.kind != ObjectKind::kLine) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Drawn at full size through a scaled painter, as the text is: a reduced card shows the same.
  if (divisor > 1) painter.scale(1.0 / divisor, 1.0 / divisor);
  painter.translate(box.center());
  painter.rotate(90.0 * (((object.quarterTurns % 4) + 4) % 4));
  painter.translate(-box.center());
  if (const auto* shape = std::get_if<ShapeSource>(&object.source)) {
    const auto draw = [&](QPainter& target) { DrawShape(target, object.kind, box, *shape); };
    if (Curved(object.kind, *shape)) {
      const float half = std::isfinite(shape->strokeWidth)
                             ? std::clamp(shape->strokeWidth, 0.0f, kMaxStrokeWidth) / 2 + 1
                             : 1.0f;
      sprites_.Draw(painter, static_cast<size_t>(item.added), object,
                    box.adjusted(-half, -half, half, half), draw);
    } else {
      draw(painter);
    }
  } else if (const auto* text = std::get_if<TextSource>(&object.source)) {
    if (const TextBoxLayout* layout = FreeTextLayout(live, static_cast<size_t>(item.added))) {
      painter.translate(box.topLeft());
      DrawFreeText(painter, *layout, *text);
    }
  }
  painter.restore();
}

const TextBoxLayout* CardRenderer::FreeTextLayout(const CardState& live, size_t index) {
  if (index >= live.objects.size()) return nullptr;
  const PlacedObject& object = live.objects[index];
  const auto* text = std::get_if<TextSource>(&object.source);
  if (text == nullptr || !FontsExist()) return nullptr;
  if (freeText_.size() < live.objects.size()) freeText_.resize(live.objects.size());
  std::optional<KeptFreeText>& kept = freeText_[index];
  const int width = Trunc(object.width);
  const int height = Trunc(object.height);
  if (!kept || kept->text != *text || kept->width != width || kept->height != height ||
      kept->cardHeight != live.cardHeight || kept->dpi != live.dpi) {
    kept = KeptFreeText{*text, width, height, live.cardHeight, live.dpi,
                        LayOutFreeText(live, *text, width, height)};
  }
  return &kept->layout;
}

std::vector<std::optional<TextBoxLayout>>& CardRenderer::TextLayouts(const CardState& live) {
  // The layout's text does not make room for the added objects: moving one keeps the layouts.
  if (laidOutFor_ && laidOutFor_->objects != live.objects) laidOutFor_->objects = live.objects;
  if (laidOutFor_ == live) return textLayouts_;
  const QSize card = PrintImageSize(live);
  textLayouts_ = LayOutCardText(live, FullSizeArea(live, 1, card.width(), card.height()));
  laidOutFor_ = live;
  return textLayouts_;
}

void CardRenderer::DrawCardQrCode(QPainter& painter, const CardState& live, int divisor) {
  qrError_.clear();
  const std::optional<PlacedQrCode>& code = live.qrCode;
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

void CardRenderer::DrawPicture(QPainter& painter, const PlacedPicture& picture,
                               const PictureStore& store, int divisor, Reuse reuse, QSize card,
                               int bleed) {
  if (!IsPlainFileName(picture.name)) return;
  HeldPicture& held = held_[KindIndex(picture.kind)];
  if (held.refusedFor && SameSource(*held.refusedFor, picture) &&
      held.refusedBudget == pictureBudget_) {
    held.error = held.refusal;
  } else if (!held.loadedFor || !SameSource(*held.loadedFor, picture) ||
             held.budget != pictureBudget_) {
    LoadPicture(held, picture, store);
  }
  const PixelRect placed =
      PictureRectangle(picture, held.trimmedWidth, held.trimmedHeight, divisor);
  if (bleed > 0 && divisor == 1) {
    TurnHeldPicture(held, picture.angle);
    DrawPastEdges(painter, held, placed, card, bleed);
  }
  if (PaintDrawing(painter, held, picture, placed)) return;
  if (held.drawn.isNull() && held.trimmed.IsValid() && reuse == Reuse::kOnce &&
      DrawTurnedPartOnCard(painter, held, picture.angle, placed)) {
    return;
  }
  TurnHeldPicture(held, picture.angle);
  DrawInto(painter, placed, held.drawn);
}

void CardRenderer::TurnHeldPicture(HeldPicture& held, float angle) {
  if (!held.drawn.isNull() || !held.trimmed.IsValid()) return;
  ++stats_.pictureTurns;
  RasterImage turned;
  turned.SetMaxPixels(kMaxCardPicturePixels);
  if (TurnPicture(held.trimmed, angle, turned)) {
    held.drawn = ToQImage(turned);
  } else {
    held.error = TranslatedMessage(turned.GetLastError());
  }
}

void CardRenderer::DrawPastEdges(QPainter& painter, HeldPicture& held, const PixelRect& placed,
                                 QSize card, int bleed) {
  const QImage& drawn = held.drawn;
  if (drawn.isNull() || placed.Width() <= 0 || placed.Height() <= 0 || card.isEmpty()) return;
  // A side runs on when it reaches the edge and does not already cover the bleed with pixels of
  // its own.
  const auto runs = [bleed](int side, int edge, int outward) {
    const int past = (side - edge) * outward;
    return past >= -kEdgeReach && past < bleed;
  };
  const QRect shown(placed.left, placed.top, placed.Width(), placed.Height());
  QRect grown = shown;
  if (runs(placed.left, 0, -1)) grown.setLeft(-bleed);
  if (runs(placed.top, 0, -1)) grown.setTop(-bleed);
  if (runs(placed.right, card.width(), 1)) grown.setRight(card.width() + bleed - 1);
  if (runs(placed.bottom, card.height(), 1)) grown.setBottom(card.height() + bleed - 1);
  if (grown == shown) return;
  // The mirrored picture is kept, so that a PDF of many cards stores it once.
  const double scale = std::max(static_cast<double>(drawn.width()) / placed.Width(),
                                static_cast<double>(drawn.height()) / placed.Height());
  const int reflected = static_cast<int>(std::ceil((bleed + kEdgeReach) * scale));
  if (held.pastEdges.isNull() || held.reflected != reflected) {
    held.pastEdges = ReflectedPast(drawn, reflected);
    held.reflected = reflected;
  }
  if (held.pastEdges.isNull()) return;
  const double across = reflected * static_cast<double>(placed.Width()) / drawn.width();
  const double down = reflected * static_cast<double>(placed.Height()) / drawn.height();
  painter.save();
  painter.setClipRegion(QRegion(grown).subtracted(QRegion(shown)), Qt::IntersectClip);
  painter.drawImage(QRectF(shown).adjusted(-across, -down, across, down), held.pastEdges);
  painter.restore();
}

bool CardRenderer::PaintDrawing(QPainter& painter, const HeldPicture& held,
                                const PlacedPicture& picture, const PixelRect& placed) {
  const bool pdf =
      painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Pdf;
  if (!held.drawing || !held.drawing->shapes || !pdf || picture.angle != 0.0f ||
      held.trimmedWidth <= 0 || held.trimmedHeight <= 0 || placed.Width() <= 0 ||
      placed.Height() <= 0) {
    return false;
  }
  // The whole drawing is stretched as its trimmed part is onto the placed rectangle, and cut
  // to that rectangle.
  const qreal sx = static_cast<qreal>(placed.Width()) / held.trimmedWidth;
  const qreal sy = static_cast<qreal>(placed.Height()) / held.trimmedHeight;
  const QSize size = held.drawing->size;
  const QRectF whole(placed.left - held.trimOrigin.x() * sx, placed.top - held.trimOrigin.y() * sy,
                     size.width() * sx, size.height() * sy);
  painter.save();
  painter.setClipRect(QRectF(placed.left, placed.top, static_cast<qreal>(placed.Width()),
                             static_cast<qreal>(placed.Height())),
                      Qt::IntersectClip);
  PaintSvgDrawing(*held.drawing, painter, whole);
  painter.restore();
  return true;
}

bool CardRenderer::DrawTurnedPartOnCard(QPainter& painter, HeldPicture& held, float angle,
                                        const PixelRect& placed) {
  const RasterImage& whole = held.trimmed;
  const int64_t width = whole.GetWidth();
  const int64_t height = whole.GetHeight();
  const int quarter = QuarterTurns(angle);
  if (quarter < 0) return false;
  const bool swapped = quarter % 2 == 1;
  // Only a picture drawn pixel for pixel can be cut without changing a pixel of the card.
  if (placed.Width() != (swapped ? height : width) ||
      placed.Height() != (swapped ? width : height)) {
    return false;
  }
  const QSize card = painter.device() != nullptr
                         ? QSize(painter.device()->width(), painter.device()->height())
                         : QSize();
  const PixelRect shown{std::max(placed.left, 0), std::max(placed.top, 0),
                        std::min(placed.right, card.width()),
                        std::min(placed.bottom, card.height())};
  if (shown == placed) return false;  // all of it is on the card: the usual way holds it once
  ++stats_.pictureTurns;
  if (shown.Width() > 0 && shown.Height() > 0) {
    // The shown part in the turned picture's pixels, then where those come from before the
    // clockwise turn.
    const int64_t x0 = shown.left - placed.left, x1 = shown.right - placed.left;
    const int64_t y0 = shown.top - placed.top, y1 = shown.bottom - placed.top;
    const std::array<int64_t, 4> source =
        quarter == 1   ? std::array{y0, height - x1, y1, height - x0}
        : quarter == 2 ? std::array{width - x1, height - y1, width - x0, height - y0}
        : quarter == 3 ? std::array{width - y1, x0, width - y0, x1}
                       : std::array{x0, y0, x1, y1};
    RasterImage part;
    if (!whole.Crop(static_cast<int32_t>(source[0]), static_cast<int32_t>(source[1]),
                    static_cast<int32_t>(source[2]), static_cast<int32_t>(source[3]), part)) {
      return false;
    }
    LetGoOfPicture(held);
    RasterImage turned;
    turned.SetMaxPixels(kMaxCardPicturePixels);
    if (!TurnPicture(part, angle, turned)) {
      held.error = TranslatedMessage(turned.GetLastError());
      return true;
    }
    part.Destroy();
    DrawInto(painter, shown, ToQImage(turned));
  } else {
    LetGoOfPicture(held);
  }
  return true;
}

void CardRenderer::LetGoOfPicture(HeldPicture& held) {
  // A one-off rendering keeps nothing: the next one loads the picture again.
  held.trimmed.Destroy();
  held.loadedFor.reset();
}

void CardRenderer::LoadPicture(HeldPicture& held, const PlacedPicture& picture,
                               const PictureStore& store) {
  ++stats_.pictureLoads[KindIndex(picture.kind)];
  // A picture with alpha is blended onto the card; an opaque one is drawn as it is. The bytes the
  // card holds are drawn, never a file of the same name; a card of an older version names a file
  // of the photo folder.
  const std::filesystem::path name = picture.name.toStdString();
  const StoredPicture* stored = picture.hash.isEmpty() ? nullptr : store.Find(picture.hash);
  BoundedPicture loaded = stored != nullptr
                              ? LoadBoundedPicture(*stored->bytes, name, kMaxCardPicturePixels,
                                                   pictureBudget_, AlphaHandling::kKeep)
                              : LoadBoundedPicture(photoFolder_.Find(name), kMaxCardPicturePixels,
                                                   pictureBudget_, AlphaHandling::kKeep);
  // A file that cannot be loaded leaves the last good picture in place.
  if (!loaded.IsValid()) {
    held.refusal = held.error = TranslatedMessage(loaded.image.GetLastError());
    held.refusedFor = picture;
    held.refusedBudget = pictureBudget_;
    return;
  }
  held.refusedFor.reset();
  const PixelRect edges =
      TrimEdges(picture, static_cast<int>(loaded.fileWidth), static_cast<int>(loaded.fileHeight));
  held.drawing = std::move(loaded.drawing);
  if (held.drawing) {
    // Where the trim starts, clamped and ordered as the crop in file pixels is.
    held.trimOrigin = QPoint(
        std::clamp(std::min(edges.left, edges.right), 0, static_cast<int>(loaded.fileWidth)),
        std::clamp(std::min(edges.top, edges.bottom), 0, static_cast<int>(loaded.fileHeight)));
  }
  RasterImage trimmed;
  const bool kept = CropInFilePixels(loaded, edges.left, edges.top, edges.right, edges.bottom,
                                     trimmed, held.trimmedWidth, held.trimmedHeight);
  loaded.image.Destroy();  // a large picture is held no longer than the trim needs it
  held.loadedFor = picture;
  held.budget = pictureBudget_;
  held.trimmed = RasterImage();
  held.drawn = QImage();
  held.pastEdges = QImage();
  if (!kept) return;
  if (RulesOf(picture.kind).turned) {
    held.trimmed = std::move(trimmed);  // turned at the next drawing, and again after a drop
  } else {
    held.drawn = ToQImage(trimmed);
  }
}

RasterImage CardRenderer::RenderPrintImage(const CardState& live) {
  RasterImage printImage;
  const QSize size = PrintImageSize(live);
  if (size.isEmpty()) return printImage;
  const QImage card = Render(live, 1, size.width(), size.height());
  if (card.isNull()) return printImage;
  if (TAVOLO_CHECK_AS("prntim.CreateFromHBITMAP((HBITMAP)bmp)!=0",
                      ToRasterImage(card, printImage))) {
    printImage.SetXDpi(live.dpi);
    printImage.SetYDpi(live.dpi);
  }
  return printImage;
}

}  // namespace tavolo
