#include "ui/templates/TemplateLibraryDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <chrono>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "core/card/BackgroundTable.h"
#include "ui/base/Prompts.h"
#include "ui/controls/FieldNameLabel.h"
#include "ui/controls/PillButton.h"
#include "ui/templates/FillNowDialog.h"
#include "ui/templates/TemplatePreviewCell.h"

namespace tavolo {

namespace {

const QColor kLibraryFill(236, 236, 241);
const QColor kSeparator(192, 192, 192);
constexpr int kSeparatorY = 451;
// The editors type in Arial at 150 twips.
constexpr qreal kEditorPoints = 7.5;
constexpr int kFirstPaintWaitMilliseconds = 250;

// The four cells, two by two, as left, top, right and bottom.
constexpr QRect kCells[TemplateLibraryDialog::kCellCount] = {
    QRect(QPoint(10, 10), QPoint(276, 224)),
    QRect(QPoint(277, 10), QPoint(543, 224)),
    QRect(QPoint(10, 225), QPoint(276, 440)),
    QRect(QPoint(277, 225), QPoint(543, 440)),
};
constexpr int kFieldLeft = 554;
constexpr int kFieldWidth = 741 - 554;
constexpr int kFieldHeight = 18;
constexpr int kFieldPitch = 36;
constexpr int kFirstFieldTop = 18;
constexpr QRect kPreviousRect(QPoint(20, 461), QPoint(169, 490));
constexpr QRect kNextRect(QPoint(180, 461), QPoint(329, 490));
constexpr QRect kContinueRect(QPoint(581, 461), QPoint(730, 490));

qint64 SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool Starred(const QString& name) {
  return name.endsWith(QLatin1Char('*'));
}

PillButton* MakeButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
  auto* button = new PillButton(parent);
  button->setObjectName(QString::number(id));
  button->SetText(text);
  button->setGeometry(rect);
  return button;
}

// What the user is told after a reading of the templates: every file that could not be opened,
// and how many were left out past the first kMaxTemplates.
std::vector<std::string> ReloadMessages(const TemplateReload& reload) {
  std::vector<std::string> messages = reload.Messages();
  if (reload.ignored > 0) {
    messages.push_back("Only the first " + std::to_string(kMaxTemplates) +
                       " templates are listed; " + std::to_string(reload.ignored) + " more in " +
                       TemplatesFolder().string() + " are left out.");
  }
  return messages;
}

}  // namespace

bool LoadingWaitWanted() {
  return qgetenv("TAVOLO_NO_SPLASH_WAIT") != "1";
}

const NamedValues& TemplateLibraryDialog::FieldNames() {
  static const NamedValues names = {
      QStringLiteral("Company Name*"),
      QStringLiteral("Name*"),
      QStringLiteral("Title"),
      QStringLiteral("Address Line 1*"),
      QStringLiteral("Address Line 2"),
      QStringLiteral("City, State/Province*"),
      QStringLiteral("Zip/Postal Code*"),
      QStringLiteral("Email Address*"),
      QStringLiteral("Website Address"),
      QStringLiteral("Phone Number 1*"),
      QStringLiteral("Phone Number 2"),
  };
  return names;
}

TemplateLibraryDialog::TemplateLibraryDialog(Mode mode, BackgroundTable& backgrounds,
                                             Prompts& prompts, QWidget* parent, Clock clock)
    : QDialog(parent),
      backgrounds_(backgrounds),
      prompts_(prompts),
      clock_(clock ? std::move(clock) : Clock(SteadyMilliseconds)),
      loading_(mode == Mode::Loading) {
  setFixedSize(kClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &TemplateLibraryDialog::OnTick);
  if (loading_) {
    setWindowTitle(QStringLiteral("Loading... Please Wait"));
    waitOut_ = LoadingWaitWanted();
    loadingPicture_ = QImage(QStringLiteral(":/loading.png"));
    return;
  }
  setWindowTitle(QStringLiteral("Tavolo: Template Library"));
  if (Templates().Changed()) TAVOLO_CHECK_AS("ReloadTmps(1)==0", ReloadTmps() == 0);
  TAVOLO_CHECK_AS("InitTmpDlg()==0", InitTmpDlg() == 0);
}

TemplateLibraryDialog::~TemplateLibraryDialog() {
  if (reader_.joinable()) reader_.join();
}

int TemplateLibraryDialog::ReloadTmps() {
  Tell(ReloadMessages(Templates().Reload(backgrounds_)));
  return 0;
}

int TemplateLibraryDialog::FreeTmps() {
  Templates().Free();
  return 0;
}

const CardState* TemplateLibraryDialog::ChosenTemplate() const {
  if (selected_ < 0 || selected_ >= Templates().Count()) return nullptr;
  return &Templates().Entry(selected_).card;
}

TemplatePreviewCell* TemplateLibraryDialog::Cell(int k) const {
  return k >= 0 && k < kCellCount ? cells_[static_cast<size_t>(k)] : nullptr;
}

QLineEdit* TemplateLibraryDialog::FieldEditor(int field) const {
  return field >= 0 && field < kNamedValueCount ? editors_[static_cast<size_t>(field)] : nullptr;
}

FieldNameLabel* TemplateLibraryDialog::FieldLabel(int field) const {
  return field >= 0 && field < kNamedValueCount ? labels_[static_cast<size_t>(field)] : nullptr;
}

void TemplateLibraryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!loading_ || timer_.isActive()) return;
  startTime_ = clock_();
  timer_.start();
  // The reading starts once the picture is up; should no paint come, it starts all the same.
  QTimer::singleShot(kFirstPaintWaitMilliseconds, this, &TemplateLibraryDialog::StartReading);
}

void TemplateLibraryDialog::StartReading() {
  if (readingStarted_) return;
  readingStarted_ = true;
  reading_ = true;
  // Determined here, where a failed check can be reported.
  ProgramFolder();
  reader_ = std::thread([this] {
    Reading reading;
    reading.backgrounds = ReadBGFile(backgrounds_);
    reading.templates = Templates().Reload(backgrounds_);
    QMetaObject::invokeMethod(
        this, [this, reading] { FinishReading(reading); }, Qt::QueuedConnection);
  });
}

void TemplateLibraryDialog::FinishReading(const Reading& reading) {
  reader_.join();
  if (!reading.backgrounds.Ok()) Tell({reading.backgrounds.message});
  Tell(ReloadMessages(reading.templates));
  reading_ = false;
  if (closeWhenRead_) {
    QDialog::reject();
    return;
  }
  OnTick();
}

void TemplateLibraryDialog::Tell(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) {
    prompts_.Tell(isVisible() ? this : parentWidget(), QString::fromStdString(message),
                  QMessageBox::Warning);
  }
}

void TemplateLibraryDialog::OnTick() {
  if (!loading_ || IsReading()) return;
  if (waitOut_ && clock_() - startTime_ <= kLoadingMinimumMilliseconds) return;
  loading_ = false;
  timer_.stop();
  TAVOLO_CHECK_AS("InitTmpDlg()==0", InitTmpDlg() == 0);
  setWindowTitle(QStringLiteral("Template Library"));
  update();
}

void TemplateLibraryDialog::reject() {
  if (IsReading()) {
    closeWhenRead_ = true;
    return;
  }
  QDialog::reject();
}

int TemplateLibraryDialog::InitTmpDlg() {
  QWidget* previousInChain = nullptr;
  const auto chain = [&previousInChain, this](QWidget* widget) {
    if (previousInChain != nullptr) setTabOrder(previousInChain, widget);
    previousInChain = widget;
  };
  for (int k = 0; k < kCellCount; ++k) {
    auto* cell = new TemplatePreviewCell(this);
    cell->setObjectName(QString::number(kFirstCell + k));
    cell->setGeometry(kCells[k]);
    connect(cell, &TemplatePreviewCell::clicked, this, [this, k] { OnCell(k); });
    connect(cell, &TemplatePreviewCell::stepRequested, this,
            [this, k](int step) { OnStep(k, step); });
    cells_[static_cast<size_t>(k)] = cell;
    chain(cell);
  }
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(kEditorPoints);
  font.setBold(false);
  for (int i = 0; i < kNamedValueCount; ++i) {
    const int top = kFirstFieldTop + kFieldPitch * i;
    auto* label = new FieldNameLabel(this);
    label->setObjectName(QString::number(kFirstLabel + i));
    label->SetText(FieldNames()[static_cast<size_t>(i)]);
    label->setGeometry(kFieldLeft, top, kFieldWidth, kFieldHeight);
    labels_[static_cast<size_t>(i)] = label;

    auto* editor = new QLineEdit(this);
    editor->setObjectName(QString::number(kFirstEditor + i));
    editor->setFont(font);
    editor->setMaxLength(kFieldLength);
    editor->setGeometry(kFieldLeft, top + kFieldHeight, kFieldWidth, kFieldHeight);
    editors_[static_cast<size_t>(i)] = editor;
    chain(editor);
  }
  previous_ = MakeButton(this, kPreviousPage, QStringLiteral("Previous Page"), kPreviousRect);
  next_ = MakeButton(this, kNextPage, QStringLiteral("Next Page"), kNextRect);
  continue_ = MakeButton(this, kContinue, QStringLiteral("Continue"), kContinueRect);
  connect(previous_, &PillButton::clicked, this, [this] { OnPage(false); });
  connect(next_, &PillButton::clicked, this, [this] { OnPage(true); });
  connect(continue_, &PillButton::clicked, this, &TemplateLibraryDialog::OnContinue);
  chain(previous_);
  chain(next_);
  chain(continue_);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();

  const int shown = ResetPrevs();
  // The keyboard starts on the first template, so that the arrows pick one and Tab leads to the
  // fields; without templates it starts in the first field.
  if (Templates().Count() > 0) {
    cells_[0]->setFocus();
  } else {
    editors_[0]->setFocus();
  }
  return shown;
}

int TemplateLibraryDialog::ResetPrevs() {
  const int count = Templates().Count();
  for (int k = 0; k < kCellCount; ++k) {
    TemplatePreviewCell* cell = cells_[static_cast<size_t>(k)];
    const int index = firstShown_ + k;
    if (index < count) {
      cell->SetImage(&Templates().Entry(index).preview);
      cell->SetSelected(index == selected_);
      cell->show();
    } else {
      cell->SetImage(nullptr);
      cell->hide();
    }
  }
  const bool back = firstShown_ >= kCellCount;
  const bool forward = firstShown_ + kCellCount < count;
  previous_->SetActive(back);
  next_->SetActive(forward);
  return 0;
}

void TemplateLibraryDialog::ClearCheckMarks() {
  for (TemplatePreviewCell* cell : cells_) cell->SetSelected(false);
}

void TemplateLibraryDialog::OnCell(int k) {
  if (firstShown_ + k >= Templates().Count()) return;
  ClearCheckMarks();
  cells_[static_cast<size_t>(k)]->SetSelected(true);
  selected_ = firstShown_ + k;
}

void TemplateLibraryDialog::OnStep(int k, int step) {
  int target = k + step;
  const bool acrossPage = step == 1 || step == -1;
  // Stepping along the row past the page's first or last cell turns the page.
  if (acrossPage && target >= kCellCount && firstShown_ + kCellCount < Templates().Count()) {
    OnPage(true);
    target = 0;
  } else if (acrossPage && target < 0 && firstShown_ >= kCellCount) {
    OnPage(false);
    target = kCellCount - 1;
  }
  if (target < 0 || target >= kCellCount || firstShown_ + target >= Templates().Count()) return;
  OnCell(target);
  cells_[static_cast<size_t>(target)]->setFocus();
}

void TemplateLibraryDialog::OnPage(bool forward) {
  if (forward && firstShown_ + kCellCount < Templates().Count()) {
    firstShown_ += kCellCount;
  } else if (!forward && firstShown_ >= kCellCount) {
    firstShown_ -= kCellCount;
  } else {
    return;
  }
  ClearCheckMarks();
  TAVOLO_CHECK_AS("ResetPrevs()==0", ResetPrevs() == 0);
}

void TemplateLibraryDialog::OnContinue() {
  NamedValues values;
  bool starredFilled = true;
  int firstEmpty = -1;
  for (int i = 0; i < kNamedValueCount; ++i) {
    const auto slot = static_cast<size_t>(i);
    values[slot] = editors_[slot]->text().left(kFieldLength);
    if (Starred(FieldNames()[slot]) && values[slot].isEmpty()) {
      starredFilled = false;
      if (firstEmpty < 0) firstEmpty = i;
    }
  }
  if (!starredFilled) {
    FillNowDialog question(this);
    prompts_.Run(question);
    if (!question.ContinueAnyway()) {
      editors_[static_cast<size_t>(firstEmpty)]->setFocus();
      return;
    }
  } else {
    taken_ = values;
  }
  closedByContinue_ = true;
  accept();
}

void TemplateLibraryDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (loading_) {
    painter.fillRect(rect(), kLibraryFill);
    painter.drawImage(0, 0, loadingPicture_);
    if (!readingStarted_) QTimer::singleShot(0, this, &TemplateLibraryDialog::StartReading);
    return;
  }
  painter.fillRect(rect(), kLibraryFill);
  painter.setPen(kSeparator);
  painter.drawLine(0, kSeparatorY, kClientSize.width() - 1, kSeparatorY);
}

void TemplateLibraryDialog::keyPressEvent(QKeyEvent* event) {
  if (loading_) {
    QDialog::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      OnContinue();
      return;
    case Qt::Key_PageDown:
      OnPage(true);
      return;
    case Qt::Key_PageUp:
      OnPage(false);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace tavolo
