#include "core/document/CardDocument.h"

#include <algorithm>
#include <utility>

#include "core/card/CardFaces.h"
#include "core/card/CardLimits.h"
#include "core/card/FreePlacement.h"
#include "core/card/ShrinkToFit.h"
#include "core/card/TemplateLabels.h"
#include "core/render/BackgroundProcessing.h"

namespace tavolo {

namespace {

// Past this a dpi is a damaged value; the clipboard copy then carries no resolution.
constexpr int kMaxTaggedDpi = 1'000'000;
// New Blank Project lightens the background by this much.
constexpr float kBlankLightShift = 0.5f;

// A live state with no choice made yet: layout 1, background drawn as number 1.
CardState InitialLive() {
  CardState live;
  live.layoutIndex = 1;
  live.backgroundIndex = -1;
  return live;
}

}  // namespace

CardDocument::ChangeScope::ChangeScope(CardDocument& document) : document_(document) {
  if (document_.changeDepth_++ == 0) ++document_.revision_;
}

CardDocument::ChangeScope::~ChangeScope() {
  if (--document_.changeDepth_ == 0 && document_.listener_.changed) document_.listener_.changed();
}

CardDocument::CardDocument(const BackgroundTable* table, DataFolder photoFolder)
    : table_(table), renderer_(table, std::move(photoFolder)), live_(InitialLive()) {
  history_.Clear();
}

void CardDocument::SetBackgroundTable(const BackgroundTable* table) {
  const ChangeScope scope(*this);
  table_ = table;
  renderer_.SetBackgroundTable(table);
}

void CardDocument::SetFilePath(std::filesystem::path file) {
  const ChangeScope scope(*this);
  filePath_ = std::move(file);
}

void CardDocument::MarkSaved(std::filesystem::path file) {
  const ChangeScope scope(*this);
  filePath_ = std::move(file);
  saved_ = Card();
}

bool CardDocument::Modified() const {
  return !saved_ || Card() != *saved_;
}

void CardDocument::Capture() {
  const ChangeScope scope(*this);
  live_.contact = Details();
  CardState captured = live_;
  captured.boxCount = layout_.BoxCount();
  captured.lines = working_.lines;
  const int used = std::clamp(captured.boxCount, 0, kTextBoxCount);
  std::copy_n(live_.lines.begin(), used, captured.lines.begin());
  working_ = std::move(captured);
}

void CardDocument::Push() {
  const ChangeScope scope(*this);
  history_.Push(Card());
}

CardState CardDocument::Card() const {
  return faces_.Whole(working_);
}

CardState CardDocument::LiveCard() const {
  return faces_.Whole(live_);
}

bool CardDocument::SetBackSide(bool on) {
  if (on == HasBack()) return false;
  const ChangeScope scope(*this);
  Capture();
  CardState card = Card();
  card.back = on ? CardBack(NewBackFaceFor(card)) : CardBack();
  TakeFace(card, on ? CardFace::kBack : CardFace::kFront);
  Apply();
  DropCaches();
  layout_.ForgetTypedText();
  forcePush_ = true;
  RebuildFieldEditors();
  return true;
}

bool CardDocument::ShowFace(CardFace face) {
  if (face == ShownFace() || (face == CardFace::kBack && !HasBack())) return false;
  const ChangeScope scope(*this);
  Capture();
  TakeFace(Card(), face);
  restoring_ = true;
  Apply();
  DropCaches();
  // The text typed for other layouts belongs to the face it was typed on.
  layout_.ForgetTypedText();
  RebuildFieldEditors();
  return true;
}

void CardDocument::RecordEdit() {
  const ChangeScope scope(*this);
  Capture();
  if (forcePush_ || (!restoring_ && !rebuilding_)) Push();
}

void CardDocument::SetBoxLines(int box, const QStringList& lines) {
  if (box < 0 || box >= std::clamp(live_.boxCount, 0, kTextBoxCount)) return;
  const ChangeScope scope(*this);
  const TextBoxLines before = live_.lines[box];
  live_.lines[box] = KeptLines(lines);
  if (rebuilding_) return;
  layout_.SetDetails(DetailsAfterEdit(Details(), layout_.Current(), box, before, live_.lines[box]));
  RecordEdit();
}

void CardDocument::SetContactDetails(const ContactDetails& details) {
  const ChangeScope scope(*this);
  ContactDetails values = details;
  for (QString& value : values) value.truncate(kMaxLineLength);
  layout_.ChangeDetails(values, live_.lines, live_.boxCount);
  RebuildFieldEditors();
}

void CardDocument::Apply() {
  const ChangeScope scope(*this);
  layout_.Show(working_);
  SetLive(working_);
}

bool CardDocument::Undo() {
  if (!CanUndo()) return false;
  const ChangeScope scope(*this);
  TakeFace(history_.StepBack(), ShownFace());
  restoring_ = true;
  Apply();
  DropCaches();
  RebuildFieldEditors();
  return true;
}

bool CardDocument::Redo() {
  if (!CanRedo()) return false;
  const ChangeScope scope(*this);
  TakeFace(history_.StepForward(), ShownFace());
  restoring_ = true;
  Apply();
  DropCaches();
  RebuildFieldEditors();
  return true;
}

void CardDocument::SetLive(const CardState& live) {
  const ChangeScope scope(*this);
  if (live.backgroundIndex != live_.backgroundIndex || live.hueShift != live_.hueShift ||
      live.satShift != live_.satShift || live.lightShift != live_.lightShift) {
    renderer_.DropBackgroundCache();
  }
  live_ = live;
}

float CardDocument::HueOffset() const {
  const int number = DrawnBackgroundNumber(live_.backgroundIndex);
  if (table_ == nullptr || number >= table_->Count()) return 0.0f;
  return table_->HueOffset(number);
}

TintSliders CardDocument::SliderPositions() const {
  return {HueOffset() + live_.hueShift, live_.satShift, live_.lightShift};
}

void CardDocument::MoveHueSlider(float position) {
  CardState live = live_;
  live.hueShift = position - HueOffset();
  SetLive(live);
}

void CardDocument::MoveSaturationSlider(float position) {
  CardState live = live_;
  live.satShift = position;
  SetLive(live);
}

void CardDocument::MoveLightnessSlider(float position) {
  CardState live = live_;
  live.lightShift = position;
  SetLive(live);
}

bool CardDocument::ChooseBackground(int number) {
  const ChangeScope scope(*this);
  CardState live = live_;
  live.backgroundIndex = number;
  const bool resetTint = !rebuilding_ && !forcePush_;
  if (resetTint) {
    live.hueShift = 0.0f;
    live.satShift = 0.0f;
    live.lightShift = 0.0f;
  }
  SetLive(live);
  Capture();
  if (!rebuilding_) Push();
  renderer_.DropBackgroundCache();
  rebuilding_ = false;
  return resetTint;
}

void CardDocument::ShowImportedBackground(int number) {
  const ChangeScope scope(*this);
  CardState live = live_;
  live.backgroundIndex = number;
  live.hueShift = 0.0f;
  live.lightShift = 0.0f;
  SetLive(live);
  renderer_.DropBackgroundCache();
}

void CardDocument::DeletePicture(PictureKind kind) {
  const ChangeScope scope(*this);
  RemovePicture(live_.Picture(kind));
  renderer_.DropBackgroundCache();
  RecordEdit();
}

bool CardDocument::PlaceObjectLive(ObjectRef ref, const CardRect& bounds) {
  const ChangeScope scope(*this);
  return SetBounds(live_, ref, bounds);
}

std::vector<FaceObject> CardDocument::PlaceableObjects() {
  return tavolo::PlaceableObjects(live_, renderer_.TextLayouts(live_));
}

bool CardDocument::SwitchLayout(int layout) {
  const bool custom = layout == kCustomLayout;
  const bool wasCustom = ShowsCustomLayout(live_);
  if (custom && (wasCustom || !live_.custom)) return false;
  if (!custom && !wasCustom) {
    if (!layout_.Pick(layout, live_.lines, live_.boxCount)) return false;
    const ChangeScope scope(*this);
    RebuildFieldEditors();
    return true;
  }
  if (!custom && (layout < 0 || layout >= kLayoutCount)) return false;
  // Leaving the Custom layout keeps it to come back to; coming back places its boxes again, in
  // the layout they belong to.
  const ChangeScope scope(*this);
  live_.custom->current = custom;
  if (custom) layout = live_.custom->layoutIndex;
  if (layout_.Pick(layout, live_.lines, live_.boxCount)) {
    RebuildFieldEditors();
  } else {
    RecordEdit();
  }
  return true;
}

void CardDocument::RebuildFieldEditors() {
  const ChangeScope scope(*this);
  if (layout_.ChangedByUser()) layout_.Remember(live_.lines, live_.boxCount);
  const BoxLinesArray shown = layout_.LinesForEditors();
  live_.boxCount = layout_.BoxCount();
  const int used = std::clamp(live_.boxCount, 0, kTextBoxCount);
  for (int b = 0; b < used; ++b) live_.lines[b] = KeptLines(shown[b]);
  const bool wasRebuilding = rebuilding_;
  rebuilding_ = true;
  if (listener_.textReplaced) listener_.textReplaced();
  rebuilding_ = wasRebuilding;
  live_.layoutIndex = layout_.Current();
  Capture();
  if (forcePush_ || (!restoring_ && !rebuilding_)) Push();
  restoring_ = false;
  rebuilding_ = false;
  forcePush_ = false;
  layout_.FinishRebuild();
}

void CardDocument::Start(const CardState* chosenTemplate) {
  const ChangeScope scope(*this);
  if (chosenTemplate != nullptr) {
    TakeTemplate(*chosenTemplate);
  } else {
    CardState live = live_;
    ShrinkEveryBoxToFit(live);
    SetLive(live);
    layout_.FillEmptyDetails();
    layout_.Distribute();
  }
  // The first placement of the window: the chooser's selection is taken without touching the
  // tint or recording, then the editors are built and the card recorded (force-push is set).
  rebuilding_ = true;
  ChooseBackground(DrawnBackgroundNumber(live_.backgroundIndex));
  rebuilding_ = true;
  RebuildFieldEditors();
  // A card from a template is work not yet in any file; the untouched blank card is not.
  if (chosenTemplate == nullptr) {
    saved_ = Card();
  } else {
    saved_.reset();
  }
}

void CardDocument::NewBlankProject() {
  const ChangeScope scope(*this);
  CardState card = Card();
  card.back = CardBack();
  TakeFace(card, CardFace::kFront);
  Apply();
  layout_.FillEmptyDetails();
  CardState live = live_;
  ResetForBlankProject(live);
  ShrinkEveryBoxToFit(live);
  live.lightShift = kBlankLightShift;
  for (const PictureKind kind : kPictureKinds) RemovePicture(live.Picture(kind));
  SetLive(live);
  layout_.Distribute();
  DropCaches();
  layout_.ForgetTypedText();
  RebuildFieldEditors();
  // The blank card is the first step, so the first edit after it can be undone.
  history_.Clear();
  Push();
  filePath_.clear();
  saved_ = Card();
}

void CardDocument::NewProject(const CardState& card) {
  const ChangeScope scope(*this);
  TakeTemplate(card);
  DropCaches();
  RebuildFieldEditors();
  filePath_.clear();
  saved_.reset();
}

void CardDocument::LoadProject(const CardState& card, std::filesystem::path file) {
  const ChangeScope scope(*this);
  TakeFace(card, CardFace::kFront);
  Apply();
  DropCaches();
  RebuildFieldEditors();
  filePath_ = std::move(file);
  saved_ = Card();
}

void CardDocument::TakeTemplate(const CardState& card) {
  // The template brings its look; the details stay (those just typed in the library, else the
  // ones the card had before), each number under the label the template shows it with.
  const ContactDetails values = layout_.Details();
  TakeFace(card, CardFace::kFront);
  ShrinkNewCardToFit(working_);
  Apply();
  layout_.SetDetails(WithTemplateLabels(values, ContactDetailsOf(card)));
  layout_.FillEmptyDetails();
  layout_.Distribute();
  layout_.ForgetTypedText();
}

QImage CardDocument::Render(int divisor, int dx, int dy) {
  return renderer_.Render(live_, divisor, dx, dy);
}

RasterImage CardDocument::RenderPrintImage() {
  return renderer_.RenderPrintImage(live_);
}

QImage CardDocument::RenderClipboardImage() {
  const CardPixelSize size = CardPixels(live_.cardWidth, live_.cardHeight);
  if (!size.Ok()) return {};
  QImage card = renderer_.Render(live_, 1, size.width, size.height);
  if (!card.isNull() && live_.dpi > 0 && live_.dpi <= kMaxTaggedDpi) {
    card.setDotsPerMeterX(DpiToPelsPerMeter(live_.dpi));
    card.setDotsPerMeterY(DpiToPelsPerMeter(live_.dpi));
  }
  return card;
}

void CardDocument::DropBackgroundCache() {
  const ChangeScope scope(*this);
  renderer_.DropBackgroundCache();
}

void CardDocument::DropTurnedPictures() {
  const ChangeScope scope(*this);
  renderer_.DropTurnedPictures();
}

void CardDocument::DropCaches() {
  renderer_.DropBackgroundCache();
  renderer_.DropTurnedPictures();
}

}  // namespace tavolo
