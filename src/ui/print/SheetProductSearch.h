// The print dialog's search for the sheet a user holds, by what is on its box: a field that
// filters the sheet products as the user types (maker, part number, card size) over the list of
// those that match, grouped by paper with the last used first. A click or Enter picks one; Enter
// in the field picks the first listed. The products last picked are kept in the user's settings.
#pragma once

#include <vector>

#include <QStringList>
#include <QWidget>

#include "core/print/SheetProduct.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tavolo {

class SheetProductSearch : public QWidget {
  Q_OBJECT

 public:
  // `errors` say which files of products could not be read; the list says so below itself.
  SheetProductSearch(std::vector<SheetProduct> products, const std::vector<std::string>& errors,
                     QWidget* parent = nullptr);

  QLineEdit* Field() const { return field_; }
  QTreeWidget* List() const { return list_; }
  // The products listed, in list order.
  std::vector<const SheetProduct*> Listed() const;

 Q_SIGNALS:
  void productPicked(const tavolo::SheetProduct& product);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fill();
  void Pick(const QTreeWidgetItem* item);

  std::vector<SheetProduct> products_;
  QStringList recent_;
  QLineEdit* field_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace tavolo
