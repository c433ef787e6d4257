// The card compositor: draws one whole card (background, tint, gradient, text frames, photo, logo,
// text) at any integer reduction of its full size, and keeps what is expensive to rebuild: the
// tinted background per size, the cropped photo and the rotated logo. The card document owns one,
// which the preview, the print image, the clipboard and the export share; the command-line tool
// makes its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include <QImage>

#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/card/LineSource.h"
#include "core/card/PlainFileName.h"
#include "core/card/TextBoxRenderer.h"
#include "core/imaging/RasterImage.h"

namespace tavolo {

// The print image is always this size, whatever the card's size.
inline constexpr int kPrintWidth = 1062;
inline constexpr int kPrintHeight = 615;

// Crop edges of a photo by its trims (a trim of 1 removes 47.5 % on that side).
PixelRect PhotoCropEdges(const PhotoPlacement& photo);
// Where the cropped photo (croppedWidth × croppedHeight pixels) is drawn: the uncropped part
// stays where it was on the card.
PixelRect PhotoRectangle(const PhotoPlacement& photo, int croppedWidth, int croppedHeight,
                         int divisor);
// Where the logo is drawn; width and height swap unless the angle is a multiple of 180.
PixelRect LogoRectangle(const LogoPlacement& logo, int logoWidth, int logoHeight, int divisor);
// The logo turned clockwise by `angle` degrees, as "Rotate Clockwise" turns it.
bool RotateLogo(const RasterImage& logo, float angle, RasterImage& rotated);
// The label of a checked DrawField call, e.g. "DrawField( 1,ndiv,&mdc,frc_,30,0,buf1,dx,dy)".
std::string DrawFieldCheckText(const PlacementRow& row, bool print);

class CardRenderer {
 public:
  // Counts of the expensive steps, for tests and benchmarks.
  struct Stats {
    int backgroundBuilds = 0;
    int photoLoads = 0;
    int logoLoads = 0;
    int logoRotations = 0;
  };

  // `table` may be null (every background then draws white); it must outlive the renderer. A
  // table whose contents change (see BackgroundTable::Generation) is drawn anew without being
  // handed in again.
  explicit CardRenderer(const BackgroundTable* table, std::filesystem::path photoFolder);

  void SetBackgroundTable(const BackgroundTable* table);
  void SetPhotoFolder(std::filesystem::path photoFolder);

  // Draws the live card at divisor into dx × dy pixels (Format_RGB32). A buffer that cannot
  // be allocated is reported and gives a null image.
  QImage Render(const CardState& live, const LineSource& lines, int divisor, int dx, int dy);
  // The print image: 1062 × 615 pixels at divisor 1, tagged with the card's dpi.
  RasterImage RenderPrintImage(const CardState& live, const LineSource& lines);

  // The next rendering rebuilds background and tint: after a change of background number, tint,
  // photo or logo, and on undo, redo, load and new project.
  void DropBackgroundCache();
  // Makes the next rendering rotate the logo again.
  void DropRotatedLogo();
  // Makes the next rendering load the photo and the logo again, as a picture of the same name
  // may have been replaced in the photo folder.
  void ReloadPictures();
  const std::filesystem::path& PhotoFolder() const { return photoFolder_; }

  const Stats& GetStats() const { return stats_; }
  // Why the photo or the logo of the last rendering could not be loaded (or the logo turned: the
  // turned logo is held to the size of a card's picture), as the image layer says; empty when it
  // was drawn or there is none. The last good one, if any, was drawn in its place.
  const std::string& PhotoLoadError() const { return photoError_; }
  const std::string& LogoLoadError() const { return logoError_; }
  bool HasBackgroundCache() const { return !cache_.isNull(); }

 private:
  const QImage& BackgroundPicture(int number);
  void DrawPhoto(QPainter& painter, const PhotoPlacement& photo, int divisor);
  void DrawLogo(QPainter& painter, const LogoPlacement& logo, int divisor);
  // The kept background pictures are good only for the generation they were made from.
  uint64_t TableGeneration() const;

  const BackgroundTable* table_;
  std::filesystem::path photoFolder_;

  QImage cache_;  // background after the tint, for the size it has
  uint64_t cacheGeneration_ = 0;
  QImage picture_;  // the background picture converted for drawing, before the tint
  int pictureNumber_ = -1;
  uint64_t pictureGeneration_ = 0;

  std::optional<PhotoPlacement> photoFor_;
  QImage croppedPhoto_;
  std::optional<LogoPlacement> logoFor_;
  RasterImage logo_;
  QImage rotatedLogo_;

  std::string photoError_;
  std::string logoError_;

  Stats stats_;
};

}  // namespace tavolo
