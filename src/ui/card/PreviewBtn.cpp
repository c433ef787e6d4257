#include "ui/card/PreviewBtn.h"

#include <utility>

#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "ui/card/PreviewBackdrop.h"

namespace tavolo {

namespace {

// Past this a dpi is a damaged value; the copy then carries no resolution.
constexpr int kMaxTaggedDpi = 1'000'000;

// A live state with no choice made yet: layout 1, background drawn as number 1.
CardState InitialLive() {
  CardState live;
  live.lnmb = 1;
  live.pnmb = -1;
  return live;
}

}  // namespace

PreviewBtn::PreviewBtn(QWidget* parent, const BackgroundTable* table)
    : QWidget(parent), live_(InitialLive()), renderer_(table, CustomPhotosFolder()) {
  // Every pixel is painted from the off-screen picture, so no erase is needed.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBtn::SetLive(const CardState& live) {
  if (live.pnmb != live_.pnmb || live.hueShift != live_.hueShift ||
      live.satShift != live_.satShift || live.lightShift != live_.lightShift) {
    renderer_.DropBackgroundCache();
  }
  live_ = live;
}

void PreviewBtn::SetLayoutNumber(int lnmb) {
  live_.lnmb = lnmb;
}

void PreviewBtn::SetBackgroundNumber(int pnmb) {
  CardState live = live_;
  live.pnmb = pnmb;
  SetLive(live);
}

void PreviewBtn::SetTint(float hueShift, float satShift, float lightShift) {
  CardState live = live_;
  live.hueShift = hueShift;
  live.satShift = satShift;
  live.lightShift = lightShift;
  SetLive(live);
}

void PreviewBtn::SetLineSource(const LineSource* lines) {
  lines_ = lines;
}

void PreviewBtn::SetBackgroundTable(const BackgroundTable* table) {
  renderer_.SetBackgroundTable(table);
}

void PreviewBtn::SetPhotoFolder(std::filesystem::path folder) {
  renderer_.SetPhotoFolder(std::move(folder));
}

const LineSource& PreviewBtn::Lines() const {
  return lines_ != nullptr ? *lines_ : ownLines_;
}

void PreviewBtn::Redraw() {
  repaint();
}

void PreviewBtn::DropBackgroundCache() {
  renderer_.DropBackgroundCache();
}

void PreviewBtn::DropRotatedLogo() {
  renderer_.DropRotatedLogo();
}

void PreviewBtn::RequestPrintImage() {
  printRequest_ = true;
  Redraw();
}

const RasterImage& PreviewBtn::RenderPrintImageNow() {
  printRequest_ = true;
  FulfilRequest();
  return prntim_;
}

void PreviewBtn::ClearPrintImage() {
  prntim_ = RasterImage();
}

void PreviewBtn::RequestClipboardCopy() {
  clipboardRequest_ = true;
  Redraw();
}

ExportResult PreviewBtn::ExportImage(const std::filesystem::path& file, int format, int quality) {
  return ExportCard(renderer_, live_, Lines(), file, format, quality);
}

void PreviewBtn::RebuildBackdrop() {
  backdrop_ = MakePreviewBackdrop(size());
}

void PreviewBtn::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RebuildBackdrop();
}

void PreviewBtn::paintEvent(QPaintEvent*) {
  QPainter dc(this);
  if (suspended_) {
    // The picture on screen stays as it was, even where the window system asks for it again.
    if (!picture_.isNull()) dc.drawImage(0, 0, picture_);
    return;
  }
  Paint(dc, rect());
}

void PreviewBtn::Paint(QPainter& dc, const QRect& item) {
  if (suspended_ || item.isEmpty()) return;
  const QRect frame(QPoint(0, 0), item.size());
  cardWidth_ = CardPixels(live_.cardWidth);
  cardHeight_ = CardPixels(live_.cardHeight);
  geometry_ = PreviewGeometryFor(frame, cardWidth_, cardHeight_);

  if (backdrop_.size() != frame.size()) RebuildBackdrop();
  if (picture_.size() != frame.size()) {
    // A fresh picture starts as the backdrop, so that a request fulfilled by this paint leaves
    // no undrawn pixels where the card goes.
    picture_ = backdrop_.isNull() ? QImage(frame.size(), QImage::Format_RGB32) : backdrop_.copy();
    if (backdrop_.isNull()) picture_.fill(Qt::white);
  }

  QPainter mdc;
  if (!TAVOLO_CHECK_AS("mdc.CreateCompatibleDC(&dc)", mdc.begin(&picture_))) return;
  mdc.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect card = geometry_.card;
  if (!backdrop_.isNull()) CopyBackdropStrips(mdc, frame, card);

  if (FulfilRequest()) {
    // The card is shown by the next paint; a request still pending waits for the next redraw.
    if (!printRequest_ && !clipboardRequest_) update();
  } else if (!card.isEmpty()) {
    const QImage drawn =
        renderer_.Render(live_, Lines(), geometry_.ndiv, geometry_.dx, geometry_.dy);
    if (!drawn.isNull()) mdc.drawImage(card.topLeft(), drawn);
  }
  mdc.end();

  dc.drawImage(item.topLeft(), picture_);
  painted_ = true;
}

void PreviewBtn::CopyBackdropStrips(QPainter& mdc, const QRect& frame, const QRect& card) {
  if (card.isEmpty()) {
    mdc.drawImage(0, 0, backdrop_);
    return;
  }
  const int w = frame.width();
  const int h = frame.height();
  const int cardRight = card.left() + card.width();
  const int cardBottom = card.top() + card.height();
  const QRect strips[] = {
      QRect(0, 0, w, card.top()),
      QRect(0, card.top(), card.left(), card.height()),
      QRect(cardRight, card.top(), w - cardRight, card.height()),
      QRect(0, cardBottom, w, h - cardBottom),
  };
  for (const QRect& strip : strips) {
    const QRect inside = strip.intersected(frame);
    if (!inside.isEmpty()) mdc.drawImage(inside.topLeft(), backdrop_, inside);
  }
}

bool PreviewBtn::FulfilRequest() {
  if (printRequest_) {
    prntim_ = renderer_.RenderPrintImage(live_, Lines());
    // A rendering that failed has been reported; asking again would only report it again.
    printRequest_ = false;
    return true;
  }
  if (clipboardRequest_) {
    if (CopyToClipboard()) clipboardRequest_ = false;
    return true;
  }
  return false;
}

bool PreviewBtn::CopyToClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  QImage card = renderer_.Render(live_, Lines(), 1, kPrintWidth, kPrintHeight);
  if (card.isNull()) return true;
  if (live_.dpi > 0 && live_.dpi <= kMaxTaggedDpi) {
    card.setDotsPerMeterX(DpiToPelsPerMeter(live_.dpi));
    card.setDotsPerMeterY(DpiToPelsPerMeter(live_.dpi));
  }
  clipboard->setImage(card);
  return true;
}

}  // namespace tavolo
