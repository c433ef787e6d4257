// The main window's one command table: every command with its id, its menu and menu text (the
// shortcut shown after a tab), and its handler; the accelerator table; the menus built from
// them; and UpdateMenus, which computes from the document what is enabled and how the photo and
// logo commands are named.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/base/Translation.h"
#include "core/card/FreePlacement.h"
#include "core/card/LayoutTable.h"
#include "core/editing/FaceArrangement.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/base/RecentProjects.h"
#include "ui/card/CardPreviewGeometry.h"
#include "ui/card/FaceSwitch.h"

namespace tavolo {

namespace {

using Menu = MainWindow::Menu;

// Functions, not constants: the texts are looked up once the user's catalogue is installed.
QString InsertPhotoText() {
  return Tr("Insert Photo...\tCtrl+I");
}
QString EditPhotoText() {
  return Tr("Edit Photo...\tCtrl+I");
}
QString InsertLogoText() {
  return Tr("Insert Logo...");
}
QString EditLogoText() {
  return Tr("Edit Logo...");
}

QString MenuTitle(Menu menu) {
  switch (menu) {
    case Menu::File:
      return Tr("&File");
    case Menu::Edit:
      return Tr("&Edit");
    case Menu::Insert:
      return Tr("&Insert");
    case Menu::Arrange:
      return Tr("&Arrange");
    case Menu::Templates:
      return Tr("&Templates");
    case Menu::Layouts:
      return Tr("&Layouts");
    case Menu::Window:
      return Tr("&Window");
    case Menu::Help:
      return Tr("&Help");
    case Menu::None:
      break;
  }
  return {};
}

}  // namespace

std::vector<MainWindow::Command> MainWindow::Commands() {
  const auto run = [](void (MainWindow::*handler)()) {
    return [handler](MainWindow& window) { (window.*handler)(); };
  };
  const auto align = [](AlignEdge edge) {
    return [edge](MainWindow& window) {
      window.OnArrange([edge](CardState& face, std::span<const ObjectRef> selected) {
        return AlignObjects(face, selected, edge);
      });
    };
  };
  const auto distribute = [](DistributeAxis axis) {
    return [axis](MainWindow& window) {
      window.OnArrange([axis](CardState& face, std::span<const ObjectRef> selected) {
        return DistributeObjects(face, selected, axis);
      });
    };
  };
  const auto stack = [](StackMove move) {
    return [move](MainWindow& window) {
      window.OnArrange([move](CardState& face, std::span<const ObjectRef> selected) {
        return RestackObjects(face, selected, move);
      });
    };
  };
  const auto lock = [](bool locked) {
    return [locked](MainWindow& window) {
      window.OnArrange([locked](CardState& face, std::span<const ObjectRef> selected) {
        return LockObjects(face, selected, locked);
      });
    };
  };
  std::vector<Command> commands = {
      {kCmdNewBlankProject, Menu::File, Tr("New Blank Project"),
       run(&MainWindow::OnNewBlankProject)},
      {kCmdNewProject, Menu::File, Tr("&New Project...\tCtrl+N"), run(&MainWindow::OnNewProject)},
      {kCmdLoadProject, Menu::File, Tr("&Load Project... \tCtrl+L"),
       run(&MainWindow::OnLoadProject)},
      {kCmdSaveProject, Menu::File, Tr("&Save Project...\tCtrl+S"),
       run(&MainWindow::OnSaveProject)},
      {kCmdSaveProjectAs, Menu::File, Tr("Save Project &As..."), run(&MainWindow::OnSaveProjectAs)},
      {0, Menu::File, {}, {}},
      {kCmdImportBackground, Menu::File, Tr("Import Background..."),
       run(&MainWindow::OnImportBackground)},
      {0, Menu::File, {}, {}},
      {kCmdExportImage, Menu::File, Tr("Export Image..."), run(&MainWindow::OnExportImage)},
      {0, Menu::File, {}, {}},
      {kCmdPrint, Menu::File, Tr("&Print...\tCtrl+P"), run(&MainWindow::OnPrint)},
      {kCmdMerge, Menu::File, Tr("&Merge..."), run(&MainWindow::OnMerge)},
      {kCmdPrintSetup, Menu::File, Tr("Print Setup..."), run(&MainWindow::OnPrintSetup)},
      {0, Menu::File, {}, {}},
      {kCmdExit, Menu::File, Tr("Exit\tAlt+F4"), run(&MainWindow::OnExit)},

      {kCmdUndo, Menu::Edit, Tr("Undo \tCtrl+Z"), run(&MainWindow::OnUndo)},
      {kCmdRedo, Menu::Edit, Tr("Redo \tCtrl+Y"), run(&MainWindow::OnRedo)},
      {0, Menu::Edit, {}, {}},
      {kCmdCopy, Menu::Edit, Tr("Copy"), run(&MainWindow::OnCopy)},
      {0, Menu::Edit, {}, {}},
      {kCmdInsertPhoto, Menu::Edit, InsertPhotoText(), run(&MainWindow::OnInsertPhoto)},
      {kCmdDeletePhoto, Menu::Edit, Tr("Delete Photo"), run(&MainWindow::OnDeletePhoto)},
      {0, Menu::Edit, {}, {}},
      {kCmdInsertLogo, Menu::Edit, InsertLogoText(), run(&MainWindow::OnInsertLogo)},
      {kCmdDeleteLogo, Menu::Edit, Tr("Delete Logo"), run(&MainWindow::OnDeleteLogo)},
      {0, Menu::Edit, {}, {}},
      {kCmdInsertQrCode, Menu::Edit, Tr("Insert QR Code..."), run(&MainWindow::OnInsertQrCode)},
      {0, Menu::Edit, {}, {}},
      {kCmdObjectProperties, Menu::Edit, Tr("&Object Properties..."),
       run(&MainWindow::OnObjectProperties)},
      {0, Menu::Edit, {}, {}},
      {kCmdTextColors, Menu::Edit, Tr("Text Colors..."), run(&MainWindow::OnTextColours)},
      {kCmdFrameColors, Menu::Edit, Tr("Frame Colors..."), run(&MainWindow::OnFrameColours)},
      {kCmdBackgroundColor, Menu::Edit, Tr("Background Color..."),
       run(&MainWindow::OnBackgroundColour)},
      {0, Menu::Edit, {}, {}},
      {kCmdCardProperties, Menu::Edit, Tr("Card Properties..."),
       run(&MainWindow::OnCardProperties)},
      {0, Menu::Edit, {}, {}},
      {kCmdContactDetails, Menu::Edit, Tr("Contact &Details..."),
       run(&MainWindow::OnContactDetails)},
      {0, Menu::Edit, {}, {}},
      {kCmdBackSide, Menu::Edit, Tr("Back side"), run(&MainWindow::OnBackSide)},
      {kCmdShowFront, Menu::Edit, Tr("Show Front"),
       [](MainWindow& window) { window.OnShowFace(CardFace::kFront); }},
      {kCmdShowBack, Menu::Edit, Tr("Show Back"),
       [](MainWindow& window) { window.OnShowFace(CardFace::kBack); }},

      {kCmdInsertTextBox, Menu::Insert, Tr("&Text Box"),
       [](MainWindow& window) { window.OnInsertObject(ObjectKind::kTextBox); }},
      {kCmdInsertLine, Menu::Insert, Tr("&Line"),
       [](MainWindow& window) { window.OnInsertObject(ObjectKind::kLine); }},
      {kCmdInsertRectangle, Menu::Insert, Tr("&Rectangle"),
       [](MainWindow& window) { window.OnInsertObject(ObjectKind::kRectangle); }},
      {kCmdInsertEllipse, Menu::Insert, Tr("&Ellipse"),
       [](MainWindow& window) { window.OnInsertObject(ObjectKind::kEllipse); }},

      {kCmdAlignLeft, Menu::Arrange, Tr("Align &Left"), align(AlignEdge::kLeft)},
      {kCmdAlignLeft + 1, Menu::Arrange, Tr("Align &Centre"), align(AlignEdge::kCentre)},
      {kCmdAlignLeft + 2, Menu::Arrange, Tr("Align &Right"), align(AlignEdge::kRight)},
      {kCmdAlignLeft + 3, Menu::Arrange, Tr("Align &Top"), align(AlignEdge::kTop)},
      {kCmdAlignLeft + 4, Menu::Arrange, Tr("Align &Middle"), align(AlignEdge::kMiddle)},
      {kCmdAlignLeft + 5, Menu::Arrange, Tr("Align &Bottom"), align(AlignEdge::kBottom)},
      {0, Menu::Arrange, {}, {}},
      {kCmdDistributeHorizontally, Menu::Arrange, Tr("Distribute &Horizontally"),
       distribute(DistributeAxis::kHorizontal)},
      {kCmdDistributeVertically, Menu::Arrange, Tr("Distribute &Vertically"),
       distribute(DistributeAxis::kVertical)},
      {0, Menu::Arrange, {}, {}},
      {kCmdBringForward, Menu::Arrange, Tr("Bring &Forward\tCtrl+]"), stack(StackMove::kForward)},
      {kCmdBringForward + 1, Menu::Arrange, Tr("Send Back&ward\tCtrl+["),
       stack(StackMove::kBackward)},
      {kCmdBringForward + 2, Menu::Arrange, Tr("Bring to Fr&ont\tCtrl+Shift+]"),
       stack(StackMove::kToFront)},
      {kCmdBringForward + 3, Menu::Arrange, Tr("Se&nd to Back\tCtrl+Shift+["),
       stack(StackMove::kToBack)},
      {0, Menu::Arrange, {}, {}},
      {kCmdLock, Menu::Arrange, Tr("Loc&k"), lock(true)},
      {kCmdUnlock, Menu::Arrange, Tr("&Unlock"), lock(false)},

      {kCmdNewFromTemplate, Menu::Templates, Tr("New from Template...\t Ctrl+N"),
       run(&MainWindow::OnNewProject)},
      {kCmdSaveTemplate, Menu::Templates, Tr("Save Template..."), run(&MainWindow::OnSaveTemplate)},
  };
  for (int n = 0; n < kLayoutCount; ++n) {
    const QString shortcut =
        n < 9 ? QStringLiteral("\tAlt+%1").arg(n + 1) : QStringLiteral("\t Alt+0");
    commands.push_back({kCmdLayout1 + n, Menu::Layouts, Tr("Layout %1").arg(n + 1) + shortcut,
                        [n](MainWindow& window) { window.OnLayout(n); }});
  }
  commands.push_back({kCmdLayoutCustom, Menu::Layouts, Tr("&Custom"),
                      [](MainWindow& window) { window.OnLayout(kCustomLayout); }});
  // The "&Window" menu is rebuilt for the current layout's boxes (RebuildWindowMenu).
  for (int box = 0; box < kTextBoxCount; ++box) {
    commands.push_back({kCmdTextField1 + box, Menu::Window, Tr("Text Field %1...").arg(box + 1),
                        [box](MainWindow& window) { window.OnTextField(box); }});
  }
  commands.push_back({kCmdBackgroundOptions, Menu::Window, Tr("Background Options..."),
                      run(&MainWindow::OnBackgroundOptions)});
  commands.push_back(
      {kCmdZoomIn, Menu::Window, Tr("Zoom &In\tCtrl++"), run(&MainWindow::OnZoomIn)});
  commands.push_back(
      {kCmdZoomOut, Menu::Window, Tr("Zoom &Out\tCtrl+-"), run(&MainWindow::OnZoomOut)});
  commands.push_back({kCmdZoomToFit, Menu::Window, Tr("Zoom to &Fit\tCtrl+0"),
                      [](MainWindow& window) { window.OnZoom(kZoomToFit); }});
  for (size_t n = 0; n < std::size(kZoomSteps); ++n) {
    const int zoom = kZoomSteps[n];
    commands.push_back({kCmdZoom50 + static_cast<int>(n), Menu::Window,
                        QStringLiteral("%1 %").arg(zoom),
                        [zoom](MainWindow& window) { window.OnZoom(zoom); }});
  }
  commands.push_back({kCmdHelp, Menu::Help, Tr("Tavolo Help\tF1"), run(&MainWindow::OnHelp)});
  commands.push_back({0, Menu::Help, {}, {}});
  commands.push_back({kCmdAbout, Menu::Help, Tr("About Tavolo"), run(&MainWindow::OnAbout)});
  return commands;
}

std::vector<MainWindow::Accelerator> MainWindow::Accelerators() {
  std::vector<Accelerator> accelerators;
  for (int n = 0; n < 9; ++n) {
    accelerators.push_back(
        {QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + n)), kCmdLayout1 + n});
  }
  const Accelerator rest[] = {
      {QKeySequence(Qt::ALT | Qt::Key_0), kCmdLayout1 + 9},
      {QKeySequence(Qt::CTRL | Qt::Key_I), kCmdInsertPhoto},
      {QKeySequence(Qt::CTRL | Qt::Key_L), kCmdLoadProject},
      {QKeySequence(Qt::CTRL | Qt::Key_N), kCmdNewProject},
      {QKeySequence(Qt::CTRL | Qt::Key_P), kCmdPrint},
      {QKeySequence(Qt::CTRL | Qt::Key_S), kCmdSaveProject},
      {QKeySequence(Qt::Key_F1), kCmdHelp},
      {QKeySequence(Qt::ALT | Qt::Key_F4), kCmdExit},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), kCmdRedo},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), kCmdUndo},
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), kCmdZoomIn},
      {QKeySequence(Qt::CTRL | Qt::Key_Minus), kCmdZoomOut},
      {QKeySequence(Qt::CTRL | Qt::Key_0), kCmdZoomToFit},
      {QKeySequence(Qt::CTRL | Qt::Key_BracketRight), kCmdBringForward},
      {QKeySequence(Qt::CTRL | Qt::Key_BracketLeft), kCmdBringForward + 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight), kCmdBringForward + 2},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketLeft), kCmdBringForward + 3},
  };
  accelerators.insert(accelerators.end(), std::begin(rest), std::end(rest));
  return accelerators;
}

void MainWindow::BuildMenus() {
  for (Menu menu : {Menu::File, Menu::Edit, Menu::Insert, Menu::Arrange, Menu::Templates,
                    Menu::Layouts, Menu::Window, Menu::Help}) {
    menus_[menu] = menuBar()->addMenu(MenuTitle(menu));
  }
  for (const Command& command : Commands()) {
    if (command.id == 0) {
      MenuOf(command.menu)->addSeparator();
      continue;
    }
    auto* action = new QAction(command.text, this);
    action->setData(command.id);
    const auto handler = command.handler;
    connect(action, &QAction::triggered, this, [this, handler] {
      handler(*this);
      RestoreFocus();
    });
    // Every command is an action of the window, so that its accelerator works whichever menu
    // holds it, and the window's own commands work with no menu at all.
    addAction(action);
    actions_[command.id] = action;
    if (command.menu == Menu::Layouts) {
      action->setCheckable(true);
      action->setChecked(command.id == kCmdLayout1);
    }
    if (command.id == kCmdBackSide || command.id == kCmdShowFront || command.id == kCmdShowBack) {
      action->setCheckable(true);
      action->setChecked(command.id == kCmdShowFront);
    }
    const int zoomSteps = static_cast<int>(std::size(kZoomSteps));
    if (command.id == kCmdZoomToFit ||
        (command.id >= kCmdZoom50 && command.id < kCmdZoom50 + zoomSteps)) {
      action->setCheckable(true);
      action->setChecked(command.id == kCmdZoomToFit);
    }
    if (command.id == kCmdExit) {
      // The projects last opened or saved, above Exit.
      recentProjects_ = MenuOf(Menu::File)->addMenu(Tr("Recent &Projects"));
      connect(recentProjects_, &QMenu::aboutToShow, this, &MainWindow::RebuildRecentMenu);
      RebuildRecentMenu();
      MenuOf(Menu::File)->addSeparator();
    }
    if (command.menu != Menu::Window && command.menu != Menu::None) {
      MenuOf(command.menu)->addAction(action);
    }
  }
  // The card's own photo, logo and QR code are inserted from the Insert menu too.
  QMenu* insert = MenuOf(Menu::Insert);
  insert->addSeparator();
  for (int command : {kCmdInsertPhoto, kCmdInsertLogo, kCmdInsertQrCode}) {
    insert->addAction(Action(command));
  }
  for (const Accelerator& accelerator : Accelerators()) {
    Action(accelerator.id)->setShortcut(accelerator.keys);
  }
  RebuildWindowMenu();
}

void MainWindow::RebuildRecentMenu() {
  recentProjects_->clear();
  const QStringList files = RecentProjects();
  for (int n = 0; n < files.size(); ++n) {
    const QString& file = files[n];
    // A "&" of the path is shown, not taken for a mnemonic.
    QString shown = file;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = recentProjects_->addAction(QStringLiteral("&%1 %2").arg(n + 1).arg(shown));
    // Queued: opening the project rebuilds this menu, which deletes the entry being triggered.
    connect(
        entry, &QAction::triggered, this,
        [this, file] {
          OnRecentProject(file);
          RestoreFocus();
        },
        Qt::QueuedConnection);
  }
  recentProjects_->setEnabled(!files.isEmpty());
}

void MainWindow::RebuildWindowMenu() {
  QMenu* window = MenuOf(Menu::Window);
  window->clear();
  const int boxes = fields_->Count();
  for (int box = 0; box < boxes; ++box) window->addAction(Action(kCmdTextField1 + box));
  window->addSeparator();
  window->addAction(Action(kCmdBackgroundOptions));
  window->addSeparator();
  for (int command : {kCmdZoomIn, kCmdZoomOut, kCmdZoomToFit}) window->addAction(Action(command));
  for (size_t n = 0; n < std::size(kZoomSteps); ++n) {
    window->addAction(Action(kCmdZoom50 + static_cast<int>(n)));
  }
}

void MainWindow::CheckCurrentLayout() {
  const int current = CurrentLayout();
  for (int n = 0; n < kLayoutCount; ++n) Action(kCmdLayout1 + n)->setChecked(n == current);
  Action(kCmdLayoutCustom)->setChecked(current == kCustomLayout);
  Action(kCmdLayoutCustom)->setEnabled(document_.Live().custom.has_value());
}

int MainWindow::CurrentLayout() const {
  return ShowsCustomLayout(document_.Live()) ? kCustomLayout : document_.Layout().Current();
}

void MainWindow::UpdateMenus() {
  const CardState& card = document_.Working();
  const bool photo = !card.photo.name.isEmpty();
  const bool logo = !card.logo.name.isEmpty();
  Action(kCmdUndo)->setEnabled(document_.CanUndo());
  Action(kCmdRedo)->setEnabled(document_.CanRedo());
  Action(kCmdDeletePhoto)->setEnabled(photo);
  Action(kCmdDeleteLogo)->setEnabled(logo);
  Action(kCmdInsertPhoto)->setText(photo ? EditPhotoText() : InsertPhotoText());
  Action(kCmdInsertLogo)->setText(logo ? EditLogoText() : InsertLogoText());
  const bool back = document_.ShownFace() == CardFace::kBack;
  Action(kCmdBackSide)->setChecked(document_.HasBack());
  Action(kCmdShowFront)->setChecked(!back);
  Action(kCmdShowBack)->setChecked(back);
  Action(kCmdShowBack)->setEnabled(document_.HasBack());
  faceSwitch_->Show(document_.ShownFace(), document_.HasBack());
  UpdateArrangeMenu();
  // Only the boxes of the current layout have Text Options.
  for (int box = 0; box < kTextBoxCount; ++box) {
    Action(kCmdTextField1 + box)->setEnabled(box < fields_->Count());
  }
}

}  // namespace tavolo
