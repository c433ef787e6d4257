#include "ui/templates/TemplateLibraryDialog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/base/WindowColour.h"
#include "core/card/FieldNames.h"
#include "core/library/TemplateTable.h"
#include "ui/base/FileFilter.h"
#include "ui/base/Prompts.h"
#include "ui/base/RecentProjects.h"
#include "ui/controls/FieldNameLabel.h"
#include "ui/controls/PillButton.h"
#include "ui/templates/FillNowDialog.h"
#include "ui/templates/TemplatePreviewCell.h"

namespace tavolo {

namespace {

const QColor kSeparator(192, 192, 192);
constexpr int kSeparatorY = 451;
// The editors type in Arial at 150 twips.
constexpr qreal kEditorPoints = 7.5;

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
constexpr QRect kOpenCardRect(QPoint(340, 461), QPoint(479, 490));
constexpr QRect kRecentCardsRect(QPoint(485, 461), QPoint(570, 490));

PillButton* MakeButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
  auto* button = new PillButton(parent);
  button->setObjectName(QString::number(id));
  button->SetText(text);
  button->setGeometry(rect);
  return button;
}

}  // namespace

TemplateLibraryDialog::TemplateLibraryDialog(Opened opened, BackgroundTable& backgrounds,
                                             Prompts& prompts, QWidget* parent)
    : QDialog(parent), backgrounds_(backgrounds), prompts_(prompts) {
  setFixedSize(kClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (opened == Opened::AtStartUp) {
    setWindowTitle(Tr("Template Library"));
  } else {
    setWindowTitle(Tr("Tavolo: Template Library"));
    if (Templates().Changed()) TAVOLO_CHECK_AS("ReloadTmps(1)==0", ReloadTemplates() == 0);
  }
  TAVOLO_CHECK_AS("InitTmpDlg()==0", BuildControls() == 0);
}

int TemplateLibraryDialog::ReloadTemplates() {
  Tell(Templates().Reload(backgrounds_).Messages());
  return 0;
}

int TemplateLibraryDialog::FreeTemplates() {
  Templates().Free();
  return 0;
}

const CardState* TemplateLibraryDialog::ChosenTemplate() const {
  if (!chosenCard_.empty() || selected_ < 0 || selected_ >= Templates().Count()) return nullptr;
  return &Templates().Entry(selected_).card;
}

TemplatePreviewCell* TemplateLibraryDialog::Cell(int k) const {
  return k >= 0 && k < kCellCount ? cells_[static_cast<size_t>(k)] : nullptr;
}

QLineEdit* TemplateLibraryDialog::FieldEditor(int field) const {
  return field >= 0 && field < kContactFieldCount ? editors_[static_cast<size_t>(field)] : nullptr;
}

FieldNameLabel* TemplateLibraryDialog::FieldLabel(int field) const {
  return field >= 0 && field < kContactFieldCount ? labels_[static_cast<size_t>(field)] : nullptr;
}

void TemplateLibraryDialog::Tell(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) {
    prompts_.Tell(isVisible() ? this : parentWidget(), QString::fromStdString(message),
                  QMessageBox::Warning);
  }
}

int TemplateLibraryDialog::BuildControls() {
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
  const std::array<QString, kContactFieldCount> fieldLabels = FieldLabels();
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(kEditorPoints);
  font.setBold(false);
  for (int i = 0; i < kContactFieldCount; ++i) {
    const int top = kFirstFieldTop + kFieldPitch * i;
    auto* label = new FieldNameLabel(this);
    label->setObjectName(QString::number(kFirstLabel + i));
    label->SetText(fieldLabels[static_cast<size_t>(i)]);
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
  previous_ = MakeButton(this, kPreviousPage, Tr("Previous Page"), kPreviousRect);
  next_ = MakeButton(this, kNextPage, Tr("Next Page"), kNextRect);
  openCard_ = MakeButton(this, kOpenCard, Tr("Open a Saved Card..."), kOpenCardRect);
  openCard_->setToolTip(Tr("Open a card saved before (Ctrl+O)"));
  recent_ = MakeButton(this, kRecentCards, Tr("Recent Cards"), kRecentCardsRect);
  recentMenu_ = new QMenu(this);
  recent_->SetActive(!RecentProjects().isEmpty());
  continue_ = MakeButton(this, kContinue, Tr("Continue"), kContinueRect);
  connect(previous_, &PillButton::clicked, this, [this] { OnPage(false); });
  connect(next_, &PillButton::clicked, this, [this] { OnPage(true); });
  connect(continue_, &PillButton::clicked, this, &TemplateLibraryDialog::OnContinue);
  connect(openCard_, &PillButton::clicked, this, &TemplateLibraryDialog::OnOpenCard);
  connect(recent_, &PillButton::clicked, this,
          [this] { RecentCardsMenu()->popup(mapToGlobal(recent_->geometry().bottomLeft())); });
  chain(previous_);
  chain(next_);
  chain(openCard_);
  chain(recent_);
  chain(continue_);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();

  const int shown = ShowPage();
  // The keyboard starts on the first template, so that the arrows pick one and Tab leads to the
  // fields; without templates it starts in the first field.
  if (Templates().Count() > 0) {
    cells_[0]->setFocus();
  } else {
    editors_[0]->setFocus();
  }
  return shown;
}

int TemplateLibraryDialog::ShowPage() {
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
  TAVOLO_CHECK_AS("ResetPrevs()==0", ShowPage() == 0);
}

void TemplateLibraryDialog::OnContinue() {
  ContactDetails values;
  bool starredFilled = true;
  int firstEmpty = -1;
  for (int i = 0; i < kContactFieldCount; ++i) {
    const auto slot = static_cast<size_t>(i);
    values[slot] = editors_[slot]->text().left(kFieldLength);
    if (FieldRequired(i) && values[slot].isEmpty()) {
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

QMenu* TemplateLibraryDialog::RecentCardsMenu() {
  recentMenu_->clear();
  for (const QString& file : RecentProjects()) {
    QAction* action = recentMenu_->addAction(QFileInfo(file).fileName());
    action->setToolTip(file);
    connect(action, &QAction::triggered, this, [this, file] { OnRecentCard(file); });
  }
  recentMenu_->setToolTipsVisible(true);
  return recentMenu_;
}

void TemplateLibraryDialog::OnOpenCard() {
  const QString file =
      prompts_.OpenFileName(this, FileDialogRequest{Tr("Open a Saved Card"),
                                                    QtFileFilter(Tr("TVC files(*.tvc)|*.tvc||")),
                                                    QStringLiteral("tvc"),
                                                    {},
                                                    FileKind::kProject});
  if (!file.isEmpty()) OpenCard(file);
}

void TemplateLibraryDialog::OnRecentCard(const QString& file) {
  if (!QFileInfo::exists(file)) {
    RemoveRecentProject(file);
    recent_->SetActive(!RecentProjects().isEmpty());
    prompts_.Tell(this, Tr("%1 was not found. It has been removed from Recent Projects.").arg(file),
                  QMessageBox::Warning);
    return;
  }
  OpenCard(file);
}

void TemplateLibraryDialog::OpenCard(const QString& file) {
  if (!MayDiscardDetails()) return;
  chosenCard_ = file.toStdString();
  accept();
}

void TemplateLibraryDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(kWindowColour));
  painter.setPen(kSeparator);
  painter.drawLine(0, kSeparatorY, kClientSize.width() - 1, kSeparatorY);
}

void TemplateLibraryDialog::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Open)) {
    OnOpenCard();
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
    case Qt::Key_Escape:
      if (MayDiscardDetails()) QDialog::keyPressEvent(event);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TemplateLibraryDialog::closeEvent(QCloseEvent* event) {
  if (MayDiscardDetails()) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

bool TemplateLibraryDialog::MayDiscardDetails() {
  const bool typed = std::any_of(editors_.begin(), editors_.end(),
                                 [](const QLineEdit* editor) { return !editor->text().isEmpty(); });
  return !typed || prompts_.Ask(this, Tr("Discard the details you typed?"),
                                QMessageBox::Discard | QMessageBox::Cancel) == QMessageBox::Discard;
}

}  // namespace tavolo
