// Base of the option dialogs that edit the card live: every change goes into the card document's
// live state and shows in the preview at once. Closing with OK records the whole visit as one
// undo step; any other close (Cancel, Escape, the close box) restores the card exactly as it was
// when the dialog opened.
#pragma once

#include <QDialog>

#include "core/card/CardDocument.h"
#include "core/card/CardState.h"

namespace tavolo {

class CardPreview;

class LiveEditDialog : public QDialog {
  Q_OBJECT

 public:
  // The live state as it was when the dialog opened.
  const CardState& Snapshot() const { return snapshot_; }

 protected:
  // Takes the snapshot; the preview (and its document) must outlive the dialog.
  LiveEditDialog(CardPreview& preview, QWidget* parent);

  CardDocument& Document() const;
  const CardState& Live() const { return Document().Live(); }

  // Changes a copy of the live state, hands it to the document and redraws the preview.
  template <class Change>
  void ChangeLive(Change&& change) {
    CardState live = Live();
    change(live);
    Document().SetLive(live);
    RedrawPreview();
  }

  void done(int result) override;

 private:
  void RedrawPreview();

  CardPreview& preview_;
  CardState snapshot_;
  bool closed_ = false;
};

}  // namespace tavolo
