// Asks for the name of the sheet product that "Save As Template" stores: "Template Name:", an edit,
// "Save" and "Cancel". Save is enabled once a name has been typed.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tavolo {

class SheetProductNameDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kNameEdit = 1034;

  explicit SheetProductNameDialog(QWidget* parent = nullptr);

  QString Name() const;

 private:
  QLineEdit* name_;
};

}  // namespace tavolo
