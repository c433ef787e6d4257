#include "Marks.h"

#include <array>
#include <functional>

#include <QPainter>
#include <QPainterPath>

namespace tavolo::tmplgen {

namespace {

// Every mark is drawn on a 100 × 100 grid, y downwards, scaled into the picture.
using MarkPainter = std::function<void(QPainter&, const QColor& ink, const QColor& plate)>;

QPen Stroke(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Ellipse(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal degrees) {
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  p.drawEllipse(QPointF(0, 0), rx, ry);
  p.restore();
}

// An ear of wheat: grains in pairs up a gently curved stem.
void Wheat(QPainter& p, const QColor& ink, const QColor&) {
  QPainterPath stem(QPointF(50, 94));
  stem.cubicTo(49, 70, 51, 40, 50, 20);
  p.setPen(Stroke(ink, 3.5));
  p.drawPath(stem);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int i = 0; i < 5; ++i) {
    const qreal y = 30 + i * 11.5;
    Ellipse(p, {42, y}, 5.2, 10.5, -32);
    Ellipse(p, {58, y}, 5.2, 10.5, 32);
  }
  Ellipse(p, {50, 16}, 5.2, 11, 0);
  // The awns: fine whiskers from the top grains.
  p.setPen(Stroke(ink, 1.6));
  p.drawLine(QPointF(50, 6), QPointF(50, 1));
  p.drawLine(QPointF(40, 22), QPointF(33, 10));
  p.drawLine(QPointF(60, 22), QPointF(67, 10));
}

// A molar in outline with a small sparkle.
void Tooth(QPainter& p, const QColor& ink, const QColor&) {
  QPainterPath tooth(QPointF(50, 26));
  tooth.cubicTo(40, 15, 20, 17, 21, 36);
  tooth.cubicTo(22, 50, 30, 56, 32, 72);
  tooth.cubicTo(34, 88, 41, 91, 44, 80);
  tooth.cubicTo(46, 70, 47, 63, 50, 63);
  tooth.cubicTo(53, 63, 54, 70, 56, 80);
  tooth.cubicTo(59, 91, 66, 88, 68, 72);
  tooth.cubicTo(70, 56, 78, 50, 79, 36);
  tooth.cubicTo(80, 17, 60, 15, 50, 26);
  p.setPen(Stroke(ink, 6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tooth);
  QPainterPath spark;
  const QPointF c(83, 14);
  spark.moveTo(c + QPointF(0, -9));
  spark.quadTo(c, c + QPointF(9, 0));
  spark.quadTo(c, c + QPointF(0, 9));
  spark.quadTo(c, c + QPointF(-9, 0));
  spark.quadTo(c, c + QPointF(0, -9));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(spark);
}

QPolygonF Hexagon(QPointF centre, qreal radius) {
  QPolygonF hex;
  for (int i = 0; i < 6; ++i) {
    const qreal a = qDegreesToRadians(60.0 * i - 90.0);
    hex << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
  }
  return hex;
}

// A hexagon with three traces from a core to nodes on its rim.
void Circuit(QPainter& p, const QColor& ink, const QColor& plate) {
  const QPointF c(50, 50);
  p.setPen(Stroke(ink, 6));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(Hexagon(c, 44));
  const QPolygonF rim = Hexagon(c, 44);
  p.setPen(Stroke(ink, 4));
  for (int i : {1, 3, 5}) p.drawLine(c, c + (rim[i] - c) * 0.62);
  p.setBrush(plate);
  for (int i : {1, 3, 5}) p.drawEllipse(c + (rim[i] - c) * 0.62, 5.5, 5.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPolygon(Hexagon(c, 13));
}

// A house under a pitched roof with a chimney and a door.
void House(QPainter& p, const QColor& ink, const QColor&) {
  p.setPen(Stroke(ink, 7));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(10, 50), QPointF(50, 16), QPointF(90, 50)}));
  p.drawPolyline(QPolygonF({QPointF(68, 28), QPointF(68, 14), QPointF(78, 14), QPointF(78, 37)}));
  p.setPen(Stroke(ink, 6));
  p.drawPolyline(QPolygonF({QPointF(22, 46), QPointF(22, 88), QPointF(78, 88), QPointF(78, 46)}));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawRoundedRect(QRectF(42, 62, 16, 26), 3, 3);
}

// A lotus: five petals opening from one base, the outer ones lighter.
void Lotus(QPainter& p, const QColor& ink, const QColor&) {
  QPainterPath petal(QPointF(0, 0));
  petal.cubicTo(-13, -17, -11, -40, 0, -56);
  petal.cubicTo(11, -40, 13, -17, 0, 0);
  p.setPen(Qt::NoPen);
  const std::array<std::pair<qreal, qreal>, 3> rings = {{{62, 0.45}, {31, 0.7}, {0, 1.0}}};
  for (const auto& [angle, strength] : rings) {
    QColor shade = ink;
    shade.setAlphaF(static_cast<float>(strength));
    p.setBrush(shade);
    for (qreal side : {-1.0, 1.0}) {
      p.save();
      p.translate(50, 78);
      p.rotate(side * angle);
      p.scale(angle > 0 ? 0.86 : 1.0, angle > 0 ? 0.86 : 1.0);
      p.drawPath(petal);
      p.restore();
      if (angle == 0) break;
    }
  }
  p.setPen(Stroke(ink, 3.5));
  p.drawLine(QPointF(22, 88), QPointF(78, 88));
}

// A coffee bean inside a thin ring.
void Bean(QPainter& p, const QColor& ink, const QColor& plate) {
  p.setPen(Stroke(ink, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(50, 50), 46, 46);
  p.save();
  p.translate(50, 50);
  p.rotate(-32);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(0, 0), 23, 33);
  QPainterPath cleft(QPointF(0, -30));
  cleft.cubicTo(-12, -12, 12, 12, 0, 30);
  p.setPen(Stroke(plate, 4.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cleft);
  p.restore();
}

// A leaf with its midrib and veins left in the plate's colour.
void Leaf(QPainter& p, const QColor& ink, const QColor& plate) {
  QPainterPath leaf(QPointF(20, 80));
  leaf.cubicTo(16, 42, 46, 14, 88, 12);
  leaf.cubicTo(88, 52, 62, 84, 20, 80);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(leaf);
  p.setPen(Stroke(ink, 4.5));
  p.drawLine(QPointF(21, 79), QPointF(9, 92));
  p.setPen(Stroke(plate, 3));
  QPainterPath rib(QPointF(24, 76));
  rib.quadTo(50, 56, 80, 20);
  p.drawPath(rib);
  p.setPen(Stroke(plate, 2));
  for (int i = 0; i < 4; ++i) {
    const qreal t = 0.2 + i * 0.18;
    const QPointF on = rib.pointAtPercent(t);
    p.drawLine(on, on + QPointF(-8 + i, -13 + i * 1.5));
    p.drawLine(on, on + QPointF(13 - i * 1.5, 6 - i));
  }
}

// A paw print.
void Paw(QPainter& p, const QColor& ink, const QColor&) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  QPainterPath pad(QPointF(50, 50));
  pad.cubicTo(64, 50, 80, 68, 76, 80);
  pad.cubicTo(72, 91, 60, 86, 50, 86);
  pad.cubicTo(40, 86, 28, 91, 24, 80);
  pad.cubicTo(20, 68, 36, 50, 50, 50);
  p.drawPath(pad);
  Ellipse(p, {20, 46}, 8.5, 11, -24);
  Ellipse(p, {37, 27}, 9, 12, -8);
  Ellipse(p, {63, 27}, 9, 12, 8);
  Ellipse(p, {80, 46}, 8.5, 11, 24);
}

// A water drop with a highlight.
void Drop(QPainter& p, const QColor& ink, const QColor& plate) {
  QPainterPath drop(QPointF(50, 6));
  drop.cubicTo(44, 20, 20, 44, 20, 64);
  drop.cubicTo(20, 82, 34, 94, 50, 94);
  drop.cubicTo(66, 94, 80, 82, 80, 64);
  drop.cubicTo(80, 44, 56, 20, 50, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(drop);
  QPainterPath shine(QPointF(33, 62));
  shine.quadTo(32, 76, 44, 82);
  p.setPen(Stroke(plate, 5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shine);
}

// A drafting compass drawing its arc.
void Compass(QPainter& p, const QColor& ink, const QColor& plate) {
  p.setPen(Stroke(ink, 3));
  p.setBrush(Qt::NoBrush);
  // The arc the legs' tips trace, centred on the hinge.
  p.drawArc(QRectF(50 - 78, 16 - 78, 156, 156), 236 * 16, 68 * 16);
  p.setPen(Stroke(ink, 6.5));
  p.drawLine(QPointF(50, 16), QPointF(24, 90));
  p.drawLine(QPointF(50, 16), QPointF(76, 90));
  p.setPen(Stroke(ink, 4));
  p.drawLine(QPointF(50, 4), QPointF(50, 10));
  p.setBrush(plate);
  p.drawEllipse(QPointF(50, 16), 7.5, 7.5);
}

// An open book, its pages ruled with lines of text.
void Book(QPainter& p, const QColor& ink, const QColor& plate) {
  for (qreal side : {-1.0, 1.0}) {
    QPainterPath page(QPointF(50, 30));
    page.cubicTo(50 + side * 12, 22, 50 + side * 28, 20, 50 + side * 44, 24);
    page.lineTo(50 + side * 44, 80);
    page.cubicTo(50 + side * 28, 76, 50 + side * 12, 78, 50, 86);
    page.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(page);
    p.setPen(Stroke(plate, 2.2));
    for (int i = 0; i < 4; ++i) {
      const qreal y = 38 + i * 10;
      QPainterPath rule(QPointF(50 + side * 8, y + 2));
      rule.quadTo(50 + side * 22, y - 3, 50 + side * 36, y - 2);
      p.drawPath(rule);
    }
  }
  p.setPen(Stroke(plate, 3));
  p.drawLine(QPointF(50, 31), QPointF(50, 86));
}

struct Mark {
  const char* name;
  MarkPainter paint;
};

const std::array<Mark, 11>& Marks() {
  static const std::array<Mark, 11> marks = {{{"wheat", Wheat},
                                              {"book", Book},
                                              {"tooth", Tooth},
                                              {"circuit", Circuit},
                                              {"house", House},
                                              {"lotus", Lotus},
                                              {"bean", Bean},
                                              {"leaf", Leaf},
                                              {"paw", Paw},
                                              {"drop", Drop},
                                              {"compass", Compass}}};
  return marks;
}

}  // namespace

QStringList MarkNames() {
  QStringList names;
  for (const Mark& m : Marks()) names << QString::fromLatin1(m.name);
  return names;
}

QImage DrawMark(const QString& name, QSize size, const QColor& ink, const QColor& plate) {
  for (const Mark& m : Marks()) {
    if (name != QLatin1String(m.name)) continue;
    QImage image(size, QImage::Format_RGB32);
    image.fill(plate);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    p.scale(side / 100.0, side / 100.0);
    m.paint(p, ink, plate);
    return image;
  }
  return {};
}

}  // namespace tavolo::tmplgen
