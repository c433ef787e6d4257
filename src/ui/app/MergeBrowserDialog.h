// File → Merge…, second step: the records one at a time, each shown on the card as the merge
// will make it (First, Previous, Next, Last; "Record 3 of 10"), and the whole merge printed
// through the print dialog or exported as one image per record. The dialog draws its own copy
// of the card, so the card in the main window is never changed by browsing.
#pragma once

#include <filesystem>

#include <QDialog>

#include "core/base/DataFolder.h"
#include "core/render/CardRenderer.h"
#include "core/card/CardState.h"
#include "core/merge/MergeRecords.h"

class QLabel;
class QPushButton;

namespace tavolo {

class PrinterChoice;
class Prompts;

class MergeBrowserDialog : public QDialog {
  Q_OBJECT

 public:
  // `card` is the card every record is merged into; `table` (which may be null) must outlive the
  // dialog. `records` holds at least one record.
  MergeBrowserDialog(const CardState& card, const BackgroundTable* table,
                     DataFolder photoFolder, MergeRecords records,
                     PrinterChoice& printer, Prompts& prompts, QWidget* parent = nullptr);

  int Current() const { return current_; }
  void ShowRecord(int index);
  // The card of the record shown, as drawn in the preview.
  const QImage& Preview() const { return preview_; }
  QLabel* Position() const { return position_; }
  QPushButton* FirstButton() const { return first_; }
  QPushButton* PreviousButton() const { return previous_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* LastButton() const { return last_; }
  QPushButton* PrintButton() const { return print_; }
  QPushButton* ExportButton() const { return export_; }

 private:
  void OnPrint();
  void OnExport();
  int RecordCount() const { return static_cast<int>(records_.records.size()); }

  CardState card_;
  CardRenderer renderer_;
  // The card's back, printed as it is behind every record's card.
  CardRenderer backRenderer_;
  MergeRecords records_;
  PrinterChoice& printer_;
  Prompts& prompts_;
  int current_ = 0;
  QImage preview_;

  QLabel* picture_ = nullptr;
  QLabel* position_ = nullptr;
  QPushButton* first_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* last_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* export_ = nullptr;
};

}  // namespace tavolo
