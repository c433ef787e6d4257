// Edit → Contact Details…: the card's eleven contact details, one labelled line each, as the
// template library asks for them. The caller hands the details in and, on OK, takes them back
// to have the document distribute them; the dialog changes nothing by itself.
#pragma once

#include <QDialog>
#include <array>

#include "core/card/CardState.h"
#include "core/card/ContactDetails.h"

class QLineEdit;

namespace tavolo {

class ContactDetailsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ContactDetailsDialog(const ContactDetails& details, QWidget* parent = nullptr);

  ContactDetails Details() const;
  QLineEdit* FieldEditor(int field) const { return editors_.at(static_cast<size_t>(field)); }

 private:
  std::array<QLineEdit*, kContactFieldCount> editors_{};
};

}  // namespace tavolo
