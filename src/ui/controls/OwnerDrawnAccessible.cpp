#include "ui/controls/OwnerDrawnAccessible.h"

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

namespace {

// One cell of an owner-drawn control, known by its control and number.
class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(OwnerDrawnControl* control, int cell) : control_(control), cell_(cell) {}

  bool isValid() const override { return control_ && cell_ < control_->AccessibleCellCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return control_ ? control_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(control_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name && isValid() ? control_->AccessibleCellName(cell_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = control_->AccessibleCellRect(cell_);
    return QRect(control_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = isValid() && control_->IsAccessibleCellSelected(cell_);
    state.invisible = !isValid() || control_->AccessibleCellRect(cell_).isEmpty();
    return state;
  }

 private:
  QPointer<OwnerDrawnControl> control_;
  int cell_;
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
  auto* control = qobject_cast<OwnerDrawnControl*>(object);
  // Qt's accessibility registry owns the interfaces that factories make.
  return control != nullptr ? new OwnerDrawnAccessible(control) : nullptr;
}

}  // namespace

OwnerDrawnAccessible::OwnerDrawnAccessible(OwnerDrawnControl* control)
    : QAccessibleWidget(control) {}

OwnerDrawnAccessible::~OwnerDrawnAccessible() {
  for (const auto& [cell, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

void OwnerDrawnAccessible::InstallFactory() {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(&MakeInterface), true);
}

OwnerDrawnControl* OwnerDrawnAccessible::Control() const {
  return static_cast<OwnerDrawnControl*>(widget());
}

QString OwnerDrawnAccessible::text(QAccessible::Text kind) const {
  QString shown = QAccessibleWidget::text(kind);
  if (kind != QAccessible::Name || !shown.isEmpty()) return shown;
  shown = Control()->AccessibleText();
  return shown.isEmpty() ? Control()->toolTip() : shown;
}

QAccessible::Role OwnerDrawnAccessible::role() const {
  return Control()->AccessibleRole();
}

int OwnerDrawnAccessible::childCount() const {
  return Control()->AccessibleCellCount();
}

QAccessibleInterface* OwnerDrawnAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  auto found = cells_.find(index);
  if (found == cells_.end()) {
    // The registry owns the cell's interface; this one removes it again when it goes.
    const QAccessible::Id id =
        QAccessible::registerAccessibleInterface(new CellAccessible(Control(), index));
    found = cells_.emplace(index, id).first;
  }
  return QAccessible::accessibleInterface(found->second);
}

int OwnerDrawnAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (const auto& [cell, id] : cells_) {
    if (QAccessible::accessibleInterface(id) == child) return cell;
  }
  return -1;
}

QAccessibleInterface* OwnerDrawnAccessible::childAt(int x, int y) const {
  const QPoint local = Control()->mapFromGlobal(QPoint(x, y));
  for (int cell = 0; cell < childCount(); ++cell) {
    if (Control()->AccessibleCellRect(cell).contains(local)) return child(cell);
  }
  return nullptr;
}

}  // namespace tavolo
