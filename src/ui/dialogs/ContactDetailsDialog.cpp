#include "ui/dialogs/ContactDetailsDialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/MergeTable.h"
#include "core/merge/VCardReader.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/base/Prompts.h"
#include "ui/dialogs/VCardContactDialog.h"

namespace tavolo {

namespace {

constexpr int kEditorWidth = 260;

// The contacts of the vCard file at `path`, or why there are none.
Outcome<MergeTable> ReadContacts(const QString& path) {
  const std::string name = PrintableName(QFileInfo(path).fileName().toStdString());
  const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(path.toStdString(), kMaxMergeFileBytes);
  if (!bytes) return TranslatedFailure(bytes);
  if (!LooksLikeVCard(bytes.Value())) {
    return Failure{TrMessage("%1 is no vCard file: it does not begin with BEGIN:VCARD.", name)};
  }
  Outcome<MergeTable> table = ReadVCards(bytes.Value(), name);
  if (table && table.Value().RowCount() == 0) {
    return Failure{TrMessage("%1 holds no contact.", name)};
  }
  return table;
}

}  // namespace

ContactDetailsDialog::ContactDetailsDialog(const ContactDetails& details, Prompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
  setWindowTitle(Tr("Contact Details"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (size_t i = 0; i < editors_.size(); ++i) {
    auto* editor = new QLineEdit(details[i], this);
    editor->setMaxLength(kMaxLineLength);
    editor->setMinimumWidth(kEditorWidth);
    editors_[i] = editor;
    auto* label = new QLabel(Tr(kFieldNames[i].label), this);
    label->setBuddy(editor);
    form->addRow(label, editor);
  }
  layout->addLayout(form);
  auto* row = new QHBoxLayout;
  fromVCard_ = new QPushButton(Tr("From &vCard..."), this);
  fromVCard_->setAutoDefault(false);
  connect(fromVCard_, &QPushButton::clicked, this, &ContactDetailsDialog::OnFromVCard);
  row->addWidget(fromVCard_);
  row->addStretch();
  AddOkCancel(*this, *row);
  layout->addLayout(row);
}

ContactDetails ContactDetailsDialog::Details() const {
  ContactDetails details;
  for (size_t i = 0; i < editors_.size(); ++i) details[i] = editors_[i]->text();
  return details;
}

void ContactDetailsDialog::SetDetails(const ContactDetails& details) {
  for (size_t i = 0; i < editors_.size(); ++i) editors_[i]->setText(details[i]);
}

void ContactDetailsDialog::OnFromVCard() {
  const QString path = prompts_.OpenFileName(
      this,
      {Tr("From vCard"), Tr("vCards (*.vcf *.vcard);;All files (*)"), {}, {}, FileKind::kNone});
  if (path.isEmpty()) return;
  const Outcome<MergeTable> read = ReadContacts(path);
  if (!read) {
    prompts_.Tell(this, QString::fromStdString(read.Message()), QMessageBox::Warning);
    return;
  }
  const MergeTable& table = read.Value();
  size_t chosen = 0;
  if (table.RowCount() > 1) {
    QStringList contacts;
    for (size_t row = 0; row < table.RowCount(); ++row) {
      QStringList shown;
      for (const int field : {kName, kCompany}) {
        if (!table.Cell(row, field).isEmpty()) shown.push_back(table.Cell(row, field).toString());
      }
      contacts.push_back(shown.isEmpty() ? Tr("(no name, line %1)").arg(table.Line(row))
                                         : shown.join(QStringLiteral(", ")));
    }
    VCardContactDialog choice(contacts, this);
    if (prompts_.Run(choice) != QDialog::Accepted || choice.Chosen() < 0) return;
    chosen = static_cast<size_t>(choice.Chosen());
  }
  ContactDetails details = DetailsOfRow(table, chosen, MappingByHeader(table.columns));
  for (QString& value : details) value.truncate(kMaxLineLength);
  SetDetails(details);
}

}  // namespace tavolo
