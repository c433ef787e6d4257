#include "ui/dialogs/LiveEditDialog.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/base/DialogPlacement.h"
#include "ui/base/UserSettings.h"
#include "ui/base/CardView.h"

namespace tavolo {

LiveEditDialog::LiveEditDialog(CardView& preview, QWidget* parent)
    : QDialog(parent), preview_(preview), snapshot_(preview.Document().Snapshot()) {}

CardDocument& LiveEditDialog::Document() const {
  return preview_.Document();
}

QString LiveEditDialog::PositionKey() const {
  return QStringLiteral("dialogs/%1/position").arg(QString::fromLatin1(metaObject()->className()));
}

void LiveEditDialog::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    // A kept position counts while it still lies on a screen.
    const QPoint kept = UserSettings()->value(PositionKey()).toPoint();
    if (!kept.isNull() && QGuiApplication::screenAt(kept + QPoint(20, 20)) != nullptr) {
      move(kept);
    } else if (const QScreen* shown = preview_.ShownOn()) {
      move(PlaceBeside(preview_.CardOnScreen(), frameGeometry().size(),
                       shown->availableGeometry()));
    }
  }
  QDialog::showEvent(event);
}

void LiveEditDialog::done(int result) {
  // The close box after OK, or a second Escape, must not record or revert again.
  if (!closed_) {
    closed_ = true;
    if (isVisible()) UserSettings()->setValue(PositionKey(), pos());
    if (result == QDialog::Accepted) {
      Document().RecordEdit();
    } else {
      Document().Revert(snapshot_);
    }
  }
  QDialog::done(result);
}

}  // namespace tavolo
