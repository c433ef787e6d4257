// The columns of a merge's data beside the fields of the card they fill, as the merge dialog's
// table shows them: each column's header, its value in the record shown, the field it fills
// (which the user may change) and, for a column that fills none, why. Only the first
// kOfferedColumns columns are offered, the rest counted in one last row, so that a file of a
// million columns costs the view no more than one of a few hundred.
#pragma once

#include <memory>
#include <optional>

#include <QAbstractTableModel>

#include "core/merge/FieldMapping.h"
#include "core/merge/MergeTable.h"

namespace tavolo {

class MergeColumnsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kOfferedColumns = 300;
  enum Section { kColumn, kValue, kField, kNote, kSectionCount };

  explicit MergeColumnsModel(std::shared_ptr<const MergeTable> table, QObject* parent = nullptr);

  // Shows `mapping`, and the values of row `row` of the table (none when it is empty).
  void Show(const FieldMapping& mapping, std::optional<size_t> row);
  // The columns of the data that are offered, and those beyond.
  int Offered() const;
  int NotOffered() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // The field section takes the field's number (−1 for none) and tells it by fieldChosen.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 Q_SIGNALS:
  void fieldChosen(int column, std::optional<int> field);

 private:
  std::shared_ptr<const MergeTable> table_;
  FieldMapping mapping_;
  std::optional<size_t> row_;
  // The reason of each offered column that fills no field, by column.
  std::vector<std::optional<UnusedColumn>> unused_;
};

}  // namespace tavolo
