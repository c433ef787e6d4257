#include "ui/dialogs/MergeColumnsModel.h"

#include <algorithm>

#include <QBrush>
#include <QPalette>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"

namespace tavolo {

MergeColumnsModel::MergeColumnsModel(std::shared_ptr<const MergeTable> table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)) {}

int MergeColumnsModel::Offered() const {
  return static_cast<int>(std::min<qsizetype>(table_->columns.size(), kOfferedColumns));
}

int MergeColumnsModel::NotOffered() const {
  return static_cast<int>(table_->columns.size()) - Offered();
}

void MergeColumnsModel::Show(const FieldMapping& mapping, std::optional<size_t> row) {
  beginResetModel();
  mapping_ = mapping;
  row_ = row;
  unused_.assign(static_cast<size_t>(Offered()), std::nullopt);
  // The reasons are worked out for the offered columns alone.
  const QStringList offered = table_->columns.first(Offered());
  for (const UnusedColumn& unused : UnusedColumns(mapping_, offered)) {
    unused_[static_cast<size_t>(unused.column)] = unused;
  }
  endResetModel();
}

int MergeColumnsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return Offered() + (NotOffered() > 0 ? 1 : 0);
}

int MergeColumnsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kSectionCount;
}

QVariant MergeColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kColumn:
      return Tr("Column");
    case kValue:
      return Tr("Value");
    case kField:
      return Tr("Field");
    case kNote:
      return Tr("Note");
    default:
      return {};
  }
}

QVariant MergeColumnsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int column = index.row();
  if (column >= Offered()) {
    if (role != Qt::DisplayRole) return {};
    if (index.column() == kColumn) return Tr("%1 more columns").arg(NotOffered());
    if (index.column() == kNote) {
      int used = 0;
      for (const std::vector<int>& columns : mapping_.columnsOfField) {
        used +=
            static_cast<int>(std::ranges::count_if(columns, [&](int c) { return c >= Offered(); }));
      }
      return used == 0
                 ? Tr("not offered here; they fill no field")
                 : Tr("not offered here; %1 of them fill a field their header names").arg(used);
    }
    return {};
  }
  const std::optional<int> field = mapping_.FieldOf(column);
  if (role == Qt::EditRole && index.column() == kField) return field.value_or(-1);
  if (role == Qt::ForegroundRole && !field) return QPalette().brush(QPalette::PlaceholderText);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case kColumn:
      return ColumnTitle(table_->columns, column);
    case kValue:
      return row_ ? table_->Cell(*row_, column).toString().replace(u'\n', u' ') : QString();
    case kField:
      return field ? Tr(kFieldNames[static_cast<size_t>(*field)].label) : Tr("(none)");
    case kNote: {
      const std::optional<UnusedColumn>& unused = unused_[static_cast<size_t>(column)];
      if (unused) return UnusedText(*unused, mapping_, table_->columns);
      const std::vector<int>& joined = mapping_.columnsOfField[static_cast<size_t>(*field)];
      if (joined.size() > 1) return Tr("joined: %1").arg(ColumnsText(joined, table_->columns));
      return QString();
    }
    default:
      return {};
  }
}

Qt::ItemFlags MergeColumnsModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.column() == kField && index.row() < Offered()) flags |= Qt::ItemIsEditable;
  return flags;
}

bool MergeColumnsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || index.column() != kField || index.row() >= Offered()) return false;
  const int field = value.toInt();
  if (field >= kNamedValueCount) return false;
  Q_EMIT fieldChosen(index.row(), field < 0 ? std::nullopt : std::optional<int>(field));
  return true;
}

}  // namespace tavolo
