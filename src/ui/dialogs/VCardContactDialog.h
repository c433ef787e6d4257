// The contacts of a vCard file listed to choose one ("Anna Rossi, Acme"): OK takes the one
// selected (the first at the start); a double click takes it at once.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace tavolo {

class VCardContactDialog : public QDialog {
  Q_OBJECT

 public:
  explicit VCardContactDialog(const QStringList& contacts, QWidget* parent = nullptr);

  int Chosen() const;
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};

}  // namespace tavolo
