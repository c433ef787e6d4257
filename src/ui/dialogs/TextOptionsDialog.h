// Text Options: the look of one text box (font, size, style, text colour and brightness, whether
// a line too wide for the box shrinks to fit, how its lines align across and down, and the frame
// behind the text with its fill colour, size and opacity), edited live on the card.
// "Close" keeps the changes as one undo step; Escape and the close box restore the box as it was.
#pragma once

#include <array>

#include "core/card/CardState.h"
#include "ui/dialogs/LiveEditDialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tavolo {

class ColourLine;
class Slider;

class TextOptionsDialog : public LiveEditDialog {
  Q_OBJECT

 public:
  // Control ids; each control's object name is its id in decimal.
  enum Control {
    kFontList = 1010,
    kSizeList = 1011,
    kStyleList = 1012,
    kColourLine = 1013,
    kFrameNoneRadio = 1014,  // 1014 + frame mode, up to 1018 "Card Long"
    kFillColourLine = 1019,
    kBrightnessSlider = 1020,
    kFrameSizeEdit = 1023,  // the edit and its up-down control (1025) in one
    kOpacitySlider = 1001,
    kShrinkToFitCheck = 1026,
    kHorizontalAlignList = 1027,
    kVerticalAlignList = 1028,
    kCloseButton = 1,
  };

  // Edits box `box` (0..4) of the document's live state.
  TextOptionsDialog(CardView& preview, int box, QWidget* parent = nullptr);

  int Box() const { return box_; }

 private:
  QWidget* BuildTypeControls();
  QWidget* BuildFrameControls();
  QWidget* BuildAlignmentControls();
  // The alignment the box's layout row and the card give, shown in the lists.
  void ShowAlignment();
  void FillFontList(const QString& face);
  void FillSizeList(const QString& size);
  void ShowStyle();
  void Connect();
  // The fill colour, frame size and opacity mean nothing without a frame.
  void EnableFrameControls(bool enabled);

  template <class Change>
  void ChangeStyle(Change&& change) {
    ChangeLive([&](CardState& card) { change(card.styles[box_]); });
  }

  int box_;
  QListWidget* fonts_ = nullptr;
  QComboBox* sizes_ = nullptr;
  QComboBox* styles_ = nullptr;
  ColourLine* colourSwatches_ = nullptr;
  Slider* brightness_ = nullptr;
  QCheckBox* shrinkToFit_ = nullptr;
  QComboBox* horizontal_ = nullptr;
  QComboBox* vertical_ = nullptr;
  std::array<QRadioButton*, 5> frameModes_{};
  ColourLine* fill_ = nullptr;
  QSpinBox* frameSize_ = nullptr;
  Slider* opacity_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace tavolo
