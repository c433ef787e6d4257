// The print dialog's "Draft Page Preview": the sheet with its cards as the current layout places
// them on the selected paper, or the grid's message when they do not fit. The sheet keeps the
// paper's proportions, centred in the control on the dialog's background. The dialog feeds it
// and asks it to redraw; the geometry and the painting are the engine's.
#pragma once

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetRenderer.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class DraftPagePreview : public OwnerDrawnControl {
  Q_OBJECT

 public:
  // The renderer and the layout are the dialog's; both must outlive the control.
  DraftPagePreview(const SheetRenderer& renderer, const PageLayout& layout,
                   QWidget* parent = nullptr);

  void SetPaper(PaperMm paper) { paper_ = paper; }
  void SetDpi(int dpi) { dpi_ = dpi; }
  // The drawing switch: until it is on, the preview is an empty framed sheet.
  void SetReady(bool ready) { ready_ = ready; }

  // Where the sheet lies: the largest rectangle of the paper's proportions in the control, or
  // the whole control while there is no paper.
  QRect SheetArea() const;

 protected:
  void Draw(QImage& picture) const override;

 private:
  const SheetRenderer& renderer_;
  const PageLayout& layout_;
  PaperMm paper_;
  int dpi_ = 0;
  bool ready_ = false;
};

}  // namespace tavolo
