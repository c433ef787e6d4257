#include "ui/dialogs/ContactDetailsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "ui/base/OkCancelButtons.h"

namespace tavolo {

namespace {

constexpr int kEditorWidth = 260;

}  // namespace

ContactDetailsDialog::ContactDetailsDialog(const ContactDetails& details, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Tr("Contact Details"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (size_t i = 0; i < editors_.size(); ++i) {
    auto* editor = new QLineEdit(details[i], this);
    editor->setMaxLength(kMaxLineLength);
    editor->setMinimumWidth(kEditorWidth);
    editors_[i] = editor;
    auto* label = new QLabel(Tr(kFieldNames[i].label), this);
    label->setBuddy(editor);
    form->addRow(label, editor);
  }
  layout->addLayout(form);
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(*this, *row);
  layout->addLayout(row);
}

ContactDetails ContactDetailsDialog::Details() const {
  ContactDetails details;
  for (size_t i = 0; i < editors_.size(); ++i) details[i] = editors_[i]->text();
  return details;
}

}  // namespace tavolo
