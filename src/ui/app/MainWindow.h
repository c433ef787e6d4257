// The main window: the card preview in the middle, the background chooser with its paging and
// options buttons on the left, the three tint sliders along the top, the layout chooser along
// the bottom and the field panel with one editor per text box on the right, with the menus and
// the keyboard accelerators. It shows the card document and turns every edit into a recorded
// step through it.
//
// The window is split by menu: this file's .cpp builds, places and paints the window and wires
// its controls; MainWindowCommands.cpp holds the command table, the menus and UpdateMenus; the
// handlers of each menu live in MainWindow_File, MainWindow_Edit, MainWindow_Templates,
// MainWindow_Layouts and MainWindow_Help; files dropped on the window in MainWindow_Drop.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "core/document/CardDocument.h"
#include "core/formats/ProjectFile.h"
#include "ui/base/Prompts.h"
#include "ui/print/PrinterChoice.h"

class QAction;
class QMenu;

namespace tavolo {

class BackgroundTable;
class BackgroundChooser;
class FieldPanel;
class PillButton;
class ColourStripSlider;
class LayoutChooser;
class CardPreview;
class FaceSwitch;
enum class DropAction;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr QSize kMinimumSize{750, 500};

  // The menus, in menu-bar order.
  enum class Menu { File, Edit, Insert, Arrange, Templates, Layouts, Window, Help, None };

  // `backgrounds` must outlive the window; imports append to it. `prompts` answers every question
  // the window asks (null: the real dialogs).
  explicit MainWindow(BackgroundTable& backgrounds, std::unique_ptr<Prompts> prompts = nullptr);
  ~MainWindow() override;

  // Opens on the blank card (New Blank Project's card), or on `chosenTemplate`.
  void Start(const CardState* chosenTemplate = nullptr);
  // Load Project without its dialog: the card of `file`, or the message when it is refused (the
  // card then stays as it was). True when the card was taken.
  bool OpenProject(const std::filesystem::path& file);
  // OpenProject's second half, for a card read elsewhere: `card` as ReadProject left it.
  bool TakeProject(const std::filesystem::path& file, const CardState& card,
                   const ProjectReading& read);
  // Backgrounds read while the window already stood take the place of those it shows.
  void ReplaceBackgrounds(BackgroundTable backgrounds);

  CardDocument& Document() { return document_; }
  const CardDocument& Document() const { return document_; }
  // The printer that Print uses, as Print Setup chose it.
  PrinterChoice& Printer() { return printer_; }
  // The action of a command id (null for an unknown id); tests trigger commands through it.
  QAction* Action(int id) const;
  QMenu* MenuOf(Menu menu) const;
  // A child control by its id (the editors and captions of the current layout included).
  QWidget* Control(int id) const;
  CardPreview& Preview() const { return *preview_; }
  FieldPanel& Fields() const { return *fields_; }
  // The window client area below the menu bar, where the controls are placed.
  QWidget& Client() const { return *client_; }

  // Enables Undo, Redo, Delete Photo and Delete Logo from the document and names the photo and
  // logo commands after what the card holds.
  void UpdateMenus();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Command {
    int id = 0;  // 0 for a separator
    Menu menu = Menu::None;
    QString text;
    std::function<void(MainWindow&)> handler;
  };
  struct Accelerator {
    QKeySequence keys;
    int id;
  };
  // Keeps the choosers still while a modal dialog is open.
  class ChooserPause {
   public:
    explicit ChooserPause(MainWindow& window);
    ~ChooserPause();
    ChooserPause(const ChooserPause&) = delete;
    ChooserPause& operator=(const ChooserPause&) = delete;

   private:
    MainWindow& window_;
  };

  // MainWindow.cpp: building, placing, wiring.
  void BuildControls();
  void PlaceControls();
  void ConnectControls();
  // `object` is the text editor of one of the card's boxes.
  bool IsFieldEditor(const QObject* object) const;
  // The document replaced the text: new editors show it, the "&Window" menu lists their boxes.
  void ShowText();
  // What the document's change notification does: sliders, chooser selections, the layout
  // check, the menus' state, the captions of boxes with lines too wide; then the preview is
  // redrawn.
  void Refresh();
  void ShowSliders();
  void UpdatePagingButtons();
  void OnSliderMoved(int id);
  void OnSliderReleased();
  void OnBackgroundChosen();
  void OnPage(bool forward);
  void SetPaused(bool paused);
  // The prompts' message box with the given text (the caption is "Tavolo").
  void Tell(const QString& text, QMessageBox::Icon icon = QMessageBox::Warning);
  // The title names the open file, with the modified mark: "card.tvc — Tavolo".
  void UpdateTitle();
  // After a command or a dialog the keyboard is the window's again (an editor when the one it
  // was in went away), so that Ctrl+Z works at once.
  void RestoreFocus();

  // MainWindowCommands.cpp: the one command table, the accelerators, the menus.
  static std::vector<Command> Commands();
  static std::vector<Accelerator> Accelerators();
  void BuildMenus();
  void RebuildWindowMenu();
  void CheckCurrentLayout();
  // The layout the chooser and the "&Layouts" menu show as current: kCustomLayout for "Custom".
  int CurrentLayout() const;

  // MainWindow_File.cpp.
  void OnNewBlankProject();
  void OnLoadProject();
  void OnRecentProject(const QString& file);
  void OnSaveProject();
  void OnSaveProjectAs();
  void OnImportBackground();
  // Import Background without its dialog.
  void ImportBackgroundFile(const std::filesystem::path& file);
  void OnExportImage();
  void OnPrint();
  void OnPrintSetup();
  void OnMerge();
  void OnExit();
  // Writes the card to the open file, or asks for one when there is none; false when cancelled
  // or the write failed.
  bool Save();
  // Asks for a path and writes the card there; false when cancelled or the write failed.
  bool SaveWithDialog();
  bool SaveTo(const std::filesystem::path& file);
  // Before the card is replaced or the window closed: a modified card asks Save, Discard or
  // Cancel (Save asks for a file when the card has none). False when the user cancelled, or the
  // save did not happen: keep everything.
  bool SaveChangesFirst();
  void RebuildRecentMenu();

  // MainWindow_Edit.cpp.
  void OnUndo();
  void OnRedo();
  void OnCopy();
  void OnInsertPhoto();
  void OnDeletePhoto();
  void OnInsertLogo();
  void OnDeleteLogo();
  void OnInsertQrCode();
  void OnTextColours();
  void OnFrameColours();
  void OnBackgroundColour();
  void OnCardProperties();
  void OnContactDetails();
  // "Back side" switches the card's back on or off; Show Front and Show Back choose the face the
  // editors, the dialogs and the preview work on.
  void OnBackSide();
  void OnShowFace(CardFace face);

  // MainWindow_Objects.cpp: the Insert and Arrange menus' objects.
  void OnInsertObject(ObjectKind kind);
  // Applies `arrange` to the live card with the preview's selection; one step when it changed
  // anything.
  void OnArrange(const std::function<bool(CardState&, std::span<const ObjectRef>)>& arrange);
  // The selected object's own dialog: a shape's or text box's properties, the photo's, the
  // logo's or the QR code's options.
  void OnObjectProperties();
  // The Arrange menu's entries (and Object Properties) enabled for the preview's selection.
  void UpdateArrangeMenu();

  // MainWindow_Templates.cpp.
  void OnNewProject();
  void OnSaveTemplate();

  // MainWindow_Layouts.cpp.
  void OnLayout(int layout);
  void OnTextField(int box);
  void OnBackgroundOptions();
  // The preview's zoom, from the "&Window" menu; the menu's zoom entries show the one in force.
  void OnZoom(int zoomPercent);
  void OnZoomIn();
  void OnZoomOut();
  void CheckCurrentZoom();

  // MainWindow_Drop.cpp: what a dragged file would do where it is, and doing it.
  DropAction DropActionAt(const QDropEvent& event) const;
  void TakeDroppedFile(const std::filesystem::path& file, DropAction action);

  // MainWindow_Help.cpp.
  void InstallContextHelp();
  void OnHelp();
  void OnAbout();

  BackgroundTable& backgrounds_;
  std::unique_ptr<Prompts> prompts_;
  CardDocument document_;
  PrinterChoice printer_;
  int pauses_ = 0;

  QWidget* client_ = nullptr;
  PillButton* prev_ = nullptr;
  PillButton* next_ = nullptr;
  PillButton* backgroundOptions_ = nullptr;
  ColourStripSlider* hue_ = nullptr;
  ColourStripSlider* saturation_ = nullptr;
  ColourStripSlider* lightness_ = nullptr;
  BackgroundChooser* chooser_ = nullptr;
  FaceSwitch* faceSwitch_ = nullptr;
  CardPreview* preview_ = nullptr;
  LayoutChooser* layouts_ = nullptr;
  FieldPanel* fields_ = nullptr;

  std::map<int, QAction*> actions_;
  std::map<Menu, QMenu*> menus_;
  QMenu* recentProjects_ = nullptr;
};

}  // namespace tavolo
