// The card preview in the middle of the main window. It draws the card document's live state
// centred on a grainy backdrop, as large as fits (Zoom to Fit) or at a fixed zoom, at the screen's
// own resolution: the card is drawn at the divisor the geometry chooses and brought to the
// screen's pixels from there. The card, its caches and every rule of editing belong to the
// document; this control keeps only the screen work.
//
// Every object of the shown face can be placed on it: the one under the pointer is outlined with
// dashes; a click selects the topmost there (Shift+click adds it to the selection), which then
// shows its handles and the card's safe margin. A drag moves the selection and a handle resizes
// it, live, snapping to the card's and the other objects' lines (not while Alt is held) and
// showing the guides it meets; one step is recorded when released. While objects are moved the
// card is not drawn again: the drag's composite lays the layers drawn when it began together. The
// arrow keys nudge by one card pixel (Shift: ten), Delete removes, Ctrl+D duplicates an added
// object, Tab and Shift+Tab go through the objects, Escape deselects (during a drag it puts the
// objects back): one step per key. A locked object is selected but not moved.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include <QImage>
#include <QPointF>
#include <QWidget>

#include "core/document/CardDocument.h"
#include "core/editing/ObjectEditing.h"
#include "core/editing/ResizeHandles.h"
#include "core/editing/SnapGuides.h"
#include "core/render/DragComposite.h"
#include "ui/base/CardView.h"
#include "ui/card/CardPreviewGeometry.h"
#include "ui/controls/AccessibleCells.h"

class QPainter;

namespace tavolo {

class CardPreview : public QWidget, public CardView, public AccessibleCells {
  Q_OBJECT

 public:
  // The document must outlive the control.
  explicit CardPreview(CardDocument& document, QWidget* parent = nullptr);

  CardDocument& Document() const override { return document_; }
  QRect CardOnScreen() const override;
  QScreen* ShownOn() const override { return screen(); }

  // Invalidate, erase and paint at once (nothing happens while the control is hidden).
  void Redraw();

  // The backdrop for the control's current size (in device pixels); called on every resize.
  void RebuildBackdrop();
  const QImage& Backdrop() const { return backdrop_; }

  // The owner-draw handler: composes the control's picture for `item` off-screen (backdrop strips
  // around the card, then the card) and copies it to `dc`.
  void Paint(QPainter& dc, const QRect& item);
  // kZoomToFit (the default) or one of kZoomSteps; a change repaints.
  int Zoom() const { return zoom_; }
  void SetZoom(int zoomPercent);
  // The next fixed zoom larger or smaller than the card's present scale, if there is one.
  void ZoomIn();
  void ZoomOut();

  // Where the last paint put the card, and the card's pixel size it used.
  const CardPreviewGeometry& Geometry() const { return geometry_; }
  int CardPixelWidth() const { return cardWidth_; }
  int CardPixelHeight() const { return cardHeight_; }

  // The object the pointer is over (outlined), and the ones selected: the first carries the
  // handles.
  std::optional<ObjectRef> HoveredObject() const { return hovered_; }
  std::optional<ObjectRef> SelectedObject() const;
  std::span<const ObjectRef> Selection() const { return selection_; }
  // Selects `object` alone, or nothing; repaints.
  void Select(std::optional<ObjectRef> object);
  // The guides the present drag snaps to; none between drags.
  std::span<const SnapGuide> Guides() const;

  // A screen reader meets the face's objects as cells in drawing order, named as ObjectName says,
  // placed where the card shows them.
  int AccessibleCellCount() const override;
  QString AccessibleCellName(int cell) const override;
  QRect AccessibleCellRect(int cell) const override;
  bool IsAccessibleCellSelected(int cell) const override;

  // Removes the selected objects, duplicates the selected added ones; one step each.
  void DeleteSelection();
  void DuplicateSelection();

 Q_SIGNALS:
  void selectionChanged();
  // A double-click on an object: its properties are asked for.
  void propertiesRequested();

 protected:
  bool focusNextPrevChild(bool next) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Drag {
    QPointF from;  // where the button went down, control pixels
    std::optional<ResizeHandle> handle;
    CardRect start;                // the selection's bounds then
    std::vector<CardRect> starts;  // each selected object's bounds then
    bool moved = false;
    // How far a move has taken the selection, card pixels, and the document's revision the
    // drag's last step made: the composite shows the card while the revision is the same.
    CardPoint shift{};
    uint64_t revision = 0;
    bool lifted = false;  // the composite was drawn (or tried) for this drag
    CardState before{};   // the card when the button went down, for Escape to go back to
  };

  void ZoomTowards(bool in);
  void DrawSelection(QPainter& painter) const;
  void DrawGuides(QPainter& painter) const;
  void Hover(std::optional<ObjectRef> object);
  // The topmost object under `point` (control pixels).
  std::optional<ObjectRef> ObjectUnder(QPointF point) const;
  // The selection's objects the face still has, with their bounds; drops the others.
  std::vector<CardRect> SelectedBounds();
  bool SelectionLocked() const;
  void StartDrag(QPointF at, std::optional<ResizeHandle> handle);
  void EndDrag();
  // Escape during a drag: the objects go back to where it began; nothing is recorded.
  void CancelDrag();
  // The card as the preview shows it: the drag's composite while it holds, else drawn in full.
  QImage CardPicture();
  void DragTo(QPointF at, Qt::KeyboardModifiers modifiers);
  void Nudge(float dx, float dy);
  void SetSelection(std::vector<ObjectRef> selection);

  CardDocument& document_;

  QImage backdrop_;
  QImage picture_;  // what the control shows, composed off-screen
  CardPreviewGeometry geometry_;
  int zoom_ = kZoomToFit;
  int cardWidth_ = static_cast<int>(kDefaultCardWidth);
  int cardHeight_ = static_cast<int>(kDefaultCardHeight);

  std::optional<ObjectRef> hovered_;
  std::vector<ObjectRef> selection_;
  std::optional<Drag> drag_;
  // Gathered when a drag starts, so that its steps only look lines up.
  SnapCandidates snapLines_;
  SnapResult snapped_;
  DragComposite composite_;
};

}  // namespace tavolo
