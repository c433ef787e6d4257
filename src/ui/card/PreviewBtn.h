// The card preview in the middle of the main window. It holds the live state of the card that
// every editor writes into, owns the card renderer with its caches, and delivers the rendered card
// to the screen (scaled by an integer divisor and centred on a grainy backdrop), to the print
// image or to the clipboard, as the pending request says.
#pragma once

#include <filesystem>

#include <QImage>
#include <QWidget>

#include "core/card/CardRenderer.h"
#include "core/card/CardState.h"
#include "core/card/LineSource.h"
#include "core/imaging/RasterImage.h"
#include "core/io/ImageExport.h"
#include "core/library/BackgroundTable.h"
#include "ui/card/PreviewGeometry.h"

class QPainter;

namespace tavolo {

class PreviewBtn : public QWidget {
  Q_OBJECT

 public:
  // `table` may be null (backgrounds then draw white); it must outlive the control. Photos and
  // logos are read from the program's customphotos folder.
  explicit PreviewBtn(QWidget* parent = nullptr, const BackgroundTable* table = nullptr);

  // The live state. Setting it drops the background cache when the background number or a tint
  // value changes, so a caller cannot show a stale background by forgetting to.
  const CardState& Live() const { return live_; }
  void SetLive(const CardState& live);
  void SetLayoutNumber(int lnmb);
  void SetBackgroundNumber(int pnmb);
  void SetTint(float hueShift, float satShift, float lightShift);

  // Where each box's lines are read when drawing; null reads the live state's own lines. The
  // source must outlive the control or be replaced first.
  void SetLineSource(const LineSource* lines);
  void SetBackgroundTable(const BackgroundTable* table);
  void SetPhotoFolder(std::filesystem::path folder);

  // Invalidate, erase and paint at once (nothing happens while the control is hidden).
  void Redraw();
  void DropBackgroundCache();
  void DropRotatedLogo();

  // The next paint renders the print image (1062 × 615, tagged with the card's dpi) instead of
  // drawing on the screen; the flag is cleared when it is done.
  void RequestPrintImage();
  // The same at once, without a paint, even while painting is suspended.
  const RasterImage& RenderPrintImageNow();
  bool PrintImagePending() const { return printRequest_; }
  const RasterImage& PrintImage() const { return prntim_; }
  void ClearPrintImage();

  // The next paint puts the full-size card on the clipboard; the flag stays set while there is no
  // clipboard to put it on.
  void RequestClipboardCopy();
  bool ClipboardCopyPending() const { return clipboardRequest_; }

  // Export Image: the card at its full size, written to `file`.
  ExportResult ExportImage(const std::filesystem::path& file, int format, int quality);

  // While suspended, paints leave the picture on screen as it was.
  void SuspendPainting() { suspended_ = true; }
  void ResumePainting() { suspended_ = false; }
  bool PaintingSuspended() const { return suspended_; }

  // Set by every paint that was not suspended.
  bool Painted() const { return painted_; }
  void ClearPainted() { painted_ = false; }

  // The backdrop for the control's current size; called on every resize.
  void RebuildBackdrop();
  const QImage& Backdrop() const { return backdrop_; }

  // The owner-draw handler: composes the control's picture for `item` off-screen (backdrop strips
  // around the card, then the card, or the pending request instead) and copies it to `dc`.
  void Paint(QPainter& dc, const QRect& item);
  // Where the last paint put the card, and the card's pixel size it used.
  const PreviewGeometry& Geometry() const { return geometry_; }
  int CardPixelWidth() const { return cardWidth_; }
  int CardPixelHeight() const { return cardHeight_; }
  const CardRenderer::Stats& RendererStats() const { return renderer_.GetStats(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const LineSource& Lines() const;
  void CopyBackdropStrips(QPainter& mdc, const QRect& frame, const QRect& card);
  // Renders the request that is pending, if any; false when the screen is to be drawn.
  bool FulfilRequest();
  bool CopyToClipboard();

  CardState live_;
  CardLines ownLines_{live_};
  const LineSource* lines_ = nullptr;
  CardRenderer renderer_;

  RasterImage prntim_;
  bool clipboardRequest_ = false;
  bool printRequest_ = false;
  bool suspended_ = false;
  bool painted_ = true;

  QImage backdrop_;
  QImage picture_;  // what the control shows, composed off-screen
  PreviewGeometry geometry_;
  int cardWidth_ = static_cast<int>(kDefaultCardWidth);
  int cardHeight_ = static_cast<int>(kDefaultCardHeight);
};

}  // namespace tavolo
