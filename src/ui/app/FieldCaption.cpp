#include "ui/app/FieldCaption.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/base/WindowColour.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

// Deep enough that the white caption contrasts 4.9 : 1 with it (WCAG AA asks 4.5 : 1).
const QColor kBand(82, 117, 136);
const QColor kMarkedBand(200, 40, 40);
const QColor kBlinkGrey(200, 200, 200);
constexpr int kBandTop = 7;
constexpr int kBandBottom = 20;
constexpr int kBoxTop = 3;
constexpr int kCaptionLeft = 5;
constexpr int kCaptionPixels = 12;

}  // namespace

FieldCaption::FieldCaption(QWidget* parent) : OwnerDrawnControl(parent) {
  setMouseTracking(true);
  AcceptKeyboardFocus();
  blink_.setInterval(kBlinkMilliseconds);
  connect(&blink_, &QTimer::timeout, this, &FieldCaption::Blink);
}

void FieldCaption::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void FieldCaption::SetHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  if (highlighted_) {
    blink_.start();
  } else {
    blink_.stop();
    blinkPhase_ = 0;
    hovered_ = false;
  }
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void FieldCaption::SetMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  update();
}

void FieldCaption::Blink() {
  if (!highlighted_) return;
  blinkPhase_ = 1 - blinkPhase_;
  update();
}

QRect FieldCaption::OptionsBox() const {
  return QRect(width() / 2, kBoxTop, width() - width() / 2, height() - kBoxTop);
}

QRect FieldCaption::FocusMarkRect() const {
  return OptionsBox().adjusted(2, 2, -2, -2);
}

void FieldCaption::Draw(QImage& picture) const {
  const int w = LogicalSize(picture).width();
  const int h = LogicalSize(picture).height();
  QPainter painter(&picture);
  painter.fillRect(LogicalRect(picture), QColor(kWindowColour));
  const QColor band = marked_ ? kMarkedBand : kBand;
  painter.fillRect(0, kBandTop, w, kBandBottom - kBandTop, band);
  painter.fillRect(0, h - 1, w, 1, Qt::black);
  const QRect box = OptionsBox();
  painter.fillRect(box, hovered_ ? QColor(Qt::white) : band);
  painter.fillRect(box.left(), box.top(), box.width(), 1, Qt::black);
  painter.fillRect(box.left(), box.top(), 1, box.height(), Qt::black);

  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kCaptionPixels);
  font.setBold(true);
  TAVOLO_CHECK_AS("font.CreateFontIndirectA(&lfont)", !QFontInfo(font).family().isEmpty());
  painter.setFont(font);
  painter.setPen(blinkPhase_ == 0 ? QColor(Qt::white) : kBlinkGrey);
  painter.drawText(QRect(kCaptionLeft, 0, w - kCaptionLeft, h),
                   Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, caption_);
  painter.setPen(hovered_ ? Qt::black : Qt::white);
  painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, Tr("Text Options"));
}

QString FieldCaption::AccessibleText() const {
  return Tr("%1 caption").arg(caption_);
}

void FieldCaption::SetHovered(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void FieldCaption::mouseMoveEvent(QMouseEvent* event) {
  SetHovered(rect().contains(event->position().toPoint()));
}

void FieldCaption::leaveEvent(QEvent* event) {
  SetHovered(false);
  OwnerDrawnControl::leaveEvent(event);
}

void FieldCaption::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  TAVOLO_CHECK_AS("ReleaseCapture()", ReleaseMouseCapture(*this));
  // A press dragged off the caption and let go elsewhere asks for nothing.
  if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

void FieldCaption::keyPressEvent(QKeyEvent* event) {
  if (!IsPressKey(*event)) {
    OwnerDrawnControl::keyPressEvent(event);
    return;
  }
  Q_EMIT clicked();
}

}  // namespace tavolo
