// The gallery's window: the catalogue's controls in titled sections, and a status line that
// shows the last notification any of them sent.
#pragma once

#include <QWidget>

class QLabel;

namespace tavolo {

class GalleryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit GalleryWindow(QWidget* parent = nullptr);

 private:
  QLabel* status_;
};

}  // namespace tavolo
