// The Front/Back switch above the card: it says which face is being edited and switches to the
// other. "Back" can be chosen only while the card has a back.
#pragma once

#include <QWidget>

#include "core/document/FaceSwap.h"

class QPushButton;

namespace tavolo {

class FaceSwitch : public QWidget {
  Q_OBJECT

 public:
  explicit FaceSwitch(QWidget* parent = nullptr);

  // Shows `face` as the one edited; nothing is emitted.
  void Show(CardFace face, bool hasBack);
  QPushButton* Button(CardFace face) const { return face == CardFace::kBack ? back_ : front_; }

 Q_SIGNALS:
  void faceChosen(CardFace face);

 private:
  QPushButton* front_ = nullptr;
  QPushButton* back_ = nullptr;
};

}  // namespace tavolo
