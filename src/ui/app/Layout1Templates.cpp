// The "&Templates" menu, and New Project, which starts from the template library too.
#include "ui/app/Layout1Dlg.h"

namespace tavolo {

void Layout1Dlg::OnNewProject() {
  NotAvailableYet(QStringLiteral("New Project"));
}

void Layout1Dlg::OnSaveTemplate() {
  NotAvailableYet(QStringLiteral("Save Template"));
}

}  // namespace tavolo
