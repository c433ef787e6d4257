// The "&Layouts" and "&Window" menus: switching the layout, and the option dialogs of the text
// boxes and the background.
#include <QPointer>

#include "ui/app/FieldPanel.h"
#include "ui/app/Layout1Dlg.h"
#include "ui/app/Textprop.h"
#include "ui/dialogs/BGOptDlg.h"
#include "ui/dialogs/TextOptDlg.h"

namespace tavolo {

void Layout1Dlg::OnLayout(int layout) {
  // Picking the current layout again changes nothing.
  document_.SwitchLayout(layout);
}

void Layout1Dlg::OnTextField(int box) {
  if (box < 0 || box >= fields_->Count()) return;
  ChooserPause pause(*this);
  const QPointer<Textprop> caption = fields_->Caption(box);
  caption->SetHighlighted(true);
  TextOptDlg dialog(*preview_, box, this);
  // The dialog records its step or puts the card back as it closes.
  prompts_->Run(dialog);
  if (caption) caption->SetHighlighted(false);
}

void Layout1Dlg::OnBackgroundOptions() {
  ChooserPause pause(*this);
  BGOptDlg dialog(*preview_, this);
  prompts_->Run(dialog);
}

}  // namespace tavolo
