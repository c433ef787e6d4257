#include "ui/dialogs/VCardContactDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "ui/base/OkCancelButtons.h"

namespace tavolo {

VCardContactDialog::VCardContactDialog(const QStringList& contacts, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Tr("From vCard"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(
      Tr("The file holds %1 contacts. Choose the one for the card:").arg(contacts.size()), this);
  layout->addWidget(label);
  list_ = new QListWidget(this);
  list_->addItems(contacts);
  list_->setCurrentRow(0);
  label->setBuddy(list_);
  layout->addWidget(list_);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(*this, *row);
  layout->addLayout(row);
}

int VCardContactDialog::Chosen() const {
  return list_->currentRow();
}

}  // namespace tavolo
