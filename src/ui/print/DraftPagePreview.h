// The print dialog's "Draft Page Preview": the first sheet of the dialog's print job, its cards as
// the job's layout places them on its paper, or the grid's message when they do not fit; for a
// two-sided job the sheet and its page of backs side by side. Each page keeps the paper's
// proportions, centred in its half of the control on the dialog's background. The dialog changes
// the job and asks it to redraw; the geometry and the painting are the engine's.
#pragma once

#include "core/print/SheetJob.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class DraftPagePreview : public OwnerDrawnControl {
  Q_OBJECT

 public:
  // The job is the dialog's and must outlive the control.
  explicit DraftPagePreview(const SheetJob& job, QWidget* parent = nullptr);

  // The drawing switch: until it is on, the preview is an empty framed sheet.
  void SetReady(bool ready) { ready_ = ready; }

  // Where page `page` lies (0 the sheet, 1 its backs): the largest rectangle of the paper's
  // proportions in the control (in its half of it for a two-sided job), or that whole space while
  // there is no paper.
  QRect SheetArea(int page = 0) const;

 protected:
  void Draw(QImage& picture) const override;

 private:
  const SheetJob& job_;
  bool ready_ = false;
};

}  // namespace tavolo
