// What the merge dialog lists of what went wrong: what the reader noticed (a value read in
// another character set), then the records that something is wrong with, one line each ("line 5:
// the record is empty"), each made when it is shown, never all at once, so a file of a million
// empty records lists them as quickly as ten.
#pragma once

#include <string>
#include <vector>

#include <QAbstractListModel>

#include "core/merge/MergeRecords.h"

namespace tavolo {

class MergeProblemsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Shows `notes`, then `problems` (in line order) of a table whose rows are a sheet's when
  // `sheetRows`.
  void Show(std::vector<std::string> notes, std::vector<RecordProblem> problems, bool sheetRows);
  const std::vector<RecordProblem>& Problems() const { return problems_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<std::string> notes_;
  std::vector<RecordProblem> problems_;
  bool sheetRows_ = false;
};

}  // namespace tavolo
