// splashgen draws the two 751 × 501 pictures of the start-up and About windows from a few of the
// shipped templates, fanned out like cards on a table:
//   resources/loading.png  the loading window's picture (bitmap 146)
//   resources/about.png    the About box's picture (bitmap 148); the box writes the project's
//                          version over it from y = 230 down, centred, so that band is left plain
// The pictures are committed; after a change here or to the templates, regenerate them with
//   build/tools/splashgen/splashgen build/bin resources
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplateTable.h"
#include "core/render/CardRenderer.h"

namespace tavolo::splashgen {

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 751;
constexpr int kHeight = 501;
// The colour the About box writes its version line in, and Tavolo's own.
const QColor kBrand(0, 45, 100);
const QColor kAccent(0xe8, 0xa3, 0x3d);

struct Shelf {
  BackgroundTable backgrounds;
  TemplateTable templates;
};

// A shipped template drawn full size; null when the program folder has no such template.
QImage Card(Shelf& shelf, CardRenderer& renderer, const std::string& title) {
  for (int i = 0; i < shelf.templates.Count(); ++i) {
    const TemplateEntry& entry = shelf.templates.Entry(i);
    if (entry.title != title) continue;
    renderer.DropBackgroundCache();
    return renderer.Render(entry.card, 1, kPrintWidth, kPrintHeight);
  }
  std::fprintf(stderr, "splashgen: no template is titled '%s'\n", title.c_str());
  return {};
}

// One card lying on the table: turned by `degrees` about its centre, with a soft shadow.
void LayCard(QPainter& p, const QImage& card, QPointF centre, qreal width, qreal degrees) {
  if (card.isNull()) return;
  const qreal height = width * card.height() / card.width();
  const QRectF rect(-width / 2, -height / 2, width, height);
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  p.setPen(Qt::NoPen);
  for (int i = 10; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 7));
    p.drawRoundedRect(rect.adjusted(-i + 2, -i + 5, i + 2, i + 5), 4 + i, 4 + i);
  }
  QPainterPath corners;
  corners.addRoundedRect(rect, 3, 3);
  p.setClipPath(corners);
  p.drawImage(rect, card.scaled(static_cast<int>(width * 2), static_cast<int>(height * 2),
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  p.restore();
}

// Tavolo's mark: three cards stacked askew.
void Mark(QPainter& p, QPointF centre, qreal size, const QColor& back, const QColor& front) {
  const QRectF card(-size / 2, -size * 0.3, size, size * 0.6);
  p.save();
  p.translate(centre);
  p.setPen(Qt::NoPen);
  const qreal turns[] = {-16, -6, 4};
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(i * size * 0.06, -i * size * 0.05);
    p.rotate(turns[i]);
    QColor c = i == 2 ? front : back;
    if (i == 1) c.setAlphaF(0.75f);
    if (i == 0) c.setAlphaF(0.5f);
    p.setBrush(c);
    p.drawRoundedRect(card, size * 0.06, size * 0.06);
    p.restore();
  }
  p.restore();
}

QFont Font(const QString& family, int pixels, QFont::Weight weight, bool italic = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setWeight(weight);
  font.setItalic(italic);
  return font;
}

void Smooth(QPainter& p) {
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                   QPainter::TextAntialiasing);
}

QImage Loading(Shelf& shelf, CardRenderer& renderer) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient sky(0, 0, kWidth * 0.3, kHeight);
  sky.setColorAt(0.0, QColor(0x12, 0x2e, 0x57));
  sky.setColorAt(1.0, QColor(0x06, 0x16, 0x2e));
  p.fillRect(image.rect(), sky);
  QRadialGradient lamp(QPointF(kWidth * 0.72, kHeight * 0.42), kWidth * 0.55);
  lamp.setColorAt(0.0, QColor(255, 255, 255, 38));
  lamp.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(image.rect(), lamp);

  LayCard(p, Card(shelf, renderer, "Florist"), {560, 130}, 270, 11);
  LayCard(p, Card(shelf, renderer, "IT Consultant"), {585, 265}, 290, -7);
  LayCard(p, Card(shelf, renderer, "Bakery"), {520, 395}, 300, 4);

  Mark(p, {78, 118}, 62, QColor(0x9f, 0xc3, 0xeb), kAccent);
  p.setPen(Qt::white);
  p.setFont(Font(QStringLiteral("League Spartan"), 72, QFont::Bold));
  p.drawText(QPointF(40, 230), QStringLiteral("Tavolo"));
  p.setPen(QColor(0xc6, 0xd8, 0xee));
  p.setFont(Font(QStringLiteral("EB Garamond"), 24, QFont::Normal, true));
  p.drawText(QPointF(43, 268), QStringLiteral("Business cards, ready to print"));
  p.setPen(kAccent);
  p.setFont(Font(QStringLiteral("Cantarell"), 17, QFont::Normal));
  p.drawText(QPointF(43, 452), QStringLiteral("Loading... Please Wait"));
  p.end();
  return image;
}

QImage About(Shelf& shelf, CardRenderer& renderer) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient paper(0, 0, 0, kHeight);
  paper.setColorAt(0.0, QColor(0xfb, 0xfa, 0xf7));
  paper.setColorAt(0.62, QColor(0xf1, 0xf3, 0xf7));
  paper.setColorAt(1.0, QColor(0xdd, 0xe5, 0xf0));
  p.fillRect(image.rect(), paper);

  Mark(p, {kWidth / 2.0, 66}, 56, QColor(0x7f, 0x9c, 0xc2), kAccent);
  p.setPen(kBrand);
  p.setFont(Font(QStringLiteral("League Spartan"), 64, QFont::Bold));
  p.drawText(QRectF(0, 100, kWidth, 76), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Tavolo"));
  p.setPen(QColor(0x4a, 0x5a, 0x70));
  p.setFont(Font(QStringLiteral("EB Garamond"), 22, QFont::Normal, true));
  p.drawText(QRectF(0, 176, kWidth, 30), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Business cards, ready to print"));
  // y = 230 to about 262 stays plain: the About box writes the version there.
  p.setPen(QColor(0x5c, 0x66, 0x75));
  p.setFont(Font(QStringLiteral("Cantarell"), 14, QFont::Normal));
  p.drawText(
      QRectF(0, 276, kWidth, 22), Qt::AlignHCenter | Qt::AlignVCenter,
      QStringLiteral("Design a card, then print it many to a sheet or export it as a picture."));

  LayCard(p, Card(shelf, renderer, "Law Office"), {205, 400}, 190, -6);
  LayCard(p, Card(shelf, renderer, "Photographer"), {375, 392}, 200, 1);
  LayCard(p, Card(shelf, renderer, "Dentist"), {546, 400}, 190, 6);
  p.end();
  return image;
}

}  // namespace

}  // namespace tavolo::splashgen

int main(int argc, char** argv) {
  using namespace tavolo;
  using namespace tavolo::splashgen;
  if (argc != 3) {
    std::fprintf(stderr, "usage: splashgen HOME FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const fs::path home = argv[1];
  const fs::path folder = argv[2];
  Shelf shelf;
  if (!ReadBGFileIn(shelf.backgrounds, home).Ok() ||
      shelf.templates.ReloadIn(home, shelf.backgrounds).unopened.size() > 0 ||
      shelf.templates.Count() == 0) {
    std::fprintf(stderr, "splashgen: %s holds no complete templates\n", home.string().c_str());
    return 1;
  }
  CardRenderer renderer(&shelf.backgrounds, home / "customphotos");
  for (const auto& [name, picture] : {std::pair{"loading.png", Loading(shelf, renderer)},
                                      std::pair{"about.png", About(shelf, renderer)}}) {
    const fs::path file = folder / name;
    if (!picture.save(QString::fromStdString(file.string()))) {
      std::fprintf(stderr, "splashgen: cannot write %s\n", file.string().c_str());
      return 1;
    }
  }
  return 0;
}
