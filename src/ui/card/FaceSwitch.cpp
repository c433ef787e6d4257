#include "ui/card/FaceSwitch.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/base/Translation.h"

namespace tavolo {

FaceSwitch::FaceSwitch(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addStretch();
  const auto make = [&](const QString& text, CardFace face) {
    auto* button = new QPushButton(text, this);
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setFocusPolicy(Qt::TabFocus);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, face] { Q_EMIT faceChosen(face); });
    return button;
  };
  front_ = make(Tr("Front side"), CardFace::kFront);
  back_ = make(Tr("Back side"), CardFace::kBack);
  row->addStretch();
  setAccessibleName(Tr("Face being edited"));
  Show(CardFace::kFront, false);
}

void FaceSwitch::Show(CardFace face, bool hasBack) {
  const QSignalBlocker frontQuiet(front_);
  const QSignalBlocker backQuiet(back_);
  back_->setEnabled(hasBack);
  front_->setChecked(face == CardFace::kFront);
  back_->setChecked(face == CardFace::kBack);
}

}  // namespace tavolo
