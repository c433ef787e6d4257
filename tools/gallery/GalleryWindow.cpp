#include "GalleryWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <map>

#include "GalleryCatalog.h"

namespace tavolo {

namespace {

// Items are placed side by side within a section, wrapping after this many.
constexpr int kItemsPerRow = 5;

}  // namespace

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent), status_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Tavolo control gallery"));
  auto* layout = new QVBoxLayout(this);
  const GalleryReport report = [this](const QString& message) { status_->setText(message); };

  std::map<QString, QGridLayout*> sections;
  std::map<QString, int> counts;
  for (const GalleryItem& item : GalleryItems()) {
    QGridLayout*& grid = sections[item.section];
    if (grid == nullptr) {
      auto* box = new QGroupBox(item.section, this);
      grid = new QGridLayout(box);
      grid->setHorizontalSpacing(16);
      layout->addWidget(box);
    }
    auto* cell = new QWidget(this);
    auto* cellLayout = new QVBoxLayout(cell);
    cellLayout->setContentsMargins(0, 0, 0, 0);
    cellLayout->addWidget(new QLabel(item.title, cell));
    QWidget* control = item.make(cell, report);
    control->setFixedSize(item.size);
    cellLayout->addWidget(control);
    cellLayout->addStretch();
    const int index = counts[item.section]++;
    grid->addWidget(cell, index / kItemsPerRow, index % kItemsPerRow, Qt::AlignLeft | Qt::AlignTop);
  }
  status_->setText(QStringLiteral("Click, drag or hover over a control."));
  layout->addWidget(status_);
}

}  // namespace tavolo
