// The layout chooser: the ten text layouts and "Custom" in one row, each a thumbnail with its
// name, the current one and the one under the mouse lit, the whole washed in blue towards the
// bottom. "Custom" shows the card's own arrangement, and a blank card with a greyed name while the
// card has none (it cannot be picked then). A click on another layout shows it as current and
// tells the owner which layout was picked; the card document does the rest (the field texts, the
// editors' text). With the keyboard focus the arrow, Home and End keys move the focus mark and
// Space or Enter picks the marked layout.
#pragma once

#include <QTimer>
#include <array>
#include <optional>

#include "core/card/CustomLayout.h"
#include "core/card/LayoutTable.h"
#include "ui/choosers/LayoutChooserGeometry.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class LayoutChooser : public OwnerDrawnControl {
  Q_OBJECT

 public:
  static constexpr int kHoverMilliseconds = 30;

  explicit LayoutChooser(QWidget* parent = nullptr);

  // The layout shown as current, 0..9, or kCustomLayout.
  void SetCurrent(int layout);
  // The card's Custom layout (none when it has none) on a card of this size, for its thumbnail.
  void SetCustomLayout(const std::optional<CustomLayout>& custom, float cardWidth,
                       float cardHeight);
  int Current() const { return current_; }
  // The layout under the mouse, -1 for none.
  int Hover() const { return hover_; }
  // The layout the keyboard focus mark is on.
  int FocusLayout() const { return focusLayout_; }

  // Paused while the owner has a modal dialog open: the hover timer stops and the hover stays.
  void SetActive(bool active);
  bool IsActive() const { return active_; }
  bool IsHoverTimerRunning() const { return timer_.isActive(); }

 Q_SIGNALS:
  // A click on a layout other than the current one, which it has become.
  void layoutPicked(int layout);

 protected:
  // One list item per layout: "Layout 3", and "Custom".
  QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
  int AccessibleCellCount() const override;
  QString AccessibleCellName(int cell) const override;
  QRect AccessibleCellRect(int cell) const override;
  bool IsAccessibleCellSelected(int cell) const override;
  void Draw(QImage& picture) const override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  QRect FocusMarkRect() const override;

 private:
  // Makes `layout` current as a click on it does; nothing when it is current already.
  void Pick(int layout);
  void OnHoverTimer();
  void Redraw();
  void DrawHighlight(QPainter& painter, const LayoutChooserGeometry& geometry, int layout,
                     const QColor& colour) const;
  void DrawLabel(QPainter& painter, const LayoutChooserGeometry& geometry, int layout) const;
  // Layout `layout`'s thumbnail at `size` control pixels, drawn at `ratio` device pixels each,
  // made once per size (the Custom one again when it changes).
  const QImage& Thumbnail(int layout, QSize size, qreal ratio) const;
  QString CellName(int cell) const;

  int current_ = 0;
  int hover_ = -1;
  int focusLayout_ = 0;
  bool active_ = true;
  bool drawn_ = false;
  mutable std::array<QImage, kLayoutCount + 1> thumbnails_{};
  std::optional<CustomLayout> custom_;
  float cardWidth_ = 0.0f;
  float cardHeight_ = 0.0f;
  mutable QSize thumbnailSize_;
  QTimer timer_;
};

}  // namespace tavolo
