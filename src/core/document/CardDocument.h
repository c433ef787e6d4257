// CardDocument: the card being edited. It holds the working CardState (what was last recorded)
// and its CardHistory, the live state (what is drawn and what the option dialogs and the text
// editors edit, the boxes' text included), the layout choice with the contact details and the text
// remembered per layout, the card last saved, the three one-shot flags that steer recording, the
// file path, and the card renderer whose caches belong to the live state. Widgets show the
// document and ask it to change; every rule about recording, undo and revert lives here and is
// tested without a widget. The document never paints on screen and never asks the user anything.
//
// Text. Live().boxCount and Live().lines are the text the card shows: every keystroke in an
// editor hands the editor's lines in with SetBoxLines, and the renderer, Capture and everything
// else read them there. When the document replaces the text (a layout, an undo, a new or loaded
// card) it calls the listener's textReplaced while the rebuilding flag is set: the editors are
// made anew from Live(), and each hands its lines back through SetBoxLines as it fills, which
// stores them without recording, so the recorded text is exactly what the editors hold.
//
// Notification. Every operation that changes the card, the history, the layout or the file path
// calls the listener's `changed` once when it is complete (operations that call one another
// notify once, at the end of the outermost). The main window answers with one refresh: the tint
// sliders from SliderPositions(), the background chooser from Live().backgroundIndex, the layout
// chooser, the "&Layouts" check and the "&Window" menu from Layout().Current() and the box count,
// Undo and Redo from CanUndo()/CanRedo(), the photo and logo items from Working(), the field
// captions from LinesTooWide(Live(), box), then the preview.
//
// Order of calls for the main window, the option dialogs and the print dialog:
//   Start-up:   SetListener; PresetDetails(from the template library) if it gave any;
//               Start(chosen template or nullptr), which builds the editors and records the first
//               step. A resize only places the editors again: it needs no call here.
//   Typing:     the editor's change notification: SetBoxLines(box, the editor's lines), which
//               records one step (nothing while rebuilding); the contact details follow the
//               lines that hold their fields, in the same step.
//   Contact Details: SetContactDetails(what the dialog holds) on OK; nothing on Cancel.
//   Sliders:    while dragging, MoveHueSlider / MoveSaturationSlider / MoveLightnessSlider(the
//               slider's position); nothing is recorded. On release RecordEdit() once: a drag of
//               any length is one undo step.
//   Background chooser click: ChooseBackground(chooser's selection); the tint is reset unless
//               rebuilding or force-push is set.
//   Layout:     the chooser's layoutPicked(n) and the "Layout n" commands alike call
//               SwitchLayout(n): the shown text is remembered for the old layout, the new one's
//               text replaces it, and one step is recorded.
//   Live-edit dialog (Text Options, Color Options, Background Options, Photo and Logo Options,
//               Card properties): snapshot = Snapshot() when it opens; each control change writes
//               into the live state with SetLive(changed copy of Live()); OK: RecordEdit()
//               (exactly one step, however many changes); Cancel: Revert(snapshot), which
//               restores the live state exactly. Insert or Edit Photo takes the snapshot first,
//               then hides the photo (SetLive with its name empty) and hands the dialog the card
//               drawn at about the print image's size (Render with DraftPictureFor's divisor and
//               size); after OK it calls Renderer().ReloadPictures() (a file of the same name may
//               have been replaced), sets the dialog's placement and calls RecordEdit(). Insert
//               Logo the same.
//   Delete Photo / Delete Logo: DeletePicture(kind) records one step.
//   Undo / Redo: Undo() / Redo() (false when not possible): the state is applied, the caches
//               are dropped and the text replaced; nothing is recorded.
//   New Blank Project: NewBlankProject(). Undo and Redo are disabled afterwards.
//   New Project: run the template library; PresetDetails(what it gave) unless it kept them;
//               when a template was chosen, NewProject(template) (records one step).
//   Load Project: CardState card = Working(); ReadProject(path, card, table,
//               ReadMode::kKeepOnFileError); unless that was a file error,
//               LoadProject(card, path) (records one step); show the message for a result that
//               was not success.
//   Save Project / Save Template: Capture(); WriteProject(path, Working(), table);
//               MarkSaved(path) after a project was saved.
//   Import Background: append it to the table (BackgroundTable::Append), then
//               ShowImportedBackground(its number); nothing is recorded.
//   Copy: RenderClipboardImage() onto the clipboard. Print: RenderPrintImage() gives the print
//               dialog its image. Export: RenderCardForExport(Renderer(), Live(), …) here, then
//               WriteExportImage(…, ExportReporting::kResultOnly) on a worker thread (ExportCard
//               does both at once).
//   Back side: SetBackSide(on) from the "Back side" command (one step); ShowFace(face) from the
//               Front/Back switch (records nothing). Save, templates and printing take Card(),
//               the file's card, whichever face is shown.
//   Modified says the card holds work not in its file: the file's card differs from the one last
//   saved or loaded (so undoing back to it is unmodified again). A card never saved is modified
//   unless it is the untouched blank card (Start without a template, New Blank Project): a card
//   made from a template (Start with one, New Project) is unsaved work.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include <QImage>

#include "core/card/BackgroundTable.h"
#include "core/card/CardHistory.h"
#include "core/card/CardState.h"
#include "core/card/ContactLines.h"
#include "core/card/LayoutChoice.h"
#include "core/document/FaceSwap.h"
#include "core/editing/ObjectEditing.h"
#include "core/imaging/RasterImage.h"
#include "core/render/CardRenderer.h"

namespace tavolo {

// The three tint sliders of the main window, positions −0.5 to 0.5.
struct TintSliders {
  float hue = 0.0f;
  float saturation = 0.0f;
  float lightness = 0.0f;
};

class CardDocument {
 public:
  // The working state holds the defaults, the history is empty, the card is modified, the
  // force-push flag is set; the live state has layout 1 and no background chosen (drawn as
  // background 1) until Start. `table` may be null (backgrounds then draw white) and must outlive
  // the document; photos and logos are read from `photoFolder`, the user's before the shipped.
  CardDocument(const BackgroundTable* table, DataFolder photoFolder);
  CardDocument(const CardDocument&) = delete;
  CardDocument& operator=(const CardDocument&) = delete;

  // --- What the document is connected to -----------------------------------------------------
  // Who shows the document; either callback may be empty.
  struct Listener {
    // The boxes' text was replaced: the editors show Live().boxCount boxes with Live().lines.
    std::function<void()> textReplaced;
    // An operation changed the document; called once, after it is complete.
    std::function<void()> changed;
  };
  void SetListener(Listener listener) { listener_ = std::move(listener); }
  // A table whose backgrounds were replaced is handed in again.
  void SetBackgroundTable(const BackgroundTable* table);
  const BackgroundTable* Backgrounds() const { return table_; }

  // --- What it holds -------------------------------------------------------------------------
  const CardState& Working() const { return working_; }
  const CardState& Live() const { return live_; }
  const CardHistory& History() const { return history_; }
  const LayoutChoice& Layout() const { return layout_; }
  // The eleven contact details; they reach the boxes' default lines at the next distribution
  // (Start, a layout switch, New Project, New Blank Project).
  void PresetDetails(const ContactDetails& values) { layout_.SetDetails(values); }
  // The card's contact details, kept in the working state at every capture.
  ContactDetails Details() const { return layout_.Details(); }
  // The details become the card's and are distributed into the boxes of the current layout as
  // the template library's Continue does (each cut to a line's length, their names when all
  // are empty); one step is recorded.
  void SetContactDetails(const ContactDetails& details);
  bool Modified() const;
  const std::filesystem::path& FilePath() const { return filePath_; }
  void SetFilePath(std::filesystem::path file);
  // The card was saved to `file`: it is the open file, and the card as it stands is the saved one.
  void MarkSaved(std::filesystem::path file);

  // The one-shot flags. Restoring: a state from the history is being applied (capture, do not
  // push). Rebuilding: the text is being replaced (typing records nothing, do not push).
  // Force-push: push the next recorded capture even while restoring or rebuilding. Replacing the
  // text clears all three.
  bool Restoring() const { return restoring_; }
  bool Rebuilding() const { return rebuilding_; }
  bool ForcePush() const { return forcePush_; }

  // --- Two sides ----------------------------------------------------------------------------
  // The working and live states are the face shown, holding no back, so that dialogs and editors
  // work on either face alike; the face not shown is set aside. Both faces share one history:
  // each step is the whole card, front and back.
  CardFace ShownFace() const { return faces_.Shown(); }
  bool HasBack() const { return faces_.HasBack(); }
  // The working card as its file holds it: the front, with its back when it has one.
  CardState Card() const;
  // The live card the same way: what printing takes.
  CardState LiveCard() const;
  // "Back side" on: the card gains a back, a copy of the front, which is then shown. Off: the
  // back is dropped and the front shown. One step either way; false when nothing changed.
  bool SetBackSide(bool on);
  // Shows the other face for editing: the shown one is captured first, then the editors are
  // made anew for the face. Records nothing; false when `face` is shown already or is the back
  // of a card without one.
  bool ShowFace(CardFace face);

  // --- Recording -----------------------------------------------------------------------------
  // Live state → working state: everything but the text from the live state; the box count from
  // the layout, each used box's lines from the live state; the contact details into both states'
  // extension section. Boxes beyond the count keep their lines.
  void Capture();
  // Records a copy of the working state as a new history step.
  void Push();
  // The recording rule: capture, then push unless restoring or rebuilding, force-push overriding.
  void RecordEdit();
  // An editor of a used box holds `lines` now: they become the box's live text (at most 20, each
  // cut to 100 characters) and, unless rebuilding, update the fields they hold
  // (DetailsAfterEdit) and are recorded.
  void SetBoxLines(int box, const QStringList& lines);
  // Working state → live state and layout (the layout's contact details are distributed, then the
  // working state's box count and lines replace them). Records nothing.
  void Apply();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Takes the previous (next) step as the working state, applies it while restoring, drops the
  // caches and replaces the text, which captures without a push and clears the flags. False when
  // there is no such step.
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
  void DeletePicture(PictureKind kind);
  // The shown face's object takes `bounds` (see SetBounds) in the live state; records nothing.
  // It changes the card in place, so that a drag's steps copy nothing. False when the face has no
  // such object.
  bool PlaceObjectLive(ObjectRef ref, const CardRect& bounds);
  // What the card view places on the live face (see PlaceableObjects), its text laid out once per
  // change of the card.
  std::vector<FaceObject> PlaceableObjects();

  // The user chose another layout (chooser or menu): the field lines the user corrected become
  // the contact details, the shown text is remembered for the layout it belongs to, the new
  // layout's remembered or default text replaces it, and one step is recorded. False when the
  // layout is current already or no layout. Leaving the Custom layout keeps it (its boxes go back
  // to their places, the text to the picked layout's boxes); kCustomLayout brings the kept one
  // back, in the layout its boxes belong to (false when the card has none or shows it).
  bool SwitchLayout(int layout);
  // The current layout's text (remembered or default) replaces the live text, after the shown
  // text was remembered when the user changed the layout; the listener's textReplaced runs while
  // rebuilding is set. Then captures, pushes when neither restoring nor rebuilding was set or
  // when force-push was, and clears the three flags.
  void RebuildFieldEditors();

  // --- Whole cards ---------------------------------------------------------------------------
  // The card the main window opens with: the chosen template when there is one (applied as
  // New Project applies it), else the defaults with background 1 and every box shrinking to
  // fit; recorded as the first step; modified when made from a template.
  void Start(const CardState* chosenTemplate);
  // Plain styles, every box shrinking to fit, plain background, no photo, no logo, lightness
  // shift 0.5, the contact details (their names when all are empty) in the current layout; the
  // history then holds this card alone, so Undo and Redo are disabled. Forgets the typed text and
  // the file path; not modified.
  void NewBlankProject();
  // A template's card with the contact details distributed over it, every box shrinking to fit
  // unless the template says otherwise; recorded as one step, modified. Forgets the typed
  // text and the file path.
  void NewProject(const CardState& card);
  // A card read from `file` as it was stored (a file that does not say shrinks no box);
  // recorded as one step, not modified. The typed text is kept.
  void LoadProject(const CardState& card, std::filesystem::path file);

  // --- Drawing -------------------------------------------------------------------------------
  // The live card at divisor into dx × dy pixels (Format_RGB32).
  QImage Render(int divisor, int dx, int dy);
  // The print image: the card at its own size, tagged with its dpi.
  RasterImage RenderPrintImage();
  // The same picture as a QImage for the clipboard, tagged with the dpi when it is a sane one.
  QImage RenderClipboardImage();
  CardRenderer& Renderer() { return renderer_; }
  // Moves on when a change of the document begins: a picture of the card made under a given
  // revision shows the card as it stands while the revision is the same.
  uint64_t Revision() const { return revision_; }
  void DropBackgroundCache();
  void DropTurnedPictures();

  // Held by every changing operation, and by a caller that makes several changes in a row: the
  // listener hears of them once, when the outermost scope ends.
  class ChangeScope {
   public:
    explicit ChangeScope(CardDocument& document);
    ~ChangeScope();
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

   private:
    CardDocument& document_;
  };

 private:
  void DropCaches();
  // The working state becomes the face `face` of the whole card `card`; nothing else changes.
  void TakeFace(const CardState& card, CardFace face) { working_ = faces_.Show(card, face); }
  // Working state ← `card`, applied, contact details distributed over it, typed text forgotten.
  void TakeTemplate(const CardState& card);

  const BackgroundTable* table_;
  CardRenderer renderer_;
  Listener listener_;
  int changeDepth_ = 0;
  uint64_t revision_ = 0;

  CardState working_;
  CardState live_;
  CardHistory history_;
  LayoutChoice layout_;
  std::filesystem::path filePath_;
  FaceSwap faces_;

  // The file's card as last saved or loaded, or the untouched blank card; none for a card never
  // saved that began from a template.
  std::optional<CardState> saved_;
  bool restoring_ = false;
  bool rebuilding_ = false;
  bool forcePush_ = true;

  // Sets the one-shot flags in the tests of the recording rule.
  friend class CardDocumentTestSeam;
};

}  // namespace tavolo
