#include "ui/print/SheetProductNameDialog.h"

#include "core/base/Translation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolo {

SheetProductNameDialog::SheetProductNameDialog(QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)) {
  setWindowTitle(Tr("Save As Template"));
  name_->setObjectName(QString::number(kNameEdit));
  name_->setMinimumWidth(260);
  auto* label = new QLabel(Tr("&Template Name:"), this);
  label->setBuddy(name_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(Tr("&Save"), QDialogButtonBox::AcceptRole);
  buttons->addButton(Tr("Cancel"), QDialogButtonBox::RejectRole);
  save->setDefault(true);
  save->setEnabled(false);
  connect(name_, &QLineEdit::textChanged, save,
          [save](const QString& text) { save->setEnabled(!text.isEmpty()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(name_);
  layout->addWidget(buttons);
}

QString SheetProductNameDialog::Name() const {
  return name_->text();
}

}  // namespace tavolo
