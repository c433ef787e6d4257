// What Photo Options and Logo Options share: the draft card preview with the picture on it, the
// path of the picture, the button that loads one (copying it into the photo folder), the scale
// box, and OK, which refuses a scale outside the dialog's range. The dialog works on a copy of
// the card's placed picture; the caller takes it over on OK.
#pragma once

#include <filesystem>

#include <QDialog>
#include <QImage>
#include <QString>

#include "core/base/DataFolder.h"
#include "core/card/CardState.h"
#include "core/editing/PhotoFit.h"
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
    PictureKind pictureKind;
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
  // The working placement and whether a picture is loaded for the caller to take over.
  const PlacedPicture& Placement() const;
  bool HoldsPicture() const;
  // The bytes of the picture file loaded in the dialog, for the card to hold; empty when the
  // card's own picture was kept.
  const std::vector<uint8_t>& LoadedBytes() const { return loadedBytes_; }
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
                     DataFolder photoFolder, Prompts& prompts, QWidget* parent);

  // The controls of the kind's own numbers (the trims, the rotate button): on or off, and
  // showing the working placement.
  virtual void EnableObjectControls(bool enabled) = 0;
  virtual void ShowObjectControls() {}

  // Ends the subclass's construction: the card's picture of the dialog's kind is shown from the
  // bytes the card holds (or, for a card of an older version, the photo folder) when it has a path;
  // without one the size controls stay off, the scale shows 100 and only that size is kept.
  void Start(const CardState& card);

  // Where the subclass puts its own controls, between the path and the scale.
  QGridLayout& ObjectControls() const { return *objectControls_; }
  float CardWidth() const { return cardWidth_; }
  float CardHeight() const { return cardHeight_; }

 private:
  void Tell(const QString& text);
  void ShowPath(const QString& path);
  // A picture was read and copied: the working placement is reset for it and it is fitted.
  void TakePicture(RasterImage image, const QString& name, const QString& path);
  void ReductionEdited(float reduction);
  // Shows the percentage of `reduction` and makes it the whole percentage it shows.
  void ShowScale(float& reduction);
  void EnableSizeControls(bool enabled);

  Kind kind_;
  DataFolder photoFolder_;
  std::vector<uint8_t> loadedBytes_;
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
