#include "ui/app/MainWindowPlacement.h"

#include <algorithm>

namespace tavolo {

namespace {

constexpr int kTopRow = 5;
constexpr int kTopRowHeight = 30;
constexpr int kSliderHeight = 25;
constexpr int kSliderLeft = 305;
constexpr int kSliderGap = 5;
constexpr int kSlidersReserve = 555;
constexpr int kChooserWidth = 300;
constexpr int kPanelTop = 35;
constexpr int kPanelWidth = 250;
constexpr int kBelowPanel = 155;
constexpr int kLayoutsFromBottom = 110;
constexpr int kLayoutsHeight = 120;
constexpr int kCaptionHeight = 20;
constexpr int kFaceSwitchHeight = 28;

}  // namespace

MainWindowPlacement PlaceMainWindowControls(QSize client) {
  const int cx = client.width();
  const int cy = client.height();
  const int w = (cx - kSlidersReserve) / 3;
  MainWindowPlacement p;
  p.prev = QRect(10, kTopRow, 50, kTopRowHeight);
  p.next = QRect(70, kTopRow, 50, kTopRowHeight);
  p.backgroundOptions = QRect(130, kTopRow, 165, kTopRowHeight);
  p.hue = QRect(kSliderLeft, kTopRow, w - kSliderGap, kSliderHeight);
  p.saturation = QRect(kSliderLeft + w, kTopRow, w - kSliderGap, kSliderHeight);
  p.lightness = QRect(kSliderLeft + 2 * w, kTopRow, w - kSliderGap, kSliderHeight);
  p.backgrounds = QRect(0, kPanelTop, kChooserWidth, cy - kBelowPanel);
  const int column = cx - kChooserWidth - kPanelWidth;
  p.faceSwitch = QRect(kChooserWidth, kPanelTop, column, kFaceSwitchHeight);
  p.preview = QRect(kChooserWidth, kPanelTop + kFaceSwitchHeight, column,
                    cy - kBelowPanel - kFaceSwitchHeight);
  p.layouts = QRect(0, cy - kLayoutsFromBottom, cx, kLayoutsHeight);
  p.fieldPanel = QRect(cx - kPanelWidth, kPanelTop, kPanelWidth, cy - kBelowPanel);
  return p;
}

QRect FieldCaptionRect(const QRect& panel, int boxCount, int box) {
  const int slot = panel.height() / std::max(boxCount, 1);
  return QRect(panel.left(), panel.top() + box * slot, kPanelWidth, kCaptionHeight);
}

QRect FieldEditorRect(const QRect& panel, int boxCount, int box) {
  const int slot = panel.height() / std::max(boxCount, 1);
  return QRect(panel.left(), panel.top() + kCaptionHeight + box * slot, kPanelWidth,
               slot - kCaptionHeight);
}

}  // namespace tavolo
