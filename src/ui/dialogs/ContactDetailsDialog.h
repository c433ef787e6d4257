// Edit → Contact Details…: the card's eleven contact details, one labelled line each, as the
// template library asks for them. "From vCard..." fills them from a contact in a .vcf file (the
// only one, or one chosen from a list). The caller hands the details in and, on OK, takes them
// back to have the document distribute them; the dialog changes nothing by itself.
#pragma once

#include <QDialog>
#include <array>

#include "core/card/ContactDetails.h"

class QLineEdit;
class QPushButton;

namespace tavolo {

class Prompts;

class ContactDetailsDialog : public QDialog {
  Q_OBJECT

 public:
  ContactDetailsDialog(const ContactDetails& details, Prompts& prompts, QWidget* parent = nullptr);

  ContactDetails Details() const;
  void SetDetails(const ContactDetails& details);
  QLineEdit* FieldEditor(int field) const { return editors_.at(static_cast<size_t>(field)); }
  QPushButton* FromVCardButton() const { return fromVCard_; }

 private:
  void OnFromVCard();

  Prompts& prompts_;
  std::array<QLineEdit*, kNamedValueCount> editors_{};
  QPushButton* fromVCard_ = nullptr;
};

}  // namespace tavolo
