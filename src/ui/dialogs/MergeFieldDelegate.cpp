#include "ui/dialogs/MergeFieldDelegate.h"

#include <QComboBox>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"

namespace tavolo {

QWidget* MergeFieldDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex&) const {
  auto* choice = new QComboBox(parent);
  choice->addItem(Tr("(none)"));
  for (const FieldName& field : kFieldNames) choice->addItem(Tr(field.label));
  connect(choice, &QComboBox::activated, this, [this, choice] {
    auto* self = const_cast<MergeFieldDelegate*>(this);
    Q_EMIT self->commitData(choice);
    Q_EMIT self->closeEditor(choice);
  });
  return choice;
}

void MergeFieldDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  // Item 0 is "(none)", item f + 1 the field f.
  static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt() + 1);
}

void MergeFieldDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentIndex() - 1, Qt::EditRole);
}

}  // namespace tavolo
