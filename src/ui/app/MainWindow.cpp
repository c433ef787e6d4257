#include "ui/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <algorithm>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/base/WindowColour.h"
#include "core/card/BackgroundTable.h"
#include "core/render/BackgroundProcessing.h"
#include "core/render/MissingFonts.h"
#include "core/render/TextBoxLayout.h"
#include "ui/app/AppIcon.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindowPlacement.h"
#include "ui/base/DialogPrompts.h"
#include "ui/card/CardPreview.h"
#include "ui/card/FaceSwitch.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/choosers/LayoutChooser.h"
#include "ui/controls/ColourStripSlider.h"
#include "ui/controls/PillButton.h"

namespace tavolo {

namespace {

constexpr float kSliderLow = -0.5f;
constexpr float kSliderHigh = 0.5f;
constexpr float kHueScale = 239.0f;

template <class Control>
Control* MakeControl(QWidget* parent, int id, const QString& tip) {
  auto* control = new Control(parent);
  control->setObjectName(QString::number(id));
  if (!tip.isEmpty()) control->setToolTip(tip);
  return control;
}

// A loaded card's tint may lie beyond a slider's range; the slider then stands at its end.
float SliderPosition(float value) {
  return std::clamp(value, kSliderLow, kSliderHigh);
}

}  // namespace

MainWindow::ChooserPause::ChooserPause(MainWindow& window) : window_(window) {
  if (window_.pauses_++ == 0) window_.SetPaused(true);
}

MainWindow::ChooserPause::~ChooserPause() {
  if (--window_.pauses_ == 0) {
    window_.SetPaused(false);
    window_.RestoreFocus();
  }
}

MainWindow::MainWindow(BackgroundTable& backgrounds, std::unique_ptr<Prompts> prompts)
    : backgrounds_(backgrounds),
      prompts_(prompts ? std::move(prompts) : std::make_unique<DialogPrompts>()),
      document_(&backgrounds, CustomPhotosFolder()) {
  UpdateTitle();
  setWindowIcon(AppIcon());
  setMinimumSize(kMinimumSize);
  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, QColor(kWindowColour));
  client_->setPalette(palette);
  client_->installEventFilter(this);
  setCentralWidget(client_);
  setAcceptDrops(true);

  BuildControls();
  BuildMenus();
  InstallContextHelp();
  ConnectControls();
  document_.SetListener({[this] { ShowText(); }, [this] { Refresh(); }});
}

MainWindow::~MainWindow() {
  // The document goes before the editors and controls: neither side may call the other now.
  document_.SetListener({});
  fields_->disconnect(this);
}

void MainWindow::BuildControls() {
  const QString pagingTip = Tr("Push to see more backgrounds");
  prev_ = MakeControl<PillButton>(client_, kPrevButton, pagingTip);
  prev_->SetText(Tr("Prev."));
  prev_->SetSymbol(kSymbolArrowLeft);
  next_ = MakeControl<PillButton>(client_, kNextButton, pagingTip);
  next_->SetText(Tr("Next"));
  next_->SetSymbol(kSymbolArrowRight);
  backgroundOptions_ = MakeControl<PillButton>(client_, kBackgroundOptionsButton,
                                               Tr("Push to change background options"));
  backgroundOptions_->SetText(Tr("Background options"));
  hue_ = MakeControl<ColourStripSlider>(client_, kHueSlider, Tr("Drag to change background hue"));
  hue_->SetMode(static_cast<int>(ColourStripSliderMode::Hue));
  saturation_ = MakeControl<ColourStripSlider>(client_, kSaturationSlider,
                                               Tr("Drag to change background saturation"));
  saturation_->SetMode(static_cast<int>(ColourStripSliderMode::Saturation));
  lightness_ = MakeControl<ColourStripSlider>(client_, kLightnessSlider,
                                              Tr("Drag to change background lightness"));
  lightness_->SetMode(static_cast<int>(ColourStripSliderMode::Grey));
  chooser_ = MakeControl<BackgroundChooser>(client_, kBackgroundChooser,
                                            Tr("Click to change background image"));
  chooser_->SetBackgrounds(&backgrounds_);
  faceSwitch_ = MakeControl<FaceSwitch>(client_, kFaceSwitch, {});
  preview_ = new CardPreview(document_, client_);
  preview_->setObjectName(QString::number(kPreview));
  layouts_ = MakeControl<LayoutChooser>(client_, kLayoutChooser, Tr("Click to change text layout"));
  fields_ = new FieldPanel(client_);
  // Names for a screen reader where the tool tip says what to do rather than what it is.
  hue_->setAccessibleName(Tr("Background hue"));
  saturation_->setAccessibleName(Tr("Background saturation"));
  lightness_->setAccessibleName(Tr("Background lightness"));
  chooser_->setAccessibleName(Tr("Backgrounds"));
  preview_->setAccessibleName(Tr("Card preview"));
  layouts_->setAccessibleName(Tr("Text layouts"));
  // The "Prev." button starts disabled: the first page is shown.
  UpdatePagingButtons();
}

void MainWindow::ConnectControls() {
  connect(prev_, &PillButton::clicked, this, [this] { OnPage(false); });
  connect(next_, &PillButton::clicked, this, [this] { OnPage(true); });
  connect(backgroundOptions_, &PillButton::clicked, this, &MainWindow::OnBackgroundOptions);
  for (ColourStripSlider* slider : {hue_, saturation_, lightness_}) {
    const int id = slider->objectName().toInt();
    connect(slider, &ColourStripSlider::clicked, this, [this, id] { OnSliderMoved(id); });
    connect(slider, &ColourStripSlider::released, this, &MainWindow::OnSliderReleased);
  }
  connect(faceSwitch_, &FaceSwitch::faceChosen, this, &MainWindow::OnShowFace);
  connect(preview_, &CardPreview::selectionChanged, this, &MainWindow::UpdateArrangeMenu);
  connect(preview_, &CardPreview::propertiesRequested, this, &MainWindow::OnObjectProperties);
  connect(chooser_, &BackgroundChooser::clicked, this, &MainWindow::OnBackgroundChosen);
  connect(layouts_, &LayoutChooser::layoutPicked, this, &MainWindow::OnLayout);
  connect(fields_, &FieldPanel::edited, this,
          [this](int box, const QStringList& lines) { document_.SetBoxLines(box, lines); });
  connect(fields_, &FieldPanel::captionPressed, this, &MainWindow::OnTextField);
  connect(fields_, &FieldPanel::rebuilt, this, [this] {
    for (int box = 0; box < fields_->Count(); ++box) fields_->Editor(box)->installEventFilter(this);
  });
}

void MainWindow::Start(const CardState* chosenTemplate) {
  const CardDocument::ChangeScope scope(document_);
  document_.Start(chosenTemplate);
  if (chosenTemplate == nullptr) document_.NewBlankProject();
  // Typing goes straight into the first box.
  if (fields_->Count() > 0) fields_->Editor(0)->setFocus();
}

void MainWindow::ReplaceBackgrounds(BackgroundTable backgrounds) {
  backgrounds_ = std::move(backgrounds);
  chooser_->SetBackgrounds(&backgrounds_);
  UpdatePagingButtons();
  Refresh();
}

QAction* MainWindow::Action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

QMenu* MainWindow::MenuOf(Menu menu) const {
  const auto found = menus_.find(menu);
  return found == menus_.end() ? nullptr : found->second;
}

QWidget* MainWindow::Control(int id) const {
  return client_->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void MainWindow::PlaceControls() {
  const MainWindowPlacement p = PlaceMainWindowControls(client_->size());
  prev_->setGeometry(p.prev);
  next_->setGeometry(p.next);
  backgroundOptions_->setGeometry(p.backgroundOptions);
  faceSwitch_->setGeometry(p.faceSwitch);
  hue_->setGeometry(p.hue);
  saturation_->setGeometry(p.saturation);
  lightness_->setGeometry(p.lightness);
  chooser_->setGeometry(p.backgrounds);
  // The preview makes its backdrop for its new size as it is resized.
  preview_->setGeometry(p.preview);
  layouts_->setGeometry(p.layouts);
  fields_->Place(p.fieldPanel);
  UpdatePagingButtons();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    PlaceControls();
  } else if (event->type() == QEvent::KeyPress && IsFieldEditor(watched) &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    // Escape in an editor only leaves it: the keyboard goes to the card, the window stays.
    preview_->setFocus();
    return true;
  } else if (event->type() == QEvent::ShortcutOverride) {
    // The accelerators come before the editors' own keys: Ctrl+Z undoes the card, not a
    // keystroke of the editor.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const Accelerator& accelerator : Accelerators()) {
      if (accelerator.keys == pressed) {
        event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::IsFieldEditor(const QObject* object) const {
  for (int box = 0; box < fields_->Count(); ++box) {
    if (object == fields_->Editor(box)) return true;
  }
  return false;
}

void MainWindow::ShowText() {
  const CardState& live = document_.Live();
  fields_->Rebuild(live.boxCount, live.lines);
  // The document keeps the text as the editors hold it.
  for (int box = 0; box < fields_->Count(); ++box) {
    document_.SetBoxLines(box, fields_->Lines(box));
  }
  RebuildWindowMenu();
}

void MainWindow::Refresh() {
  UpdateTitle();
  ShowSliders();
  chooser_->SetSelected(DrawnBackgroundNumber(document_.Live().backgroundIndex));
  chooser_->SetSelectedLook(document_.Live());
  layouts_->SetCustomLayout(document_.Live().custom, document_.Live().cardWidth,
                            document_.Live().cardHeight);
  layouts_->SetCurrent(CurrentLayout());
  CheckCurrentLayout();
  UpdateMenus();
  const std::array<QStringList, kTextBoxCount> tooWide = LinesTooWideByBox(document_.Live());
  for (int box = 0; box < fields_->Count() && box < kTextBoxCount; ++box) {
    fields_->ShowTooWideLines(box, tooWide[static_cast<size_t>(box)],
                              MissingFaceOf(document_.Live(), box));
  }
  preview_->Redraw();
}

void MainWindow::ShowSliders() {
  const TintSliders positions = document_.SliderPositions();
  // A slider is redrawn only when it moves: most changes leave the tint alone.
  const auto show = [](ColourStripSlider* slider, float position) {
    if (slider->Position() != SliderPosition(position)) {
      slider->SetPosition(SliderPosition(position));
    }
  };
  show(hue_, positions.hue);
  show(saturation_, positions.saturation);
  show(lightness_, positions.lightness);
  const float hue = (hue_->Position() + 0.5f) * kHueScale;
  if (saturation_->Hue() != hue) saturation_->SetHue(hue);
}

void MainWindow::UpdatePagingButtons() {
  // Paging back is possible while the page does not start at the first background.
  const bool back = chooser_->First() > 0 && chooser_->CanPageBack();
  const bool forward = chooser_->CanPageForward();
  prev_->SetActive(back);
  prev_->setEnabled(back);
  next_->SetActive(forward);
  next_->setEnabled(forward);
}

void MainWindow::OnSliderMoved(int id) {
  if (id == kHueSlider) {
    document_.MoveHueSlider(hue_->Position());
  } else if (id == kSaturationSlider) {
    document_.MoveSaturationSlider(saturation_->Position());
  } else {
    document_.MoveLightnessSlider(lightness_->Position());
  }
}

void MainWindow::OnSliderReleased() {
  // However long the drag, its end is one step.
  document_.RecordEdit();
}

void MainWindow::OnBackgroundChosen() {
  document_.ChooseBackground(chooser_->Selected());
}

void MainWindow::OnPage(bool forward) {
  if (forward) {
    chooser_->PageForward();
  } else {
    chooser_->PageBack();
  }
  UpdatePagingButtons();
}

void MainWindow::SetPaused(bool paused) {
  chooser_->SetActive(!paused);
  layouts_->SetActive(!paused);
}

void MainWindow::Tell(const QString& text, QMessageBox::Icon icon) {
  prompts_->Tell(this, text, icon);
}

void MainWindow::UpdateTitle() {
  const std::filesystem::path& file = document_.FilePath();
  const QString title = document_.ShownFace() == CardFace::kBack
                            ? QStringLiteral("Tavolo[*] ") + Tr("(back)")
                            : QStringLiteral("Tavolo[*]");
  setWindowTitle(file.empty() ? title
                              : QString::fromStdString(file.filename().string()) +
                                    QStringLiteral(" — ") + title);
  setWindowModified(document_.Modified());
}

void MainWindow::RestoreFocus() {
  if (!isVisible()) return;
  activateWindow();
  // The widget that had the keyboard may have gone with the editors it belonged to.
  if (focusWidget() != nullptr) return;
  if (fields_->Count() > 0) {
    fields_->Editor(0)->setFocus();
  } else {
    client_->setFocus();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Escape outside the editors closes the window as its close box does, through the question
  // to save.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(SaveChangesFirst());
}

}  // namespace tavolo
