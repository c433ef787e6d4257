// The layout chooser: the ten text layouts in one row, each a thumbnail with its name, the
// current one and the one under the mouse lit, the whole washed in blue towards the bottom. A
// click on another layout makes it current, distributes the field texts for it and notifies
// the owner.
#pragma once

#include <QTimer>
#include <array>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "ui/controls/OwnerDrawnControl.h"
#include "ui/library/LayoutsBtnGeometry.h"

namespace tavolo {

class LayoutsBtn : public OwnerDrawnControl {
  Q_OBJECT

 public:
  static constexpr int kHoverMilliseconds = 30;

  explicit LayoutsBtn(QWidget* parent = nullptr);

  // The chosen layout, 0..9; setting it distributes the field texts for it.
  void SetCurrent(int layout);
  int Current() const { return current_; }
  // The layout that was current before the click being handled; it becomes the current one
  // once the owner has handled the click notification.
  void SetPrevious(int layout) { previous_ = layout; }
  int Previous() const { return previous_; }
  // Set when the user clicks another layout; the owner clears it.
  void SetChangedByUser(bool changed) { changedByUser_ = changed; }
  bool ChangedByUser() const { return changedByUser_; }
  // The layout under the mouse, -1 for none.
  int Hover() const { return hover_; }

  // The eleven field values; setting them distributes them for the current layout.
  void SetFieldTexts(const NamedValues& texts);
  const NamedValues& FieldTexts() const { return fieldTexts_; }
  // The boxes' default lines for the current layout, from the last distribution.
  const std::array<TextBoxLines, kTextBoxCount>& BoxLines() const { return boxLines_; }
  int BoxCount() const { return boxCount_; }

  // Paused while the owner has a modal dialog open: the hover timer stops and the hover stays.
  void SetActive(bool active);
  bool IsActive() const { return active_; }
  bool IsHoverTimerRunning() const { return timer_.isActive(); }

 protected:
  void Draw(QImage& picture) const override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OnHoverTimer();
  void Redraw();
  void Distribute();
  void DrawHighlight(QPainter& painter, const LayoutsBtnGeometry& geometry, int layout,
                     const QColor& colour) const;
  void DrawLabel(QPainter& painter, const LayoutsBtnGeometry& geometry, int layout) const;
  // The strip's cell `layout` at the thumbnail size, made once per size.
  const QImage& Thumbnail(int layout, QSize size) const;

  int current_ = 0;
  int previous_ = 0;
  int hover_ = -1;
  bool changedByUser_ = false;
  bool active_ = true;
  bool drawn_ = false;
  NamedValues fieldTexts_{};
  std::array<TextBoxLines, kTextBoxCount> boxLines_{};
  int boxCount_ = 0;
  QImage strip_;
  mutable std::array<QImage, kLayoutCount> thumbnails_{};
  mutable QSize thumbnailSize_;
  QTimer timer_;
};

}  // namespace tavolo
