#include "ui/print/SheetProductGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetSearch.h"
#include "ui/base/DialogLabels.h"
#include "ui/base/Prompts.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/SheetProductNameDialog.h"
#include "ui/print/SheetProductSearch.h"

namespace tavolo {

namespace {

struct LengthEdit {
  LayoutLength which;
  int id;
  const char* label;  // with its mnemonic
  int row;
  int column;
};

using Group = SheetProductGroup;

// The six edits as the group lays them out, width beside height.
constexpr std::array<LengthEdit, kLayoutLengthCount> kLengthEdits = {{
    {LayoutLength::kCardWidth, Group::kCardWidth, QT_TRANSLATE_NOOP("Tavolo", "Card &Width"), 0, 0},
    {LayoutLength::kCardHeight, Group::kCardHeight, QT_TRANSLATE_NOOP("Tavolo", "Card &Height"), 0,
     1},
    {LayoutLength::kHorizontalPitch, Group::kHorizontalPitch,
     QT_TRANSLATE_NOOP("Tavolo", "Hori&zontal Pitch"), 1, 0},
    {LayoutLength::kVerticalPitch, Group::kVerticalPitch,
     QT_TRANSLATE_NOOP("Tavolo", "&Vertical Pitch"), 1, 1},
    {LayoutLength::kLeftMargin, Group::kLeftMargin, QT_TRANSLATE_NOOP("Tavolo", "&Left Margin"), 2,
     0},
    {LayoutLength::kTopMargin, Group::kTopMargin, QT_TRANSLATE_NOOP("Tavolo", "&Top Margin"), 2, 1},
}};

struct UnitButton {
  LengthUnit unit;
  int id;
  const char* label;
};

constexpr std::array<UnitButton, 3> kUnitButtons = {{
    {LengthUnit::kInches, Group::kInches, QT_TRANSLATE_NOOP("Tavolo", "&inches")},
    {LengthUnit::kCm, Group::kCm, QT_TRANSLATE_NOOP("Tavolo", "&cm")},
    {LengthUnit::kMm, Group::kMm, QT_TRANSLATE_NOOP("Tavolo", "m&m")},
}};

QString PlainLabel(const char* label) {
  return Tr(label).remove(QLatin1Char('&'));
}

int Index(LayoutLength which) {
  return static_cast<int>(which);
}

}  // namespace

SheetProductGroup::SheetProductGroup(int dpi, PrinterChoice& printer, Prompts& prompts,
                                     DataFolder layoutsFolder, QWidget* parent)
    : QWidget(parent),
      dpi_(dpi),
      printer_(printer),
      prompts_(prompts),
      layoutsFolder_(std::move(layoutsFolder)) {
  auto* boxes = new QVBoxLayout(this);
  boxes->setContentsMargins(0, 0, 0, 0);
  boxes->addWidget(BuildLayoutBox());
  boxes->addWidget(BuildLengthsBox());
}

void SheetProductGroup::Open(const SheetProductChoice& remembered) {
  const LengthUnit unit = LengthUnitFromStored(remembered.layout.unit);
  SelectUnit(unit);
  ShowLengthsAsOpened();
  TAVOLO_CHECK_AS("PopulatePaperSizes()", PopulatePaperSizes(-1));
  const int paper = FindPaper(papers_, remembered.paper.name);
  if (!remembered.paper.name.isEmpty() && paper >= 0 && paper != paperList_->currentIndex()) {
    paperList_->setCurrentIndex(paper);
    OnPaperChosen();
  }
  // A product's layout comes in the product's unit; the one the user last chose wins.
  if (RestoreProduct(remembered) && Unit() != unit) {
    SelectUnit(unit);
    OnUnitChosen();
  }
  // The paper change above shows every length truncated, and an exact 3.54 × 2.05 in card lies
  // just below that as floats; on opening the lengths read rounded.
  ShowLengthsAsOpened();
}

void SheetProductGroup::FollowCard(QSizeF cardSize) {
  if (choice_.origin != LayoutOrigin::kCustom) return;
  FitSheetToCard(choice_.layout, cardSize, choice_.paper, dpi_, Unit());
  ShowLengthsAsOpened();
  Q_EMIT changed(choice_);
}

bool SheetProductGroup::RestoreProduct(const SheetProductChoice& remembered) {
  if (remembered.origin == LayoutOrigin::kSheetProduct) {
    const SheetProduct* product = sheetSearch_->ProductWithKey(remembered.product);
    if (product == nullptr) return false;
    OnProductPicked(*product);
    return true;
  }
  if (remembered.origin != LayoutOrigin::kPredefined) return false;
  // Read quietly: a layout that went missing, or a folder that cannot be read, leaves the default.
  std::vector<PageLayout> layouts = PredefinedListOrder(ReadPageLayouts(layoutsFolder_).layouts);
  const int index = FindPageLayout(layouts, remembered.product);
  if (index < 0) return false;
  usePredefined_->setChecked(true);
  TakePredefined(std::move(layouts), index);
  return true;
}

void SheetProductGroup::ShowLengthsAsOpened() {
  shown_ = ShowLengthsRounded(choice_.layout, dpi_, Unit());
  ShowLengthsInEdits();
}

QWidget* SheetProductGroup::BuildLayoutBox() {
  auto* group = new QGroupBox(Tr("Sheet"), this);
  usePredefined_ = new QCheckBox(Tr("&Use Predefined Page Layouts"), group);
  usePredefined_->setObjectName(ControlName(kUsePredefined));
  layoutList_ = new QComboBox(group);
  layoutList_->setObjectName(ControlName(kLayoutList));
  layoutList_->setEnabled(false);
  layoutList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  layoutList_->setMinimumContentsLength(24);
  paperList_ = new QComboBox(group);
  paperList_->setObjectName(ControlName(kPaperList));
  paperList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  paperList_->setMinimumContentsLength(24);
  paperList_->setMaxVisibleItems(20);

  auto* printerName = new QLabel(printer_.Description(), group);
  printerName->setTextInteractionFlags(Qt::TextSelectableByMouse);

  SheetProductSources sources = InstalledSheetProductSources();
  sources.layouts = layoutsFolder_;
  const SheetCatalogue catalogue = LoadSheetCatalogue(sources);
  sheetSearch_ = new SheetProductSearch(catalogue.products, catalogue.errors, group);
  sheetSearch_->setObjectName(ControlName(kSheetSearch));

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Tr("Printer:"), group), 0, 0);
  grid->addWidget(printerName, 0, 1);
  grid->addWidget(MakeLabel(group, Tr("Fin&d sheet:"), sheetSearch_->Field()), 1, 0,
                  Qt::AlignTop | Qt::AlignLeft);
  grid->addWidget(sheetSearch_, 1, 1);
  grid->addWidget(usePredefined_, 2, 0, 1, 2);
  grid->addWidget(MakeLabel(group, Tr("L&ayout:"), layoutList_), 3, 0);
  grid->addWidget(layoutList_, 3, 1);
  grid->addWidget(MakeLabel(group, Tr("Pape&r:"), paperList_), 4, 0);
  grid->addWidget(paperList_, 4, 1);
  grid->setColumnStretch(1, 1);

  connect(usePredefined_, &QCheckBox::clicked, this, &SheetProductGroup::OnUsePredefined);
  connect(layoutList_, &QComboBox::activated, this, &SheetProductGroup::OnLayoutChosen);
  connect(paperList_, &QComboBox::activated, this, &SheetProductGroup::OnPaperChosen);
  connect(sheetSearch_, &SheetProductSearch::productPicked, this,
          &SheetProductGroup::OnProductPicked);
  return group;
}

QWidget* SheetProductGroup::BuildLengthsBox() {
  auto* group = new QGroupBox(Tr("Card size and spacing"), this);
  auto* grid = new QGridLayout(group);

  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(new QLabel(Tr("Units:"), group));
  units_ = new QButtonGroup(group);
  for (const UnitButton& button : kUnitButtons) {
    auto* radio = new QRadioButton(Tr(button.label), group);
    radio->setObjectName(ControlName(button.id));
    units_->addButton(radio, static_cast<int>(button.unit));
    unitRow->addWidget(radio);
  }
  unitRow->addStretch(1);
  grid->addLayout(unitRow, 0, 0, 1, 4);
  connect(units_, &QButtonGroup::idClicked, this, &SheetProductGroup::OnUnitChosen);

  for (const LengthEdit& entry : kLengthEdits) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(ControlName(entry.id));
    edit->setAccessibleName(PlainLabel(entry.label));
    // Wide enough for a length in millimetres with its decimals, however long the labels beside
    // it grow in another language.
    const int wide = edit->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 16;
    edit->setMinimumWidth(wide);
    edit->setMaximumWidth(wide);
    grid->addWidget(MakeLabel(group, Tr(entry.label), edit), 1 + entry.row, entry.column * 2);
    grid->addWidget(edit, 1 + entry.row, entry.column * 2 + 1);
    edits_[Index(entry.which)] = edit;
    connect(edit, &QLineEdit::textEdited, this,
            [this, which = entry.which] { OnEditChanged(which); });
  }
  grid->setColumnMinimumWidth(2, 80);

  message_ = MakeWarningLabel(group);
  grid->addWidget(message_, 4, 0, 1, 4);

  saveSheetProduct_ = new QPushButton(Tr("&Save As Template"), group);
  saveSheetProduct_->setObjectName(ControlName(kSaveSheetProduct));
  saveSheetProduct_->setAutoDefault(false);
  connect(saveSheetProduct_, &QPushButton::clicked, this, &SheetProductGroup::OnSaveSheetProduct);
  grid->addWidget(saveSheetProduct_, 5, 2, 1, 2, Qt::AlignRight);
  return group;
}

LengthUnit SheetProductGroup::Unit() const {
  const int sel = units_->checkedId();
  TAVOLO_CHECK_AS("sel>=0 && sel<=2", sel >= 0 && sel <= 2);
  return LengthUnitFromStored(sel);
}

QString SheetProductGroup::EditMessage() const {
  for (const LengthEdit& entry : kLengthEdits) {
    const QString& error = editErrors_[Index(entry.which)];
    if (!error.isEmpty()) return PlainLabel(entry.label) + QStringLiteral(": ") + error;
  }
  return {};
}

void SheetProductGroup::FocusRefusedEdit() {
  for (const LayoutLength length : kLayoutLengths) {
    if (!editErrors_[Index(length)].isEmpty()) {
      edits_[Index(length)]->setFocus();
      edits_[Index(length)]->selectAll();
      return;
    }
  }
}

bool SheetProductGroup::PopulatePaperSizes(int selection) {
  papers_ = printer_.Papers();
  const bool hasPapers = TAVOLO_CHECK_AS("numberOfSizes > 0", !papers_.empty());
  // After Retry the standard sizes stand in for the printer's, so that the dialog stays usable.
  if (!hasPapers) papers_ = PaperCatalogue();

  const QSignalBlocker blocker(paperList_);
  paperList_->clear();
  for (const Paper& paper : papers_) paperList_->addItem(paper.name);
  const bool selected = selection >= 0 && selection < paperList_->count();
  paperList_->setCurrentIndex(selected ? selection : 0);
  TAVOLO_CHECK_AS("m_PaperSelection.SetCurSel(0) != (-1)", paperList_->currentIndex() != -1);
  if (!selected) {
    // A printer whose current paper is missing from its own list keeps the first one.
    const int curSel = FindPaperMatching(papers_, printer_.CurrentPageSize());
    if (curSel >= 0) paperList_->setCurrentIndex(curSel);
    OnPaperChosen();
    return true;
  }

  choice_.paper = papers_[static_cast<size_t>(paperList_->currentIndex())];
  paperList_->setPlaceholderText(QString());
  paperList_->setToolTip(QString());
  Q_EMIT paperSettled(choice_.paper);
  return true;
}

void SheetProductGroup::OnPaperChosen() {
  TAVOLO_CHECK_AS("PopulatePaperSizes(m_PaperSelection.GetCurSel())",
                  PopulatePaperSizes(paperList_->currentIndex()));
  shown_ = ApplyPaperChange(choice_.layout, choice_.paper, dpi_, Unit());
  choice_.origin = LayoutOrigin::kCustom;
  Q_EMIT changed(choice_);
  ShowLengthsInEdits();
}

void SheetProductGroup::OnUnitChosen() {
  const LengthUnit unit = Unit();
  shown_ = ShowLengths(choice_.layout, dpi_, unit);
  choice_.layout.unit = static_cast<int32_t>(unit);
  ShowLengthsInEdits();
  Q_EMIT changed(choice_);
}

void SheetProductGroup::OnEditChanged(LayoutLength which) {
  for (const LayoutLength length : kLayoutLengths) {
    const ParsedLength parsed = ParseShownLength(edits_[Index(length)]->text(), locale());
    editErrors_[Index(length)] = parsed.message;
    if (parsed.value) At(shown_, length) = *parsed.value;
  }
  // A refused value leaves the layout's length as it was.
  if (editErrors_[Index(which)].isEmpty()) {
    LengthOf(choice_.layout, which) = FromDisplay(At(shown_, which), dpi_, Unit());
    choice_.origin = LayoutOrigin::kCustom;
  }
  ShowEditMessage();
  Q_EMIT changed(choice_);
}

void SheetProductGroup::OnUsePredefined(bool checked) {
  layoutList_->clear();
  predefined_.clear();
  if (!checked) {
    layoutList_->setEnabled(false);
    SetManualControlsEnabled(true);
    choice_.origin = LayoutOrigin::kCustom;
    return;
  }
  const PageLayoutListing listing = ReadPageLayouts(layoutsFolder_);
  std::vector<PageLayout> layouts = PredefinedListOrder(listing.layouts);
  if (!listing.errors.empty()) {
    QString text = Tr("Some page layouts could not be read:");
    for (const std::string& error : listing.errors) {
      text += QLatin1Char('\n') + QString::fromStdString(error);
    }
    Tell(text);
  }
  if (layouts.empty()) {
    // Nothing to choose from: the layout stays as it is and can still be set by hand.
    usePredefined_->setChecked(false);
    Tell(Tr("No page layouts were found in %1.")
             .arg(QDir::toNativeSeparators(
                 QString::fromStdString(layoutsFolder_.shipped.string()))));
    return;
  }
  TakePredefined(std::move(layouts), 0);
}

void SheetProductGroup::TakePredefined(std::vector<PageLayout> layouts, int index) {
  predefined_ = std::move(layouts);
  for (const PageLayout& layout : predefined_) layoutList_->addItem(layout.name);
  const int i = static_cast<int>(predefined_.size());
  const int i2 = layoutList_->count();
  TAVOLO_CHECK_AS("i2==i", i2 == i);
  layoutList_->setCurrentIndex(index);
  OnLayoutChosen(index);
  layoutList_->setEnabled(true);
  SetManualControlsEnabled(false);
}

void SheetProductGroup::OnLayoutChosen(int index) {
  const int n = index;
  TAVOLO_CHECK_AS("n != -1", n != -1);
  if (n < 0 || n >= static_cast<int>(predefined_.size())) return;
  ApplyLayout(predefined_[static_cast<size_t>(n)], LayoutOrigin::kPredefined,
              predefined_[static_cast<size_t>(n)].name);
}

void SheetProductGroup::OnProductPicked(const SheetProduct& product) {
  const PageLayout layout = LayoutOf(product, dpi_);
  if (usePredefined_->isChecked()) {
    layoutList_->setCurrentIndex(FindPageLayout(predefined_, layout.name));
  }
  ApplyLayout(layout, LayoutOrigin::kSheetProduct, ProductKey(product));
}

void SheetProductGroup::ApplyLayout(const PageLayout& layout, LayoutOrigin origin,
                                    const QString& product) {
  choice_.layout = layout;
  choice_.origin = origin;
  choice_.product = product;
  const int paper = FindPaperById(papers_, choice_.layout.paper);
  const LengthUnit unit = LengthUnitFromStored(choice_.layout.unit);
  SelectUnit(unit);
  shown_ = ShowLengths(choice_.layout, dpi_, unit);
  ShowLengthsInEdits();
  if (paper >= 0) {
    paperList_->setCurrentIndex(paper);
    TAVOLO_CHECK_AS("PopulatePaperSizes(m_PaperSelection.GetCurSel())",
                    PopulatePaperSizes(paperList_->currentIndex()));
  } else {
    // The sheet stays on the paper selected before.
    const QSignalBlocker blocker(paperList_);
    paperList_->setCurrentIndex(-1);
    const QString inUse = Tr("%1 (the layout's paper is not offered)").arg(choice_.paper.name);
    paperList_->setPlaceholderText(inUse);
    paperList_->setToolTip(inUse);
  }
  Q_EMIT changed(choice_);
}

void SheetProductGroup::OnSaveSheetProduct() {
  SheetProductNameDialog ask(this);
  if (prompts_.Run(ask) != QDialog::Accepted) return;
  choice_.layout.name = ask.Name();
  Q_EMIT changed(choice_);
  if (IsLayoutFileName(choice_.layout.name)) {
    const std::filesystem::path file =
        layoutsFolder_.user /
        (choice_.layout.name + QString::fromLatin1(kPageLayoutExtension)).toStdString();
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored) &&
        prompts_.AskYesNoCancel(window(), Tr("A page layout named \"%1\" exists already. "
                                             "Replace it?")
                                              .arg(choice_.layout.name)) != QMessageBox::Yes) {
      return;
    }
  }
  const Outcome<std::filesystem::path> written =
      SaveSheetProduct(layoutsFolder_.user, choice_.layout);
  if (!written) Tell(QString::fromStdString(written.Message()));
}

void SheetProductGroup::SelectUnit(LengthUnit unit) {
  units_->button(static_cast<int>(unit))->setChecked(true);
}

void SheetProductGroup::ShowLengthsInEdits() {
  for (const LayoutLength length : kLayoutLengths) {
    edits_[Index(length)]->setText(DisplayText(At(shown_, length), locale()));
    editErrors_[Index(length)].clear();
  }
  ShowEditMessage();
}

void SheetProductGroup::ShowEditMessage() {
  message_->setText(EditMessage());
}

void SheetProductGroup::SetManualControlsEnabled(bool enabled) {
  for (QLineEdit* edit : edits_) edit->setEnabled(enabled);
  for (QAbstractButton* button : units_->buttons()) button->setEnabled(enabled);
  paperList_->setEnabled(enabled);
  saveSheetProduct_->setEnabled(enabled);
}

void SheetProductGroup::Tell(const QString& text) {
  prompts_.Tell(window(), text, QMessageBox::Warning);
}

}  // namespace tavolo
