// What a screen reader learns of a widget that draws its own picture (see AccessibleCells): its
// role and name, and for a widget of several cells one list item per cell with its name, place
// and selection.
#pragma once

#include <map>

#include <QAccessibleWidget>
#include <QPointer>

namespace tavolo {

class AccessibleCells;

class OwnerDrawnAccessible : public QAccessibleWidget {
 public:
  OwnerDrawnAccessible(QWidget* widget, const AccessibleCells* cells);
  ~OwnerDrawnAccessible() override;

  QString text(QAccessible::Text kind) const override;
  QAccessible::Role role() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // Makes the interfaces of the widgets that are AccessibleCells through this class; done once, by
  // each program that shows them, before its first window.
  static void InstallFactory();

 private:
  const AccessibleCells* cells_;
  // The cells' interfaces, registered with Qt's accessibility registry as first asked for and
  // removed from it with this interface.
  mutable std::map<int, QAccessible::Id> cellIds_;
};

}  // namespace tavolo
