// What the gallery shows: every control, grouped in sections. To show a new control, add a
// GalleryItem to the list in GalleryCatalog.cpp; the window lays it out by itself.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace tavolo {

// Lets a shown control say what it told its owner (shown in the gallery's status line).
using GalleryReport = std::function<void(const QString& message)>;

struct GalleryItem {
  QString section;
  QString title;
  QSize size;  // the control's fixed size
  // Builds the control as a child of `parent` and connects its notifications to `report`.
  std::function<QWidget*(QWidget* parent, const GalleryReport& report)> make;
};

std::vector<GalleryItem> GalleryItems();

}  // namespace tavolo
