// Asks for the name under which Save Template stores the card (the print dialog names sheet
// products with SheetProductNameDialog). The name must be usable as a file name: while it is not,
// the dialog says why and its "Save" button stays disabled.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavolo {

class TemplateNameDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TemplateNameDialog(QWidget* parent = nullptr);

  // The name typed, without leading and trailing spaces.
  QString Name() const;
  QLineEdit* NameEditor() const { return name_; }
  QPushButton* SaveButton() const { return save_; }
  // Why the name cannot be used; empty when it can.
  QString Problem() const;

 public Q_SLOTS:
  // Closes only with a usable name.
  void accept() override;

 private:
  void ShowProblem();

  QLineEdit* name_;
  QLabel* problem_;
  QPushButton* save_;
};

}  // namespace tavolo
