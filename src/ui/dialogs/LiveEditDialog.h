// Base of the option dialogs that edit the card live: every change goes into the card document's
// live state and shows in the preview at once. Closing with OK records the whole visit as one
// undo step; any other close (Cancel, Escape, the close box) restores the card exactly as it was
// when the dialog opened. The dialog opens where the user last put it, else beside the card.
#pragma once

#include <QDialog>

#include "core/card/CardState.h"
#include "core/document/CardDocument.h"

namespace tavolo {

class CardView;

class LiveEditDialog : public QDialog {
  Q_OBJECT

 public:
  // The live state as it was when the dialog opened.
  const CardState& Snapshot() const { return snapshot_; }

 protected:
  // Takes the snapshot; the preview (and its document) must outlive the dialog.
  LiveEditDialog(CardView& preview, QWidget* parent);

  CardDocument& Document() const;
  const CardState& Live() const { return Document().Live(); }

  // Changes a copy of the live state and hands it to the document, which has it shown.
  template <class Change>
  void ChangeLive(Change&& change) {
    CardState live = Live();
    change(live);
    Document().SetLive(live);
  }

  void done(int result) override;
  void showEvent(QShowEvent* event) override;

 private:
  QString PositionKey() const;

  CardView& preview_;
  CardState snapshot_;
  bool closed_ = false;
  bool placed_ = false;
};

}  // namespace tavolo
