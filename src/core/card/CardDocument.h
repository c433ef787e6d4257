// CardDocument: the card being edited. It holds the working CardState (what was last recorded)
// and its CardHistory, the live state (what the preview draws and the option dialogs edit), the
// layout choice with the field values and the text remembered per layout, the modified flag, the
// three one-shot flags that steer recording, the file path, and the card renderer whose caches
// belong to the live state. Widgets show the document and ask it to change; every rule about
// recording, undo and revert lives here and is tested without a widget.
//
// Lines. While the main window exists the text of the used boxes lives in its editors: it hands
// them in with SetEditors (a FieldEditors, which is also the LineSource the renderer reads), so
// the preview draws the live state with what is being typed and Capture reads the same lines.
// Without editors (tests, tools) the layout's default lines stand in for them. Live().lines and
// Live().boxCount are never drawn.
//
// Order of calls for the main window, the option dialogs and the print dialog. "Refresh" below
// means: set the three tint sliders from SliderPositions(), the background chooser's selection
// from Live().backgroundIndex, the layout chooser and the "&Layouts" check from Layout().Current(),
// enable Undo/Redo from CanUndo()/CanRedo() and the photo and logo items from Working(); then
// redraw the preview. The document never paints on screen and never asks the user anything.
//
//   Start-up:   SetFieldValues(from the template library) if it gave any; SetEditors(editors);
//               Start(chosen template or nullptr), which records the first step; Refresh.
//               A resize only places the editors again: it needs no call here.
//   Typing:     the editor's change notification: redraw the preview, then TextEdited(); Refresh
//               the menus. (Nothing is recorded while the editors are being rebuilt.)
//   Sliders:    while dragging, MoveHueSlider / MoveSaturationSlider / MoveLightnessSlider(the
//               slider's position) and redraw the preview; nothing is recorded. On release
//               RecordEdit() once: a drag of any length is one undo step.
//   Background chooser click: ChooseBackground(chooser's selection); when it answers true the
//               tint was reset, so set the sliders again; Refresh.
//   Layout:     the chooser's layoutPicked(n) and the "Layout n" commands alike call
//               SwitchLayout(n) (the editors are rebuilt through FieldEditors::Rebuild and one
//               step is recorded); Refresh.
//   Live-edit dialog (Text Options, Color Options, Background Options, Photo and Logo Options,
//               Card properties): snapshot = Snapshot() when it opens; each control change writes
//               into the live state with SetLive(changed copy of Live()) and redraws the preview;
//               OK: RecordEdit() (exactly one step, however many changes); Cancel:
//               Revert(snapshot), which restores the live state exactly. Insert or Edit Photo
//               takes the snapshot first, then hides the photo (SetLive with photo.name empty)
//               and hands the dialog the card drawn at about the print image's size
//               (Render with DraftPictureFor's divisor and size); after OK it
//               sets the dialog's placement, calls Renderer().ReloadPictures() (a file of the
//               same name may have been replaced) and RecordEdit(). Insert Logo the same.
//   Delete Photo / Delete Logo: DeletePhoto() / DeleteLogo() record one step; Refresh.
//   Undo / Redo: Undo() / Redo() (false when not possible): the state is applied, the caches
//               are dropped and the editors rebuilt, nothing is recorded; Refresh.
//   New Blank Project: NewBlankProject(); Refresh. Undo and Redo are disabled afterwards.
//   New Project: run the template library; SetFieldValues(what it gave) unless it kept them;
//               when a template was chosen, NewProject(template) (records one step); Refresh.
//   Load Project: CardState card = Working(); ReadProject(path, card, table,
//               ReadMode::kKeepOnFileError); unless that was a file error,
//               LoadProject(card, path) (records one step); show the message for a result that
//               was not success; Refresh.
//   Save Project / Save Template: Capture(); WriteProject(path, Working(), table);
//               SetFilePath(path) after a project was saved.
//   Import Background: append it to the table (BackgroundTable::Append), then
//               ShowImportedBackground(its number); nothing is recorded; Refresh.
//   Copy: the preview's RequestClipboardCopy(), which puts RenderClipboardImage() on the
//               clipboard. Print: the preview's RequestPrintImage() (or RenderPrintImage()
//               directly) gives the print dialog its image. Export: RenderCardForExport(
//               Renderer(), Live(), DrawnLines(), …) here, then WriteExportImage(…,
//               ExportReporting::kResultOnly) on a worker thread (ExportCard does both at once).
//   The modified flag is set from construction on and by every capture; it is never cleared, so
//   closing the main window always offers to save.
#pragma once

#include <filesystem>

#include <QImage>

#include "core/card/BackgroundTable.h"
#include "core/card/CardHistory.h"
#include "core/card/CardRenderer.h"
#include "core/card/CardState.h"
#include "core/card/FieldEditors.h"
#include "core/card/LayoutChoice.h"
#include "core/card/LineSource.h"
#include "core/imaging/RasterImage.h"

namespace tavolo {

// The three tint sliders of the main window, positions −0.5 to 0.5.
struct TintSliders {
  float hue = 0.0f;
  float saturation = 0.0f;
  float lightness = 0.0f;
};

class CardDocument {
 public:
  // The working state holds the defaults, the history is empty, the modified and force-push flags
  // are set; the live state has layout 1 and no background chosen (drawn as background 1) until
  // Start. `table` may be null (backgrounds then draw white) and must outlive the document;
  // photos and logos are read from `photoFolder`.
  CardDocument(const BackgroundTable* table, std::filesystem::path photoFolder);
  CardDocument(const CardDocument&) = delete;
  CardDocument& operator=(const CardDocument&) = delete;

  // --- What the document is connected to -----------------------------------------------------
  // The main window's editors, or null when there are none; they must outlive the document or be
  // replaced first.
  void SetEditors(FieldEditors* editors) { editors_ = editors; }
  // A table whose backgrounds were replaced is handed in again.
  void SetBackgroundTable(const BackgroundTable* table);
  const BackgroundTable* Backgrounds() const { return table_; }

  // --- What it holds -------------------------------------------------------------------------
  const CardState& Working() const { return working_; }
  const CardState& Live() const { return live_; }
  const CardHistory& History() const { return history_; }
  const LayoutChoice& Layout() const { return layout_; }
  // The eleven field values; they reach the editors' default lines at the next distribution
  // (Start, a layout switch, New Project, New Blank Project).
  void SetFieldValues(const NamedValues& values) { layout_.SetFieldValues(values); }
  bool Modified() const { return modified_; }
  const std::filesystem::path& FilePath() const { return filePath_; }
  void SetFilePath(std::filesystem::path file) { filePath_ = std::move(file); }

  // The one-shot flags. Restoring: a state from the history is being applied (capture, do not
  // push). Rebuilding: the editors are being rebuilt (ignore their notifications, do not push).
  // Force-push: push the next recorded capture even while restoring or rebuilding. The rebuild of
  // the editors clears all three.
  bool Restoring() const { return restoring_; }
  bool Rebuilding() const { return rebuilding_; }
  bool ForcePush() const { return forcePush_; }
  void SetRestoring(bool on) { restoring_ = on; }
  void SetRebuilding(bool on) { rebuilding_ = on; }
  void SetForcePush(bool on) { forcePush_ = on; }

  // --- Recording -----------------------------------------------------------------------------
  // Live state and lines → working state: the layout number, background number, background
  // fields, photo, logo, card size and tint from the live state; the box count from the layout;
  // each used box's lines from its editor (at most 20, each cut to 100 characters), or the
  // layout's default lines where the box has no editor; the styles from the live state. Sets the
  // modified flag. Boxes beyond the count keep their lines.
  void Capture();
  // Records a copy of the working state as a new history step.
  void Push();
  // The recording rule: capture, then push unless restoring or rebuilding, force-push overriding.
  void RecordEdit();
  // A text editor changed (after the preview was redrawn): ignored while rebuilding, else
  // recorded.
  void TextEdited();
  // Working state → live state and layout (the layout's field values are distributed, then the
  // working state's box count and lines replace them). Records nothing.
  void Apply();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Takes the previous (next) step as the working state, applies it while restoring, drops the
  // caches and rebuilds the editors, which captures without a push and clears the flags. False
  // when there is no such step.
  bool Undo();
  bool Redo();

  // --- Editing the live state ----------------------------------------------------------------
  // The live state as a dialog left it. A change of background number or tint drops the cached
  // background, so a stale one cannot be shown.
  void SetLive(const CardState& live);
  // What a live-edit dialog takes when it opens and gives back to Revert on Cancel.
  CardState Snapshot() const { return live_; }
  // Restores a snapshot exactly; records nothing.
  void Revert(const CardState& snapshot) { SetLive(snapshot); }

  // The current background's hue offset (0 without a table entry for it).
  float HueOffset() const;
  // Where the sliders stand for the live tint: hue = hue offset + hueShift.
  TintSliders SliderPositions() const;
  // A slider was moved: the live tint follows (hueShift = position − hue offset). Records
  // nothing.
  void MoveHueSlider(float position);
  void MoveSaturationSlider(float position);
  void MoveLightnessSlider(float position);

  // The background chooser was clicked with `number` selected. Unless rebuilding or force-push is
  // set the tint is reset to none (the answer is then true); then captured, pushed unless
  // rebuilding, and the rebuilding flag is cleared.
  bool ChooseBackground(int number);
  // An imported background is shown: hue and lightness shifts back to 0, saturation kept.
  // Records nothing; the next recorded edit takes it in.
  void ShowImportedBackground(int number);
  // Removes the photo (reduction kept) or the logo and records one step.
  void DeletePhoto();
  void DeleteLogo();

  // The user chose another layout (chooser or menu): the editors' text is remembered for the
  // layout they showed, the new layout's remembered or default text fills the rebuilt editors,
  // and one step is recorded. False when the layout is current already or no layout.
  bool SwitchLayout(int layout);
  // Rebuilds the editors for the current layout through FieldEditors::Rebuild, remembering the
  // old editors' text first when the user changed the layout, then captures, pushes when neither
  // restoring nor rebuilding was set or when force-push was, and clears the three flags.
  void RebuildFieldEditors();

  // --- Whole cards ---------------------------------------------------------------------------
  // The card the main window opens with: the chosen template when there is one (applied as
  // New Project applies it), else the defaults with background 1; recorded as the first step.
  void Start(const CardState* chosenTemplate);
  // Plain styles and background, no photo, no logo, lightness shift 0.5, the field values (their
  // names when all are empty) in the current layout; the history then holds this card alone, so
  // Undo and Redo are disabled. Forgets the typed text and the file path.
  void NewBlankProject();
  // A template's card with the field values distributed over it; recorded as one step. Forgets
  // the typed text and the file path.
  void NewProject(const CardState& card);
  // A card read from `file` as it was stored; recorded as one step. The typed text is kept.
  void LoadProject(const CardState& card, std::filesystem::path file);

  // --- Drawing -------------------------------------------------------------------------------
  // The lines the preview draws and Capture reads: the editors', or the layout's without them.
  const LineSource& DrawnLines() const;
  // The live card at divisor into dx × dy pixels (Format_RGB32).
  QImage Render(int divisor, int dx, int dy);
  // The print image: 1062 × 615 pixels, tagged with the card's dpi.
  RasterImage RenderPrintImage();
  // The same picture as a QImage for the clipboard, tagged with the dpi when it is a sane one.
  QImage RenderClipboardImage();
  CardRenderer& Renderer() { return renderer_; }
  void DropBackgroundCache() { renderer_.DropBackgroundCache(); }
  void DropRotatedLogo() { renderer_.DropRotatedLogo(); }

 private:
  void DropCaches();
  // Working state ← `card`, applied, field values distributed over it, typed text forgotten.
  void TakeTemplate(const CardState& card);

  const BackgroundTable* table_;
  CardRenderer renderer_;
  FieldEditors* editors_ = nullptr;

  CardState working_;
  CardState live_;
  CardHistory history_;
  LayoutChoice layout_;
  std::filesystem::path filePath_;

  bool modified_ = true;
  bool restoring_ = false;
  bool rebuilding_ = false;
  bool forcePush_ = true;
};

}  // namespace tavolo
