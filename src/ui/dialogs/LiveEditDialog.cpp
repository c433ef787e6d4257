#include "ui/dialogs/LiveEditDialog.h"

#include "ui/card/CardPreview.h"

namespace tavolo {

LiveEditDialog::LiveEditDialog(CardPreview& preview, QWidget* parent)
    : QDialog(parent), preview_(preview), snapshot_(preview.Document().Snapshot()) {}

CardDocument& LiveEditDialog::Document() const {
  return preview_.Document();
}

void LiveEditDialog::RedrawPreview() {
  preview_.Redraw();
}

void LiveEditDialog::done(int result) {
  // The close box after OK, or a second Escape, must not record or revert again.
  if (!closed_) {
    closed_ = true;
    if (result == QDialog::Accepted) {
      Document().RecordEdit();
    } else {
      Document().Revert(snapshot_);
      RedrawPreview();
    }
  }
  QDialog::done(result);
}

}  // namespace tavolo
