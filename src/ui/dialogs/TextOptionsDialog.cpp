#include "ui/dialogs/TextOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"
#include "core/editing/FontPoints.h"
#include "core/editing/StyleInputs.h"
#include "core/render/MissingFonts.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/Slider.h"
#include "ui/dialogs/DialogControls.h"

namespace tavolo {

namespace {

QStringList FrameModeNames() {
  return {Tr("&None"), Tr("E&xact"), Tr("&Left"), Tr("&Right"), Tr("Card Lon&g")};
}

// The scalable families, each once whatever its case and however many foundries make it, in the
// order a sorted list shows them.
QStringList ScalableFaces() {
  QStringList faces;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family)) {
      continue;
    }
    // "Family [foundry]" names a family that several foundries make; the face name is the family.
    QString face = family;
    const qsizetype foundry = face.indexOf(QStringLiteral(" ["));
    if (foundry > 0 && face.endsWith(QLatin1Char(']'))) face.truncate(foundry);
    if (!faces.contains(face, Qt::CaseInsensitive)) faces << face;
  }
  std::sort(faces.begin(), faces.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  return faces;
}

}  // namespace

TextOptionsDialog::TextOptionsDialog(CardView& preview, int box, QWidget* parent)
    : LiveEditDialog(preview, parent), box_(std::clamp(box, 0, kTextBoxCount - 1)) {
  setWindowTitle(Tr("Text Options"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTypeControls());
  layout->addWidget(BuildAlignmentControls());
  layout->addWidget(BuildFrameControls());
  close_ = MakeCloseButton(this, kCloseButton);
  layout->addLayout(CloseButtonRow(close_));

  const TextBoxStyle& style = Live().styles[box_];
  FillFontList(style.face);
  FillSizeList(style.size);
  ShowStyle();
  frameSize_->setValue(std::clamp(style.frameSize, 0, kMaxFrameSize));
  const int mode = std::clamp(style.frameMode, 0, static_cast<int>(frameModes_.size()) - 1);
  frameModes_[mode]->setChecked(true);
  opacity_->SetPosition(style.opacity);
  EnableFrameControls(style.frameMode != kFrameNone);
  brightness_->SetPosition(style.brightness);
  shrinkToFit_->setChecked(ShrinksToFit(Live(), box_));
  ShowAlignment();
  // Connected only now: filling the controls above changes nothing.
  Connect();
  fonts_->setFocus();
}

QWidget* TextOptionsDialog::BuildTypeControls() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);

  fonts_ = new QListWidget(panel);
  fonts_->setObjectName(ControlName(kFontList));
  fonts_->setSelectionMode(QAbstractItemView::SingleSelection);
  fonts_->setMinimumWidth(220);
  sizes_ = new QComboBox(panel);
  sizes_->setObjectName(ControlName(kSizeList));
  sizes_->setEditable(true);
  sizes_->setInsertPolicy(QComboBox::NoInsert);
  styles_ = new QComboBox(panel);
  styles_->setObjectName(ControlName(kStyleList));
  styles_->setEditable(true);
  styles_->setInsertPolicy(QComboBox::NoInsert);
  colourSwatches_ = MakeSwatches(panel, kColourLine);
  brightness_ = MakeSlider(panel, kBrightnessSlider);
  shrinkToFit_ = new QCheckBox(Tr("S&hrink to fit"), panel);
  shrinkToFit_->setObjectName(ControlName(kShrinkToFitCheck));
  shrinkToFit_->setToolTip(
      Tr("Draw a line too wide for its box smaller until it fits (not below 6 pt)"));

  grid->addWidget(MakeLabel(panel, Tr("&Font"), fonts_), 0, 0);
  grid->addWidget(fonts_, 1, 0, 7, 1);
  grid->addWidget(MakeLabel(panel, Tr("Si&ze (pt)"), sizes_), 0, 1);
  grid->addWidget(sizes_, 1, 1);
  grid->addWidget(MakeLabel(panel, Tr("St&yle"), styles_), 2, 1);
  grid->addWidget(styles_, 3, 1);
  grid->addWidget(MakeLabel(panel, Tr("&Color"), colourSwatches_), 4, 1);
  grid->addWidget(colourSwatches_, 5, 1);
  grid->addWidget(MakeLabel(panel, Tr("&Brightness"), brightness_), 6, 1);
  grid->addWidget(brightness_, 7, 1);
  grid->addWidget(shrinkToFit_, 8, 1);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(0, 1);
  return panel;
}

QWidget* TextOptionsDialog::BuildFrameControls() {
  auto* group = new QGroupBox(Tr("Frame"), this);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(24);
  auto* modes = new QHBoxLayout;
  for (size_t mode = 0; mode < frameModes_.size(); ++mode) {
    frameModes_[mode] = new QRadioButton(FrameModeNames()[static_cast<int>(mode)], group);
    frameModes_[mode]->setObjectName(ControlName(kFrameNoneRadio + static_cast<int>(mode)));
    modes->addWidget(frameModes_[mode]);
  }
  modes->addStretch();
  grid->addLayout(modes, 0, 0, 1, 3);

  fill_ = MakeSwatches(group, kFillColourLine);
  frameSize_ = new QSpinBox(group);
  frameSize_->setObjectName(ControlName(kFrameSizeEdit));
  frameSize_->setRange(0, kMaxFrameSize);
  opacity_ = MakeSlider(group, kOpacitySlider);
  grid->addWidget(MakeLabel(group, Tr("F&ill Color"), fill_), 1, 0);
  grid->addWidget(fill_, 2, 0);
  grid->addWidget(MakeLabel(group, Tr("Fra&me Size"), frameSize_), 1, 1);
  grid->addWidget(frameSize_, 2, 1, Qt::AlignTop);
  grid->addWidget(MakeLabel(group, Tr("&Opacity"), opacity_), 1, 2);
  grid->addWidget(opacity_, 2, 2, Qt::AlignTop);
  grid->setColumnStretch(2, 1);
  return group;
}

QWidget* TextOptionsDialog::BuildAlignmentControls() {
  auto* group = new QGroupBox(Tr("Alignment"), this);
  auto* row = new QHBoxLayout(group);
  horizontal_ = MakeHorizontalAlignment(group);
  horizontal_->setObjectName(ControlName(kHorizontalAlignList));
  vertical_ = MakeVerticalAlignment(group, Tr("As the layout places it"));
  vertical_->setObjectName(ControlName(kVerticalAlignList));
  row->addWidget(MakeLabel(group, Tr("Horizon&tal"), horizontal_));
  row->addWidget(horizontal_);
  row->addSpacing(24);
  row->addWidget(MakeLabel(group, Tr("&Vertical"), vertical_));
  row->addWidget(vertical_);
  row->addStretch();
  return group;
}

void TextOptionsDialog::ShowAlignment() {
  const CardRows placed = CardPlacementRows(Live());
  const std::span<const PlacementRow> rows = placed.Rows();
  const auto row = std::ranges::find(rows, box_, &PlacementRow::box);
  // Lines running up the card stay centred on it.
  const bool alignable = row != rows.end() && row->angle == 0;
  horizontal_->setEnabled(alignable);
  vertical_->setEnabled(alignable);
  if (!alignable) return;
  horizontal_->setCurrentIndex(static_cast<int>(RowHorizontal(*row)));
  const std::optional<VerticalAlign> down =
      Live().alignments ? (*Live().alignments)[static_cast<size_t>(box_)].vertical : std::nullopt;
  vertical_->setCurrentIndex(down ? static_cast<int>(*down) + 1 : 0);
}

void TextOptionsDialog::FillFontList(const QString& face) {
  for (const QString& family : ScalableFaces()) {
    const int before = fonts_->count();
    fonts_->addItem(family);
    TAVOLO_CHECK_AS("dlg->m_fnts.AddString(lps) >= 0", fonts_->count() > before);
    fonts_->item(before)->setData(Qt::UserRole, family);
  }
  QList<QListWidgetItem*> found = fonts_->findItems(face, Qt::MatchExactly);
  if (found.isEmpty()) {
    // The box's own face is always in the list, selected, so that the list never chooses
    // another for it; a face that is not installed says so.
    auto* own =
        new QListWidgetItem(FaceInstalled(face) ? face : Tr("%1 (not installed)").arg(face));
    own->setData(Qt::UserRole, face);
    fonts_->insertItem(0, own);
    found = {own};
  }
  fonts_->setCurrentItem(found.front());
  fonts_->scrollToItem(found.front(), QAbstractItemView::PositionAtCenter);
}

void TextOptionsDialog::FillSizeList(const QString& size) {
  // Shown in points; the stored size stays as it is until another is chosen, so the box's own
  // size is listed with it.
  sizes_->addItems(FontPointChoices(Live()));
  const QString points = PointsText(FontSizePoints(size, Live()), locale());
  int index = sizes_->findText(points, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0 || TypedFontPoints(points, Live(), locale()) != size) {
    sizes_->addItem(points, size);
    index = sizes_->count() - 1;
  }
  sizes_->setCurrentIndex(index);
}

void TextOptionsDialog::ShowStyle() {
  styles_->addItems(FontStyleChoices());
  const int index =
      styles_->findText(Live().styles[box_].style, Qt::MatchExactly | Qt::MatchCaseSensitive);
  styles_->setCurrentIndex(index);
}

void TextOptionsDialog::Connect() {
  connect(sizes_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    const QVariant stored = sizes_->itemData(index);
    const std::optional<QString> size =
        stored.isValid() ? stored.toString()
                         : TypedFontPoints(sizes_->itemText(index), Live(), locale());
    if (size) ChangeStyle([&](TextBoxStyle& style) { style.size = *size; });
  });
  connect(sizes_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    const std::optional<QString> size = TypedFontPoints(text, Live(), locale());
    if (size) ChangeStyle([&](TextBoxStyle& style) { style.size = *size; });
  });
  connect(fonts_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item == nullptr) return;
    const QString face = item->data(Qt::UserRole).toString();
    ChangeStyle([&](TextBoxStyle& style) { style.face = face; });
  });
  connect(styles_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    const QString name = styles_->itemText(index);
    ChangeStyle([&](TextBoxStyle& style) { style.style = name; });
  });
  for (size_t mode = 0; mode < frameModes_.size(); ++mode) {
    connect(frameModes_[mode], &QRadioButton::toggled, this, [this, mode](bool checked) {
      if (!checked) return;
      ChangeStyle([&](TextBoxStyle& style) { style.frameMode = static_cast<int32_t>(mode); });
      EnableFrameControls(static_cast<int>(mode) != kFrameNone);
    });
  }
  connect(frameSize_, &QSpinBox::valueChanged, this,
          [this](int size) { ChangeStyle([&](TextBoxStyle& style) { style.frameSize = size; }); });
  connect(colourSwatches_, &ColourLine::clicked, this, [this] {
    const HslColour swatch = colourSwatches_->CurrentColour();
    const float brightness = SwatchBrightness(swatch);
    ChangeStyle([&](TextBoxStyle& style) {
      style.textColour = swatch;
      style.brightness = brightness;
    });
    brightness_->SetPosition(brightness);
  });
  connect(fill_, &ColourLine::clicked, this, [this] {
    const HslColour swatch = fill_->CurrentColour();
    ChangeStyle([&](TextBoxStyle& style) { style.frameColour = swatch; });
  });
  connect(opacity_, &Slider::clicked, this, [this] {
    const float opacity = opacity_->Position();
    ChangeStyle([&](TextBoxStyle& style) { style.opacity = opacity; });
  });
  connect(brightness_, &Slider::clicked, this, [this] {
    const float brightness = brightness_->Position();
    ChangeStyle([&](TextBoxStyle& style) { style.brightness = brightness; });
  });
  connect(shrinkToFit_, &QCheckBox::toggled, this, [this](bool on) {
    ChangeLive([&](CardState& card) { SetShrinkToFit(card, box_, on); });
  });
  const auto align = [this](auto&& change) {
    ChangeLive([&](CardState& card) {
      if (!card.alignments) card.alignments.emplace();
      change((*card.alignments)[static_cast<size_t>(box_)]);
    });
  };
  connect(horizontal_, &QComboBox::currentIndexChanged, this, [align](int index) {
    align([&](BoxAlignment& box) { box.horizontal = static_cast<HorizontalAlign>(index); });
  });
  connect(vertical_, &QComboBox::currentIndexChanged, this, [align](int index) {
    align([&](BoxAlignment& box) {
      box.vertical =
          index > 0 ? std::optional(static_cast<VerticalAlign>(index - 1)) : std::nullopt;
    });
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void TextOptionsDialog::EnableFrameControls(bool enabled) {
  fill_->setEnabled(enabled);
  frameSize_->setEnabled(enabled);
  opacity_->setEnabled(enabled);
}

}  // namespace tavolo
