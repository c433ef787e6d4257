// What a screen reader learns of an owner-drawn control: its role and name, and for a control of
// several cells (the choosers) one list item per cell with its name, place and selection.
#pragma once

#include <map>

#include <QAccessibleWidget>
#include <QPointer>

namespace tavolo {

class OwnerDrawnControl;

class OwnerDrawnAccessible : public QAccessibleWidget {
 public:
  explicit OwnerDrawnAccessible(OwnerDrawnControl* control);
  ~OwnerDrawnAccessible() override;

  QString text(QAccessible::Text kind) const override;
  QAccessible::Role role() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // Makes the interfaces of owner-drawn controls through this class; done once, by each program
  // that shows them, before its first window.
  static void InstallFactory();

 private:
  OwnerDrawnControl* Control() const;

  // The cells' interfaces, registered with Qt's accessibility registry as first asked for and
  // removed from it with this interface.
  mutable std::map<int, QAccessible::Id> cells_;
};

}  // namespace tavolo
