// The field section of the merge dialog's table edited with a list of the card's fields and
// "(none)": a choice is taken as soon as it is made.
#pragma once

#include <QStyledItemDelegate>

namespace tavolo {

class MergeFieldDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace tavolo
