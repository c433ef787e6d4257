// File → Merge…, first step: which column of the data file fills which field of the card. One
// row per column (its header, the first record's value, a field to choose or "(none)"), filled
// from the headers as FieldMapping recognises them; a field chosen for one column is taken from
// the column that had it.
#pragma once

#include <vector>

#include <QDialog>

#include "core/merge/FieldMapping.h"
#include "core/merge/MergeTable.h"

class QComboBox;
class QTableWidget;

namespace tavolo {

class MergeMappingDialog : public QDialog {
  Q_OBJECT

 public:
  MergeMappingDialog(const MergeTable& table, QWidget* parent = nullptr);

  FieldMapping Mapping() const;
  // The combo of a column: item 0 is "(none)", item f + 1 the field f.
  QComboBox* FieldChoice(int column) const { return choices_.at(static_cast<size_t>(column)); }

 private:
  void OnFieldChosen(int column);

  QTableWidget* table_ = nullptr;
  std::vector<QComboBox*> choices_;
};

}  // namespace tavolo
