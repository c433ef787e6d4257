// The "&Help" menu.
#include "ui/app/Layout1Dlg.h"

namespace tavolo {

void Layout1Dlg::OnHelp() {
  NotAvailableYet(QStringLiteral("Tavolo Help"));
}

void Layout1Dlg::OnAbout() {
  NotAvailableYet(QStringLiteral("About Tavolo"));
}

}  // namespace tavolo
