// What a screen reader is told of a widget that draws its own picture: its role and name, and
// for a widget of several cells (a chooser's backgrounds, the card's objects) each cell's name,
// place (widget pixels) and whether it is selected. OwnerDrawnAccessible reads it.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

namespace tavolo {

class AccessibleCells {
 public:
  virtual ~AccessibleCells() = default;

  // The name is the accessibleName the owner set, else AccessibleText, else the tool tip.
  virtual QAccessible::Role AccessibleRole() const { return QAccessible::Graphic; }
  virtual QString AccessibleText() const { return {}; }
  virtual int AccessibleCellCount() const { return 0; }
  virtual QString AccessibleCellName(int) const { return {}; }
  virtual QRect AccessibleCellRect(int) const { return {}; }
  virtual bool IsAccessibleCellSelected(int) const { return false; }
};

}  // namespace tavolo
