// Where the main window puts its controls in a client area of a given size: the paging and
// options buttons and the three tint sliders along the top, the background chooser on the left,
// the card preview in the middle, the field panel on the right and the layout chooser along the
// bottom. The same numbers place the controls and test them.
#pragma once

#include <QRect>
#include <QSize>

namespace tavolo {

// Child control ids of the main window.
enum MainWindowControl : int {
  kNextButton = 1000,
  kHueSlider = 1001,
  kBackgroundChooser = 1003,
  kPreview = 1004,
  kSaturationSlider = 1005,
  kLayoutChooser = 1006,
  kLightnessSlider = 1007,
  kPrevButton = 1026,
  kBackgroundOptionsButton = 1027,
  kFaceSwitch = 1028,
  kFirstFieldEditor = 50000,   // to 50004
  kFirstFieldCaption = 50010,  // to 50014
};

struct MainWindowPlacement {
  QRect prev;
  QRect next;
  QRect backgroundOptions;
  QRect hue;
  QRect saturation;
  QRect lightness;
  QRect backgrounds;
  QRect faceSwitch;
  QRect preview;
  QRect layouts;
  QRect fieldPanel;
};

// For a client area cx × cy, with w = (cx − 555) / 3: the sliders are w − 5 wide, w apart from
// x 305; the Front/Back switch spans the top 28 pixels of the column from x 300 to cx − 250 and y
// 35 to cy − 120, the preview the rest of it; the field panel is the 250 pixels right of that
// column; the layout chooser starts 110 pixels above the bottom and is 120 high.
MainWindowPlacement PlaceMainWindowControls(QSize client);

// Box `box` of `boxCount` in the field panel: each box has an equal slot, the caption in its top
// 20 pixels and the editor below it, all 250 pixels wide.
QRect FieldCaptionRect(const QRect& panel, int boxCount, int box);
QRect FieldEditorRect(const QRect& panel, int boxCount, int box);

}  // namespace tavolo
