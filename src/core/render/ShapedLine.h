// A line of text shaped once and drawn many times exactly as QPainter::drawText(box, AlignTop |
// TextSingleLine | TextDontClip | alignment, text) draws it: the same glyphs in the same places,
// but without shaping the text anew at every drawing (on a sheet of cards that was a sixth of
// the work). Copies start unshaped.
#pragma once

#include <memory>

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QTextLayout;

namespace tavolo {

class ShapedLine {
 public:
  ShapedLine();
  ShapedLine(const ShapedLine&);
  ShapedLine& operator=(const ShapedLine&);
  ShapedLine(ShapedLine&&) noexcept;
  ShapedLine& operator=(ShapedLine&&) noexcept;
  ~ShapedLine();

  // Draws `text` with the painter's font and pen into `box`, at its top, aligned by `alignment`
  // (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight); shapes it again only when the text, the
  // font or the device's resolution changed since the last drawing.
  void Draw(QPainter& painter, const QRectF& box, Qt::Alignment alignment, const QString& text);

 private:
  std::unique_ptr<QTextLayout> layout_;
  QString text_;
  QFont font_;
  int dpi_ = 0;
};

}  // namespace tavolo
