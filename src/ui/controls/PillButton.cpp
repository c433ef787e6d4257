#include "ui/controls/PillButton.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/PillButtonFaces.h"

namespace tavolo {

namespace {

const QColor kTextNormal(81, 107, 135);
// Contrasts 4.7 : 1 with the hover and pressed faces (WCAG AA asks 4.5 : 1 of captions).
const QColor kTextLit(40, 110, 170);
const QColor kTextInactive(184, 193, 202);

constexpr int kCaptionPixels = 12;
constexpr int kSymbolPixels = 16;
const QString kSymbolFamily = QStringLiteral("Wingdings");

// A wide-headed arrow about the size of a 16-pixel symbol glyph, pointing left or right from
// the centre of `area`.
QPainterPath ArrowPath(const QRectF& area, bool pointsLeft) {
  constexpr qreal kHalfLength = 6.5;
  constexpr qreal kHeadLength = 6.0;
  constexpr qreal kHeadHalfHeight = 5.0;
  constexpr qreal kShaftHalfHeight = 2.0;
  const qreal s = pointsLeft ? 1.0 : -1.0;
  const QPointF c = area.center();
  const auto at = [&](qreal x, qreal y) { return QPointF(c.x() + s * x, c.y() + y); };
  QPainterPath path;
  path.moveTo(at(-kHalfLength, 0));
  path.lineTo(at(-kHalfLength + kHeadLength, -kHeadHalfHeight));
  path.lineTo(at(-kHalfLength + kHeadLength, -kShaftHalfHeight));
  path.lineTo(at(kHalfLength, -kShaftHalfHeight));
  path.lineTo(at(kHalfLength, kShaftHalfHeight));
  path.lineTo(at(-kHalfLength + kHeadLength, kShaftHalfHeight));
  path.lineTo(at(-kHalfLength + kHeadLength, kHeadHalfHeight));
  path.closeSubpath();
  return path;
}

}  // namespace

PillButton::PillButton(QWidget* parent) : OwnerDrawnControl(parent) {
  setMouseTracking(true);
  AcceptKeyboardFocus();
  SetOpaque(IsPainted());
}

void PillButton::SetText(const QString& text) {
  text_ = text;
  update();
}

void PillButton::SetActive(bool active) {
  active_ = active;
  update();
}

void PillButton::SetSymbol(unsigned char symbol) {
  symbol_ = symbol;
  update();
}

bool PillButton::IsPainted() const {
  return width() >= kPillButtonFaceSize && height() >= kPillButtonFaceSize;
}

void PillButton::resizeEvent(QResizeEvent* event) {
  SetOpaque(IsPainted());
  OwnerDrawnControl::resizeEvent(event);
}

void PillButton::Draw(QImage& picture) const {
  DrawFace(picture);
  DrawCaption(picture);
}

void PillButton::DrawFace(QImage& picture) const {
  picture.fill(QColor::fromRgb(kPillButtonBackground));
  PillButtonFace face = PillButtonFace::Normal;
  if (active_ && pressed_) {
    face = PillButtonFace::Pressed;
  } else if (active_ && hover_) {
    face = PillButtonFace::Hover;
  }
  // The face is copied pixel for pixel at the picture's density.
  const QImage& source = PillButtonFacePicture(face, qRound(picture.devicePixelRatio()));
  const int width = picture.width();
  const int rows = std::min(source.height(), picture.height());
  for (int y = 0; y < rows; ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < width; ++x) {
      to[x] = from[std::min(PillButtonFaceColumn(x, width, source.width()), source.width() - 1)];
    }
  }
}

void PillButton::DrawCaption(QImage& picture) const {
  QPainter painter(&picture);
  const QColor colour = !active_ ? kTextInactive : (hover_ || pressed_) ? kTextLit : kTextNormal;
  const QRectF area = LogicalRect(picture);
  const bool symbolFont = symbol_ != 0 && QFontDatabase::hasFamily(kSymbolFamily);
  if (symbol_ != 0 && !symbolFont) {
    // Without the symbol font the two arrows the program uses are drawn by hand.
    if (symbol_ != kSymbolArrowLeft && symbol_ != kSymbolArrowRight) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(ArrowPath(area, symbol_ == kSymbolArrowLeft));
    return;
  }
  QFont font(symbolFont ? kSymbolFamily : QStringLiteral("Arial"));
  font.setPixelSize(symbolFont ? kSymbolPixels : kCaptionPixels);
  font.setWeight(QFont::Normal);
  TAVOLO_CHECK_AS("fnt.CreateFontIndirectA(&lf)", !QFontInfo(font).family().isEmpty());
  painter.setFont(font);
  painter.setPen(colour);
  const QString caption = symbolFont ? QString(QChar(symbol_)) : text_;
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

void PillButton::mouseMoveEvent(QMouseEvent* event) {
  if (!rect().contains(event->position().toPoint())) {
    LeaveButton();
    return;
  }
  if (!hover_) {
    hover_ = true;
    update();
  }
}

void PillButton::leaveEvent(QEvent* event) {
  LeaveButton();
  OwnerDrawnControl::leaveEvent(event);
}

void PillButton::LeaveButton() {
  const bool wasLit = hover_ || pressed_;
  // Moving out cancels a press: the release then sends nothing.
  pressed_ = false;
  hover_ = false;
  if (wasLit) update();
}

void PillButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void PillButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  TAVOLO_CHECK_AS("ReleaseCapture()", ReleaseMouseCapture(*this));
  update();
  if (active_) Q_EMIT clicked();
}

QRect PillButton::FocusMarkRect() const {
  // Inside the pill, clear of its ring.
  constexpr int kInset = 5;
  return QRect(kInset, kInset, width() - 2 * kInset, kPillButtonFaceSize - 2 * kInset);
}

void PillButton::keyPressEvent(QKeyEvent* event) {
  if (!IsPressKey(*event)) {
    OwnerDrawnControl::keyPressEvent(event);
    return;
  }
  pressed_ = true;
  update();
}

void PillButton::keyReleaseEvent(QKeyEvent* event) {
  if (!IsPressKey(*event) || !pressed_) {
    OwnerDrawnControl::keyReleaseEvent(event);
    return;
  }
  pressed_ = false;
  update();
  if (active_) Q_EMIT clicked();
}

void PillButton::focusOutEvent(QFocusEvent* event) {
  // A key press is cancelled when the focus moves away before the key is released.
  pressed_ = false;
  OwnerDrawnControl::focusOutEvent(event);
}

}  // namespace tavolo
