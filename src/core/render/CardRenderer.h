// The card compositor: draws one whole card (background, tint, gradient, text frames, photo and
// logo blended with their alpha, text, QR code) at any integer reduction of its full size, and
// keeps what is expensive to rebuild: the tinted background per size and each placed picture
// trimmed and turned. The card document owns one, which the preview, the print image, the clipboard
// and the export share; the command-line tool makes its own.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QSize>

#include "core/base/DataFolder.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/card/PlainFileName.h"
#include "core/imaging/RasterImage.h"
#include "core/pictures/SvgDrawing.h"
#include "core/qr/QrSymbol.h"
#include "core/render/FaceObjects.h"
#include "core/render/ShapeSprites.h"
#include "core/render/TextBoxLayout.h"
#include "core/render/TextBoxRenderer.h"

namespace tavolo {

// The size the preview's divisor aims at, whatever the card's size.
inline constexpr int kPrintWidth = 1062;
inline constexpr int kPrintHeight = 615;
// The print image's size for a card: its own pixels; empty when its size is not valid.
QSize PrintImageSize(const CardState& live);

// A frame or picture whose side lies this many pixels or fewer from the card's edge reaches it:
// with a bleed, it runs on past the edge (a frame spread to the edges may stop a pixel short).
inline constexpr int kEdgeReach = 2;

// The label of a checked DrawField call, e.g. "DrawField( 1,ndiv,&mdc,frc_,30,0,buf1,dx,dy)".
std::string DrawFieldCheckText(const PlacementRow& row, bool print);

class CardRenderer {
 public:
  // Counts of the expensive steps, for tests and benchmarks.
  struct Stats {
    int backgroundBuilds = 0;
    std::array<int, kPictureKindCount> pictureLoads{};
    int pictureTurns = 0;
    int Loads(PictureKind kind) const { return pictureLoads[KindIndex(kind)]; }
  };

  // `table` may be null (every background then draws white); it must outlive the renderer. A
  // table whose contents change (see BackgroundTable::Generation) is drawn anew without being
  // handed in again.
  explicit CardRenderer(const BackgroundTable* table, DataFolder photoFolder);

  void SetBackgroundTable(const BackgroundTable* table);
  void SetPhotoFolder(DataFolder photoFolder);

  // Whether the tinted background of a rendering is kept for the next one: a preview or a sheet
  // of cards draws the same size again and again; a single export at full size does not, and
  // keeping it would hold a second card's worth of pixels while the card is drawn.
  enum class Reuse { kKeepBackground, kOnce };

  // Draws the live card, its text included, at divisor into dx × dy pixels
  // (Format_RGB32). A buffer that cannot be allocated is reported and gives a null image.
  QImage Render(const CardState& live, int divisor, int dx, int dy,
                Reuse reuse = Reuse::kKeepBackground);
  // What a rendering of part of a card draws: the face's objects that `objects` lets through
  // (by their index in FaceObjects(live); all when it is empty), the layout's text when `text`,
  // and the ground (background, gradient and text frames) when `ground`. Without the ground they
  // are drawn on transparent pixels, with `margin` more of them left and right and above and
  // below, where what lies past the card's edges is drawn too.
  struct Parts {
    bool ground = true;
    bool text = true;
    std::function<bool(size_t)> objects;
    QSize margin{0, 0};
  };
  // Those parts drawn as Render draws them, in Format_RGB32 on the ground, else in
  // Format_ARGB32_Premultiplied. The whole card when every part is drawn; null as Render's.
  QImage RenderParts(const CardState& live, int divisor, int dx, int dy, const Parts& parts,
                     Reuse reuse = Reuse::kKeepBackground);
  // The print image: the whole card at its own size (divisor 1), tagged with its dpi, so that it
  // prints at its true size. Null when the card's size cannot be drawn.
  RasterImage RenderPrintImage(const CardState& live);

  // The parts of a rendering, for painting a card elsewhere than on its own pixels.
  // The card's background picture stretched to dx × dy and tinted, before the gradient; shared
  // with the kept one (so painting it many times embeds it once in a PDF). With `bleed`, the
  // background of a card that many pixels larger on every side, as if the card were that large
  // (the picture stretched over the card and its bleed), kept alike. Null when the pixels cannot
  // be had.
  QImage TintedBackground(const CardState& live, int dx, int dy, Reuse reuse, int bleed = 0);
  // The card's QR code, when it has one that can be drawn (see QrCodeError).
  void DrawCardQrCode(QPainter& painter, const CardState& live, int divisor);
  // One object of the face (see FaceObjects), where the card at `divisor` places it. With
  // `bleed` (pixels of the full card), a photo or logo that reaches an edge runs on past it,
  // mirrored from inside. A drawing of the face starts with ForgetDrawingErrors.
  void DrawObject(QPainter& painter, const CardState& live, const FaceObject& item, int divisor,
                  Reuse reuse, int bleed = 0);
  void ForgetDrawingErrors();
  // The layout of the face's added text box at `index` (see LayOutFreeText), kept while its text,
  // its size and the card's font scale are unchanged: a drag moves it without laying it out. None
  // for an object that is no text box, or without a QGuiApplication.
  const TextBoxLayout* FreeTextLayout(const CardState& live, size_t index);
  // The text boxes of `live` laid out at full size, one per placement row of its layout (none for
  // a row that draws no box, and none at all without a QGuiApplication). Kept for the card last
  // asked about: a sheet paints one card many times.
  std::vector<std::optional<TextBoxLayout>>& TextLayouts(const CardState& live);

  // The next rendering rebuilds background and tint: after a change of background number, tint,
  // photo or logo, and on undo, redo, load and new project.
  void DropBackgroundCache();
  // Makes the next rendering turn the pictures that turn (the logo) again.
  void DropTurnedPictures();
  // Makes the next rendering load every picture again, as a picture of the same name may have
  // been replaced in the photo folder.
  void ReloadPictures();
  const DataFolder& PhotoFolder() const { return photoFolder_; }

  const Stats& GetStats() const { return stats_; }
  // Why the picture of this kind in the last rendering could not be loaded (or turned: the
  // turned picture is held to the size of a card's picture), as the image layer says; empty when
  // it was drawn or there is none. The last good one, if any, was drawn in its place.
  const std::string& LoadError(PictureKind kind) const { return held_[KindIndex(kind)].error; }
  // Why the card's QR code was left out of the last rendering (nothing to encode, too much to
  // fit); empty when it was drawn or there is none.
  const std::string& QrCodeError() const { return qrError_; }
  bool HasBackgroundCache() const { return !cache_.isNull(); }

 private:
  const QImage& BackgroundPicture(int number);
  // A placed picture as last loaded: what it was loaded for, the trimmed part and how it is
  // drawn. Only a kind that turns keeps the trimmed part, to turn it again.
  struct HeldPicture {
    std::optional<PlacedPicture> loadedFor;
    uint64_t budget = 0;
    RasterImage trimmed;
    int trimmedWidth = 0;  // the trimmed part's size in the file's pixels
    int trimmedHeight = 0;
    QImage drawn;
    std::string error;
    // The last picture that could not be loaded, for the budget it was loaded for, and why: it
    // is not read again for every card of a sheet.
    std::optional<PlacedPicture> refusedFor;
    uint64_t refusedBudget = 0;
    std::string refusal;
    // An SVG drawing, kept to be painted as shapes, and where the trimmed part starts in it.
    std::optional<SvgDrawing> drawing;
    QPoint trimOrigin;
    // The drawn picture mirrored past its edges for a bleed, by `reflected` of its pixels.
    QImage pastEdges;
    int reflected = 0;
  };
  void DrawOnePicture(QPainter& painter, const CardState& live, PictureKind kind, int divisor,
                      Reuse reuse, int bleed);
  // A shape or a text box the user added.
  void DrawAddedObject(QPainter& painter, const CardState& live, const FaceObject& item,
                       int divisor);
  void DrawPicture(QPainter& painter, const PlacedPicture& picture, const PictureStore& store,
                   int divisor, Reuse reuse, QSize card, int bleed);
  // Turns the trimmed picture of a kind that turns, when it is not turned yet.
  void TurnHeldPicture(HeldPicture& held, float angle);
  // The picture's mirrored run past the card's edges it reaches (see DrawObject).
  void DrawPastEdges(QPainter& painter, HeldPicture& held, const PixelRect& placed, QSize card,
                     int bleed);
  // For a one-off rendering of a picture turned by whole quarter turns, drawn pixel for pixel and
  // reaching past the card: turns and draws only the part on the card, then lets the picture go.
  // False when it does not apply (the picture is then drawn the usual way).
  bool DrawTurnedPartOnCard(QPainter& painter, HeldPicture& held, float angle,
                            const PixelRect& placed);
  void LetGoOfPicture(HeldPicture& held);
  // Paints an SVG logo as shapes onto a PDF when nothing turns it; false when it does not apply.
  bool PaintDrawing(QPainter& painter, const HeldPicture& held, const PlacedPicture& picture,
                    const PixelRect& placed);
  void LoadPicture(HeldPicture& held, const PlacedPicture& picture, const PictureStore& store);
  // The kept background pictures are good only for the generation they were made from.
  uint64_t TableGeneration() const;

  const BackgroundTable* table_;
  DataFolder photoFolder_;

  QImage cache_;  // background after the tint, for the size it has
  QImage bled_;   // the background with its bleed, for the size and bleed it has
  int bledPixels_ = 0;
  uint64_t bledGeneration_ = 0;
  uint64_t cacheGeneration_ = 0;
  QImage picture_;  // the background picture converted for drawing, before the tint
  int pictureNumber_ = -1;
  uint64_t pictureGeneration_ = 0;

  // Pictures are held at no more pixels than this (PicturePixelBudget of the card).
  uint64_t pictureBudget_ = 0;
  std::array<HeldPicture, kPictureKindCount> held_;

  // The code last encoded, kept while the text it was encoded from is unchanged.
  QString qrText_;
  std::optional<Outcome<QrSymbol>> qrSymbol_;
  std::string qrError_;

  std::optional<CardState> laidOutFor_;
  std::vector<std::optional<TextBoxLayout>> textLayouts_;

  // The added text boxes' layouts, by index in the face's objects, with what they were laid out
  // for.
  struct KeptFreeText {
    TextSource text;
    int width = 0;
    int height = 0;
    float cardHeight = 0.0f;
    int dpi = 0;
    TextBoxLayout layout;
  };
  std::vector<std::optional<KeptFreeText>> freeText_;
  ShapeSprites sprites_;

  Stats stats_;
};

}  // namespace tavolo
