#include "ui/choosers/LayoutChooser.h"

#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/render/LayoutThumbnail.h"
#include "ui/choosers/LayoutStripShading.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

static_assert(kLayoutChooserCells == kCustomLayout + 1);

namespace {

const QColor kFill(134, 180, 202);
const QColor kHoverLight(201, 219, 219);
const QColor kCurrentLight(150, 217, 242);
const QColor kHighlightEdge(100, 100, 100);
const QColor kEdgeTopLeft(144, 163, 174);

constexpr int kLabelPixels = 12;
constexpr int kSmallestLabelPixels = 7;

}  // namespace

LayoutChooser::LayoutChooser(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
  timer_.setInterval(kHoverMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &LayoutChooser::OnHoverTimer);
}

void LayoutChooser::SetCurrent(int layout) {
  current_ = layout;
  update();
}

void LayoutChooser::SetCustomLayout(const std::optional<CustomLayout>& custom, float cardWidth,
                                    float cardHeight) {
  if (custom == custom_ && cardWidth == cardWidth_ && cardHeight == cardHeight_) return;
  custom_ = custom;
  cardWidth_ = cardWidth;
  cardHeight_ = cardHeight;
  thumbnails_[kCustomLayout] = QImage();
  update();
}

QString LayoutChooser::CellName(int cell) const {
  return cell == kCustomLayout ? Tr("Custom") : Tr("Layout %1").arg(cell + 1);
}

void LayoutChooser::SetActive(bool active) {
  active_ = active;
  if (!active_) {
    timer_.stop();
  } else if (drawn_) {
    timer_.start();
  }
}

const QImage& LayoutChooser::Thumbnail(int layout, QSize size, qreal ratio) const {
  const QSize deviceSize = QSizeF(size * ratio).toSize();
  if (deviceSize != thumbnailSize_) {
    thumbnails_ = {};
    thumbnailSize_ = deviceSize;
  }
  QImage& thumbnail = thumbnails_[layout];
  if (thumbnail.isNull()) {
    thumbnail = layout == kCustomLayout
                    ? CustomLayoutThumbnail(custom_, cardWidth_, cardHeight_, deviceSize)
                    : LayoutThumbnail(layout, deviceSize);
    thumbnail.setDevicePixelRatio(ratio);
  }
  return thumbnail;
}

void LayoutChooser::DrawHighlight(QPainter& painter, const LayoutChooserGeometry& geometry,
                                  int layout, const QColor& colour) const {
  const QRect outer = geometry.Highlight(layout);
  DrawBox(painter, outer.left(), outer.top(), outer.left() + outer.width(),
          outer.top() + outer.height(), kHighlightEdge, colour);
  const QRect inner = geometry.HighlightInner(layout);
  DrawBox(painter, inner.left(), inner.top(), inner.left() + inner.width(),
          inner.top() + inner.height(), kHighlightEdge, kFill);
}

void LayoutChooser::DrawLabel(QPainter& painter, const LayoutChooserGeometry& geometry,
                              int layout) const {
  const QRect area = geometry.Label(layout);
  if (area.width() <= 0 || area.height() <= 0) return;
  const QString text = CellName(layout);
  painter.save();
  // A label longer than its cell (in a language with a longer word) is written smaller to fit.
  QFont font = painter.font();
  const int wide = QFontMetrics(font).horizontalAdvance(text);
  if (wide > area.width()) {
    font.setPixelSize(std::max(kSmallestLabelPixels, font.pixelSize() * area.width() / wide));
    painter.setFont(font);
  }
  const QFontMetrics metrics(painter.font());
  // Text is written in opaque mode: its cell is filled white behind the black letters.
  const int textWidth = metrics.horizontalAdvance(text);
  const QRect cell(area.left() + (area.width() - textWidth) / 2, area.top(), textWidth,
                   metrics.height());
  painter.setClipRect(area);
  painter.fillRect(cell, Qt::white);
  painter.setPen(layout == kCustomLayout && !custom_ ? Qt::darkGray : Qt::black);
  painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter.restore();
}

void LayoutChooser::Draw(QImage& picture) const {
  picture.fill(kFill);
  const LayoutChooserGeometry geometry = ComputeLayoutChooserGeometry(LogicalSize(picture));
  QPainter painter(&picture);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kLabelPixels);
  font.setWeight(QFont::Normal);
  TAVOLO_CHECK_AS("fnt.CreateFontIndirectA(&lf)", !QFontInfo(font).family().isEmpty());
  painter.setFont(font);
  for (int i = 0; i < kLayoutChooserCells; ++i) {
    if (i == hover_) DrawHighlight(painter, geometry, i, kHoverLight);
    if (i == current_) DrawHighlight(painter, geometry, i, kCurrentLight);
    DrawLabel(painter, geometry, i);
    if (geometry.thumbnailsShown) {
      const QRect target = geometry.Thumbnail(i);
      painter.drawImage(target.topLeft(), Thumbnail(i, target.size(), picture.devicePixelRatio()));
    }
  }
  FrameRect3d(painter, LogicalRect(picture), kEdgeTopLeft, Qt::white);
  painter.end();
  ShadeLayoutStrip(picture);
}

int LayoutChooser::AccessibleCellCount() const {
  return kLayoutChooserCells;
}

QString LayoutChooser::AccessibleCellName(int cell) const {
  return CellName(cell);
}

QRect LayoutChooser::AccessibleCellRect(int cell) const {
  return ComputeLayoutChooserGeometry(size()).Highlight(cell);
}

bool LayoutChooser::IsAccessibleCellSelected(int cell) const {
  return cell == current_;
}

void LayoutChooser::paintEvent(QPaintEvent* event) {
  OwnerDrawnControl::paintEvent(event);
  if (!drawn_) {
    drawn_ = true;
    if (active_) timer_.start();
  }
}

void LayoutChooser::Redraw() {
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void LayoutChooser::OnHoverTimer() {
  const QPoint point = mapFromGlobal(QCursor::pos());
  int hover = -1;
  if (active_ && rect().contains(point)) hover = LayoutChooserHoverColumn(width(), point.x());
  if (hover == hover_) return;
  hover_ = hover;
  Redraw();
}

void LayoutChooser::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  if (!rect().contains(point)) return;
  const int layout = LayoutChooserPressColumn(width(), point.x());
  if (layout >= 0) Pick(layout);
}

void LayoutChooser::Pick(int layout) {
  if (layout == current_ || (layout == kCustomLayout && !custom_)) return;
  current_ = layout;
  focusLayout_ = layout;
  Redraw();
  Q_EMIT layoutPicked(layout);
}

void LayoutChooser::focusInEvent(QFocusEvent* event) {
  focusLayout_ = current_;
  OwnerDrawnControl::focusInEvent(event);
}

QRect LayoutChooser::FocusMarkRect() const {
  return ComputeLayoutChooserGeometry(size()).Highlight(focusLayout_).adjusted(1, 1, -2, -2);
}

void LayoutChooser::keyPressEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    Pick(focusLayout_);
    return;
  }
  int layout = focusLayout_;
  switch (event->key()) {
    case Qt::Key_Left:
      --layout;
      break;
    case Qt::Key_Right:
      ++layout;
      break;
    case Qt::Key_Home:
      layout = 0;
      break;
    case Qt::Key_End:
      layout = kLayoutChooserCells - 1;
      break;
    default:
      OwnerDrawnControl::keyPressEvent(event);
      return;
  }
  focusLayout_ = std::clamp(layout, 0, kLayoutChooserCells - 1);
  update();
}

}  // namespace tavolo
