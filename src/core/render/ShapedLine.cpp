#include "core/render/ShapedLine.h"

#include <algorithm>

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace tavolo {

namespace {

// drawText turns these into spaces on a single line.
bool BecomesSpace(QChar c) {
  return c == u'\r' || c == u'\n' || c == u'\t';
}

// Text that drawText treats in ways a single laid-out line does not: line and paragraph
// separators start new lines, U+009C separates variants of the text, and a painter laid out right
// to left swaps left and right. Such a line is drawn by drawText itself.
bool NeedsDrawText(const QPainter& painter, const QString& text) {
  if (painter.layoutDirection() == Qt::RightToLeft) return true;
  for (const QChar c : text) {
    if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\x9c') return true;
  }
  return false;
}

}  // namespace

ShapedLine::ShapedLine() = default;
ShapedLine::ShapedLine(const ShapedLine&) {}
ShapedLine& ShapedLine::operator=(const ShapedLine& other) {
  if (this != &other) layout_.reset();
  return *this;
}
ShapedLine::ShapedLine(ShapedLine&&) noexcept = default;
ShapedLine& ShapedLine::operator=(ShapedLine&&) noexcept = default;
ShapedLine::~ShapedLine() = default;

void ShapedLine::Draw(QPainter& painter, const QRectF& box, Qt::Alignment alignment,
                      const QString& text) {
  if (text.isEmpty()) return;
  if (NeedsDrawText(painter, text)) {
    painter.drawText(box, Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip | alignment, text);
    return;
  }
  const int dpi = painter.device()->logicalDpiY();
  if (!layout_ || text_ != text || font_ != painter.font() || dpi_ != dpi) {
    QString shown = text;
    if (std::any_of(text.cbegin(), text.cend(), BecomesSpace)) {
      for (QChar& c : shown) {
        if (BecomesSpace(c)) c = u' ';
      }
    }
    layout_ = std::make_unique<QTextLayout>(shown, painter.font(), painter.device());
    layout_->setCacheEnabled(true);
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    layout_->setTextOption(option);
    layout_->beginLayout();
    QTextLine line = layout_->createLine();
    line.setLineWidth(0x01000000);  // as wide as drawText makes a line that does not wrap
    line.setPosition(QPointF(0, 0));
    layout_->endLayout();
    text_ = text;
    font_ = painter.font();
    dpi_ = dpi;
  }
  const QTextLine line = layout_->lineAt(0);
  const qreal advance = line.horizontalAdvance();
  qreal across = 0;
  if (alignment & Qt::AlignRight) {
    across = box.width() - advance;
  } else if (alignment & Qt::AlignHCenter) {
    across = (box.width() - advance) / 2;
  }
  line.draw(&painter, QPointF(box.x() + across, box.y()));
}

}  // namespace tavolo
