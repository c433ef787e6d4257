#include "ui/dialogs/MergeMappingDialog.h"

#include <algorithm>

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "ui/base/OkCancelButtons.h"

namespace tavolo {

namespace {

enum TableColumn { kHeader, kSample, kField };

}  // namespace

MergeMappingDialog::MergeMappingDialog(const MergeTable& data, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tr("Merge: Columns"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(Tr("Choose the field of the card that each column fills. Columns set to "
                    "\"(none)\" are not used."),
                 this));
  const int columns = static_cast<int>(data.columns.size());
  table_ = new QTableWidget(columns, 3, this);
  table_->setHorizontalHeaderLabels({Tr("Column"), Tr("First record"), Tr("Field")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const FieldMapping mapping = MappingByHeader(data.columns);
  const QStringList first = data.rows.empty() ? QStringList() : data.rows.front().cells;
  for (int c = 0; c < columns; ++c) {
    table_->setItem(c, kHeader, new QTableWidgetItem(data.columns[c]));
    table_->setItem(c, kSample, new QTableWidgetItem(c < first.size() ? first[c] : QString()));
    auto* choice = new QComboBox(table_);
    choice->addItem(Tr("(none)"));
    for (const FieldName& field : kFieldNames) choice->addItem(Tr(field.label));
    const auto found = std::ranges::find(mapping.columnOfField, c);
    if (found != mapping.columnOfField.end()) {
      choice->setCurrentIndex(static_cast<int>(found - mapping.columnOfField.begin()) + 1);
    }
    connect(choice, &QComboBox::currentIndexChanged, this, [this, c] { OnFieldChosen(c); });
    table_->setCellWidget(c, kField, choice);
    choices_.push_back(choice);
  }
  table_->setMinimumWidth(520);
  layout->addWidget(table_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(*this, *row, Tr("Next"));
  layout->addLayout(row);
}

void MergeMappingDialog::OnFieldChosen(int column) {
  const int field = choices_[static_cast<size_t>(column)]->currentIndex();
  if (field == 0) return;
  for (size_t c = 0; c < choices_.size(); ++c) {
    if (static_cast<int>(c) != column && choices_[c]->currentIndex() == field) {
      choices_[c]->setCurrentIndex(0);
    }
  }
}

FieldMapping MergeMappingDialog::Mapping() const {
  FieldMapping mapping;
  mapping.columnOfField.fill(kNoColumn);
  for (size_t c = 0; c < choices_.size(); ++c) {
    const int field = choices_[c]->currentIndex() - 1;
    if (field >= 0) mapping.columnOfField[static_cast<size_t>(field)] = static_cast<int>(c);
  }
  return mapping;
}

}  // namespace tavolo
