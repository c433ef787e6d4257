// The background chooser: thumbnails of the background table in rows of three, one page at a
// time, the current background ticked and the one under the mouse framed in black. A click on a
// thumbnail selects it; every click notifies the owner. With the keyboard focus the arrow keys
// move the focus mark over the page and Space or Enter picks the marked background as a click.
#pragma once

#include <QTimer>
#include <optional>
#include <vector>

#include "core/card/CardState.h"
#include "ui/choosers/BackgroundChooserGeometry.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class BackgroundTable;

class BackgroundChooser : public OwnerDrawnControl {
  Q_OBJECT

 public:
  static constexpr int kHoverMilliseconds = 30;

  explicit BackgroundChooser(QWidget* parent = nullptr);

  // The table whose images are shown, held by reference; the count becomes the table's count.
  void SetBackgrounds(const BackgroundTable* table);
  // After an import the owner raises the count; numbers never change, so the thumbnails made
  // so far stay.
  void SetCount(int count);
  int Count() const { return count_; }

  // Number of the first background shown; paging keeps it a multiple of 3.
  void SetFirst(int first);
  int First() const { return first_; }
  // Backgrounds on the current page at the current size.
  int Visible() const;
  // The page size of the last forward paging, which paging back goes by.
  void SetStep(int step) { step_ = step; }
  int Step() const { return step_; }

  // "Next": when another page follows, step := page size and first := first + step.
  bool CanPageForward() const;
  void PageForward();
  // "Prev.": first := first − step while that stays at 0 or more.
  bool CanPageBack() const;
  void PageBack();

  void SetSelected(int number);
  int Selected() const { return selected_; }
  // The ticked thumbnail is drawn as the card shows its background: tinted, with its gradient.
  void SetSelectedLook(const CardState& live);
  // The background under the mouse, -1 for none.
  int Hover() const { return hover_; }

  // Paused while the owner has a modal dialog open: the hover timer stops and the hover stays.
  void SetActive(bool active);
  bool IsActive() const { return active_; }
  bool IsHoverTimerRunning() const { return timer_.isActive(); }

  BackgroundChooserGeometry Geometry() const;
  // The background the keyboard focus mark is on: kept while it is on the page, else the
  // selected one when that is shown, else the first one shown; -1 on an empty page.
  int FocusItem() const;

 Q_SIGNALS:
  // A click chose a background; sent before clicked(), which the owner answers by taking the
  // selection as the card's background (CardDocument::ChooseBackground).
  void backgroundPicked(int number);

 protected:
  // One list item per visible square: "Background 12: Linen Cream".
  QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
  int AccessibleCellCount() const override;
  QString AccessibleCellName(int cell) const override;
  QRect AccessibleCellRect(int cell) const override;
  bool IsAccessibleCellSelected(int cell) const override;
  void Draw(QImage& picture) const override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QRect FocusMarkRect() const override;

 private:
  // Selects `item` as a click on it does and notifies the owner.
  void Pick(int item);
  void OnHoverTimer();
  void Redraw();
  // The background's image at `cell` × `cell` control pixels of `ratio` device pixels each, made
  // once per background and size; null when the image did not decode.
  const QImage& Thumbnail(int number, int cell, qreal ratio) const;

  const BackgroundTable* table_ = nullptr;
  int count_ = 0;
  int first_ = 0;
  int step_ = 0;
  int selected_ = 1;
  int hover_ = -1;
  int focusItem_ = -1;
  bool active_ = true;
  bool drawn_ = false;
  QTimer timer_;
  mutable std::vector<QImage> thumbnails_;
  std::optional<CardState> selectedLook_;
  // The ticked thumbnail as the card shows it, made at the first drawing after a change: the
  // hover repaints draw it again and again.
  mutable QImage tickedThumbnail_;
  mutable int thumbnailCell_ = 0;  // device pixels
};

}  // namespace tavolo
