// File → Merge…: the data file's columns beside the card, in one window. On the left every column
// (scrolling) with its value in the record shown, the field of the card it fills (a list to
// change it; several columns may fill one field, joined with a space) and, for a column that
// fills none, why. On the right the card as the merge makes it for the record shown, stepped
// through with First, Previous, Next and Last, and the records left out (or whose QR code would
// not scan) as a count and a list. Print and Export make the whole merge. The dialog draws its
// own copy of the card, so the card in the main window is never changed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "core/base/DataFolder.h"
#include "core/card/CardState.h"
#include "core/merge/CheckedRecords.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeRecords.h"
#include "core/render/CardRenderer.h"

class QLabel;
class QListView;
class QPushButton;
class QTableView;

namespace tavolo {

class MergeColumnsModel;
class MergeProblemsModel;
class PrinterChoice;
class Prompts;

class MergeDialog : public QDialog {
  Q_OBJECT

 public:
  // `card` is the card every record is merged into; `table` (which may be null) must outlive the
  // dialog; `file` is the data file's name as messages show it.
  MergeDialog(const CardState& card, const BackgroundTable* table, DataFolder photoFolder,
              CheckedRecords records, std::string file, PrinterChoice& printer, Prompts& prompts,
              QWidget* parent = nullptr);
  ~MergeDialog() override;

  // Makes `column` fill `field` (none when empty), as choosing it in the table does.
  void ChooseField(int column, std::optional<int> field);
  void ShowRecord(int index);
  int Current() const { return current_; }
  const MergeRecords& Records() const { return *data_.records; }
  const FieldMapping& Mapping() const { return data_.records->Mapping(); }
  // The card of the record shown, as drawn in the preview.
  const QImage& Preview() const { return preview_; }

  QTableView* ColumnsView() const { return columnsView_; }
  MergeColumnsModel* Columns() const { return columns_; }
  MergeProblemsModel* Problems() const { return problems_; }
  QLabel* Position() const { return position_; }
  QLabel* ProblemsSummary() const { return problemsSummary_; }
  QListView* ProblemsView() const { return problemsView_; }
  QPushButton* FirstButton() const { return first_; }
  QPushButton* PreviousButton() const { return previous_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* LastButton() const { return last_; }
  QPushButton* PrintButton() const { return print_; }
  QPushButton* ExportButton() const { return export_; }

 private:
  void OnPrint();
  void OnExport();
  // Shows the records and problems of data_ from its first record.
  void ShowData();
  int RecordCount() const { return static_cast<int>(data_.records->Count()); }

  CardState card_;
  CardRenderer renderer_;
  // The card's back, printed as it is behind every record's card.
  CardRenderer backRenderer_;
  CheckedRecords data_;
  std::string file_;
  PrinterChoice& printer_;
  Prompts& prompts_;
  int current_ = 0;
  QImage preview_;

  QTableView* columnsView_ = nullptr;
  MergeColumnsModel* columns_ = nullptr;
  QLabel* unused_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* position_ = nullptr;
  QLabel* problemsSummary_ = nullptr;
  QListView* problemsView_ = nullptr;
  MergeProblemsModel* problems_ = nullptr;
  QPushButton* first_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* last_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* export_ = nullptr;
};

}  // namespace tavolo
