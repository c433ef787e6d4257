// What Photo Options and Logo Options share: the draft card preview with the picture on it, the
// path of the picture, the button that loads one (copying it into the photo folder), the scale
// box, and OK, which refuses a scale outside the dialog's range. The dialogs work on copies of
// the card's placements; the caller takes them over on OK.
#pragma once

#include <filesystem>

#include <QDialog>
#include <QImage>
#include <QString>

#include "core/card/CardState.h"
#include "core/card/PhotoFit.h"
#include "core/imaging/RasterImage.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tavolo {

class PicturePreview;
class Prompts;
class ScaleBox;

class ImageOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // What tells the two dialogs apart in the part they share.
  struct Kind {
    const char* title;
    const char* loadText;
    const char* openTitle;
    int firstListedFormat;  // the format the open dialog's filter lists first
    ScaleRange scaleRange;  // the percentages the scale box takes
    int pathId;
    int loadId;
    int scaleId;
  };

  PicturePreview& Preview() const { return *preview_; }
  ScaleBox& Scale() const { return *scale_; }
  QString ShownPath() const;

  // Asks for a picture with the open dialog (through the prompts) and loads it.
  void ChoosePicture();
  // Takes a chosen picture as the load button does after its open dialog: the picture is read,
  // copied into the photo folder (or used where it lies when it is there already) and placed.
  // A picture that cannot be read or copied is told about and changes nothing. True when taken.
  bool LoadFile(const std::filesystem::path& source);

 protected:
  // `cardPicture` is the card drawn without the object; `card` the card as it was when the
  // command began, whose size the fit uses. The open dialog and the messages go through
  // `prompts`, which must outlive the dialog.
  ImageOptionsDialog(const Kind& kind, QImage cardPicture, const CardState& card,
                     std::filesystem::path photoFolder, Prompts& prompts, QWidget* parent);

  // The card's own picture, read when the dialog opens: shown as the placement says.
  virtual void ShowPicture(RasterImage image) = 0;
  // A picture was read and copied: reset the working placement for it and fit it.
  virtual void TakePicture(RasterImage image, const QString& name, const QString& path) = 0;
  // The scale box was changed to a reduction.
  virtual void ReductionEdited(float reduction) = 0;
  // The controls that need a picture: the trims or the rotate button.
  virtual void EnableObjectControls(bool enabled) = 0;

  // Ends the construction: a card placement with a path is shown with its picture from the photo
  // folder; without one the size controls stay off and the scale shows 100.
  void ShowPlacement(const QString& name, const QString& path, float& reduction);
  // The card's placement as the dialog starts from it, after ShowPlacement; without a picture
  // only the shown size is kept.
  template <class Placement>
  Placement StartingPlacement(const Placement& card) {
    Placement placement = card;
    ShowPlacement(placement.name, placement.path, placement.reduction);
    if (!placement.path.isEmpty()) return placement;
    Placement none;
    none.reduction = placement.reduction;
    return none;
  }
  // A newly taken picture's name, path and size.
  template <class Placement>
  static void NamePicture(Placement& placement, const RasterImage& image, const QString& name,
                          const QString& path) {
    placement.name = name;
    placement.path = path;
    placement.width = static_cast<float>(image.GetWidth());
    placement.height = static_cast<float>(image.GetHeight());
  }
  // Shows the percentage of `reduction` and makes it the whole percentage it shows.
  void ShowScale(float& reduction);
  void EnableSizeControls(bool enabled);

  // Where the subclass puts its own controls, between the path and the scale.
  QGridLayout& ObjectControls() const { return *objectControls_; }
  float CardWidth() const { return cardWidth_; }
  float CardHeight() const { return cardHeight_; }

 private:
  void Tell(const QString& text);
  void ShowPath(const QString& path);

  Kind kind_;
  std::filesystem::path photoFolder_;
  Prompts& prompts_;
  float cardWidth_;
  float cardHeight_;

  PicturePreview* preview_ = nullptr;
  QLineEdit* path_ = nullptr;
  QPushButton* load_ = nullptr;
  ScaleBox* scale_ = nullptr;
  QGridLayout* objectControls_ = nullptr;
};

}  // namespace tavolo
