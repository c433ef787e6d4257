#include "ui/dialogs/MergeProblemsModel.h"

#include "core/base/Translation.h"

namespace tavolo {

void MergeProblemsModel::Show(std::vector<std::string> notes, std::vector<RecordProblem> problems,
                              bool sheetRows) {
  beginResetModel();
  notes_ = std::move(notes);
  problems_ = std::move(problems);
  sheetRows_ = sheetRows;
  endResetModel();
}

int MergeProblemsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(notes_.size() + problems_.size());
}

QVariant MergeProblemsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  const auto row = static_cast<size_t>(index.row());
  if (row < notes_.size()) return QString::fromStdString(notes_[row]);
  const RecordProblem& problem = problems_[row - notes_.size()];
  return (sheetRows_ ? Tr("row %1: %2") : Tr("line %1: %2"))
      .arg(problem.line)
      .arg(QString::fromStdString(ProblemText(problem)));
}

}  // namespace tavolo
