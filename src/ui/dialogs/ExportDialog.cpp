#include "ui/dialogs/ExportDialog.h"

#include <algorithm>
#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/formats/ExportFormats.h"
#include "ui/base/OkCancelButtons.h"

namespace tavolo {

namespace {

// The radio buttons' ids, in the order of kExportFormats.
constexpr std::array<int, kExportFormats.size()> kFormatIds = {1054, 1055, 1056, 1051,
                                                               1052, 1050, 1053};
constexpr int kRowsPerColumn = 4;
constexpr int kQualityId = 1082;
constexpr int kQualityWidth = 64;

}  // namespace

ExportDialog::ExportDialog(int format, int quality, QWidget* parent)
    : QDialog(parent), format_(ExportFormatOf(format).format) {
  setWindowTitle(Tr("Export Options"));

  auto* group = new QGroupBox(Tr("Export file format"), this);
  auto* radios = new QGridLayout(group);
  auto* exclusive = new QButtonGroup(this);
  for (size_t i = 0; i < kExportFormats.size(); ++i) {
    const ExportFormatInfo& info = kExportFormats[i];
    auto* button = new QRadioButton(QString::fromLatin1(info.label), group);
    button->setObjectName(QString::number(kFormatIds[i]));
    exclusive->addButton(button);
    radios->addWidget(button, static_cast<int>(i) % kRowsPerColumn,
                      static_cast<int>(i) / kRowsPerColumn);
    buttons_[info.format] = button;
    connect(button, &QRadioButton::toggled, this, [this, f = info.format](bool on) {
      if (on) Choose(f);
    });
  }

  quality_ = new QSpinBox(group);
  quality_->setObjectName(QString::number(kQualityId));
  quality_->setRange(kMinExportQuality, kMaxExportQuality);
  quality_->setValue(std::clamp(quality, kMinExportQuality, kMaxExportQuality));
  quality_->setFixedWidth(kQualityWidth);
  auto* qualityLabel = new QLabel(Tr("&Quality"), group);
  qualityLabel->setBuddy(quality_);
  radios->addWidget(qualityLabel, 0, 2);
  radios->addWidget(quality_, 1, 2);
  radios->setColumnMinimumWidth(2, kQualityWidth);
  radios->setHorizontalSpacing(16);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancel(*this, *buttons);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  buttons_.at(format_)->setChecked(true);
  Choose(format_);
}

int ExportDialog::Quality() const {
  return quality_->value();
}

void ExportDialog::Choose(int format) {
  format_ = format;
  const bool quality = ExportFormatOf(format).takesQuality;
  quality_->setEnabled(quality);
}

}  // namespace tavolo
