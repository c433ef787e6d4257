#include "ui/controls/OwnerDrawnAccessible.h"

#include <QWidget>

#include "ui/controls/AccessibleCells.h"

namespace tavolo {

namespace {

// One cell of a widget, known by its widget and number.
class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(QWidget* control, const AccessibleCells* cells, int cell)
      : control_(control), cells_(cells), cell_(cell) {}

  bool isValid() const override { return control_ && cell_ < cells_->AccessibleCellCount(); }
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
    return kind == QAccessible::Name && isValid() ? cells_->AccessibleCellName(cell_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = cells_->AccessibleCellRect(cell_);
    return QRect(control_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = isValid() && cells_->IsAccessibleCellSelected(cell_);
    state.invisible = !isValid() || cells_->AccessibleCellRect(cell_).isEmpty();
    return state;
  }

 private:
  QPointer<QWidget> control_;
  const AccessibleCells* cells_;  // the widget itself, valid while control_ is
  int cell_;
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  const auto* cells = dynamic_cast<const AccessibleCells*>(object);
  // Qt's accessibility registry owns the interfaces that factories make.
  return widget != nullptr && cells != nullptr ? new OwnerDrawnAccessible(widget, cells) : nullptr;
}

}  // namespace

OwnerDrawnAccessible::OwnerDrawnAccessible(QWidget* widget, const AccessibleCells* cells)
    : QAccessibleWidget(widget), cells_(cells) {}

OwnerDrawnAccessible::~OwnerDrawnAccessible() {
  for (const auto& [cell, id] : cellIds_) QAccessible::deleteAccessibleInterface(id);
}

void OwnerDrawnAccessible::InstallFactory() {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(&MakeInterface), true);
}

QString OwnerDrawnAccessible::text(QAccessible::Text kind) const {
  QString shown = QAccessibleWidget::text(kind);
  if (kind != QAccessible::Name || !shown.isEmpty()) return shown;
  shown = cells_->AccessibleText();
  return shown.isEmpty() ? widget()->toolTip() : shown;
}

QAccessible::Role OwnerDrawnAccessible::role() const {
  return cells_->AccessibleRole();
}

int OwnerDrawnAccessible::childCount() const {
  return cells_->AccessibleCellCount();
}

QAccessibleInterface* OwnerDrawnAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  auto found = cellIds_.find(index);
  if (found == cellIds_.end()) {
    // The registry owns the cell's interface; this one removes it again when it goes.
    const QAccessible::Id id =
        QAccessible::registerAccessibleInterface(new CellAccessible(widget(), cells_, index));
    found = cellIds_.emplace(index, id).first;
  }
  return QAccessible::accessibleInterface(found->second);
}

int OwnerDrawnAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (const auto& [cell, id] : cellIds_) {
    if (QAccessible::accessibleInterface(id) == child) return cell;
  }
  return -1;
}

QAccessibleInterface* OwnerDrawnAccessible::childAt(int x, int y) const {
  const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
  for (int cell = 0; cell < childCount(); ++cell) {
    if (cells_->AccessibleCellRect(cell).contains(local)) return child(cell);
  }
  return nullptr;
}

}  // namespace tavolo
