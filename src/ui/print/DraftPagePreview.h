// The print dialog's "Draft Page Preview": the first sheet of the dialog's print job, its cards as
// the job's layout places them on its paper, or the grid's message when they do not fit. The
// sheet keeps the paper's proportions, centred in the control on the dialog's background. The
// dialog changes the job and asks it to redraw; the geometry and the painting are the engine's.
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

  // Where the sheet lies: the largest rectangle of the paper's proportions in the control, or
  // the whole control while there is no paper.
  QRect SheetArea() const;

 protected:
  void Draw(QImage& picture) const override;

 private:
  const SheetJob& job_;
  bool ready_ = false;
};

}  // namespace tavolo
