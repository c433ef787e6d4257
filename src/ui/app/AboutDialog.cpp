#include "ui/app/AboutDialog.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"

namespace tavolo {

namespace {

// The picture's lettering is Cantarell; the version line matches it.
constexpr int kVersionPixels = 15;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tr("About Tavolo..."));
  setFixedSize(kClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  picture_ = QImage(QStringLiteral(":/about.png"));
  TAVOLO_CHECK_AS("bmp.LoadBitmapA(148)", !picture_.isNull());
}

QString AboutDialog::VersionText() {
  // The project's version, the one `tavolo --version` prints.
  return Tr("Version %1").arg(QStringLiteral(TAVOLO_VERSION));
}

QImage AboutDialog::Picture() const {
  QImage composed(size(), QImage::Format_RGB32);
  composed.fill(Qt::white);
  QPainter painter(&composed);
  painter.drawImage(0, 0, picture_);
  QFont font(QStringLiteral("Cantarell"));
  font.setPixelSize(kVersionPixels);
  font.setWeight(QFont::DemiBold);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(kVersionColour));
  const QRect line(0, kVersionTop, width(), height() - kVersionTop);
  painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, VersionText());
  return composed;
}

void AboutDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Picture());
}

void AboutDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    accept();
    return;
  }
  QDialog::mousePressEvent(event);
}

}  // namespace tavolo
