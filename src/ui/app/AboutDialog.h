// The About box: the program's picture with its version drawn over it. A click anywhere in it,
// or Escape, closes it.
#pragma once

#include <QDialog>
#include <QImage>

namespace tavolo {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{751, 501};
  // The version line's colour and where its rectangle starts; it is centred across the box.
  static constexpr QRgb kVersionColour = qRgb(0, 45, 100);
  static constexpr int kVersionTop = 230;

  explicit AboutDialog(QWidget* parent = nullptr);

  static QString VersionText();
  // The box as it paints itself.
  QImage Picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace tavolo
