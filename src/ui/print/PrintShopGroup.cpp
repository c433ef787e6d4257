#include "ui/print/PrintShopGroup.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/base/Translation.h"
#include "ui/base/DialogLabels.h"

namespace tavolo {

PrintShopGroup::PrintShopGroup(const PrinterCalibration& calibration, QWidget* parent)
    : QGroupBox(Tr("Print shop and printer calibration"), parent) {
  auto* grid = new QGridLayout(this);
  const auto spin = [this](int id, double low, double high, double step, const QString& suffix,
                           double value) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(ControlName(id));
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setDecimals(1);
    box->setSuffix(suffix);
    box->setValue(value);
    return box;
  };
  const auto told = [this] { Q_EMIT changed(Choice()); };

  // Each message takes up to two lines; the group keeps room for them.
  const int twoLines = 2 * fontMetrics().lineSpacing();
  fitMessage_ = new QLabel(this);
  fitMessage_->setWordWrap(true);
  fitMessage_->setMinimumHeight(twoLines);
  // Taking the sheet's size changes the card (one step to undo); printing at the card's own
  // size is a choice for this printing only.
  useSheetSize_ = new QPushButton(Tr("Use the sheet's card size"), this);
  useSheetSize_->setObjectName(ControlName(kUseSheetSize));
  useSheetSize_->setAutoDefault(false);
  printAtCardSize_ = new QCheckBox(Tr("Print at the card's size"), this);
  printAtCardSize_->setObjectName(ControlName(kPrintAtCardSize));
  grid->addWidget(fitMessage_, 0, 0, 1, 4);
  grid->addWidget(useSheetSize_, 1, 0, 1, 2);
  grid->addWidget(printAtCardSize_, 1, 2, 1, 2);
  connect(useSheetSize_, &QPushButton::clicked, this, &PrintShopGroup::useSheetSizeClicked);
  connect(printAtCardSize_, &QCheckBox::toggled, this, told);

  bleed_ = spin(kBleed, 0.0, kMaxBleedMm, 0.5, QStringLiteral(" mm"), 0.0);
  bleed_->setToolTip(Tr("How far the card's edges are printed past the cut"));
  cropMarks_ = new QCheckBox(Tr("Crop mar&ks"), this);
  cropMarks_->setObjectName(ControlName(kCropMarks));
  pdfx_ = new QCheckBox(Tr("PDF/X-&4"), this);
  pdfx_->setObjectName(ControlName(kPdfX));
  pdfx_->setToolTip(
      Tr("The PDF is written as PDF/X-4, which a print shop's preflight checks: "
         "the sRGB output intent, the page boxes, every font embedded"));
  grid->addWidget(MakeLabel(this, Tr("&Bleed:"), bleed_), 2, 0);
  grid->addWidget(bleed_, 2, 1);
  grid->addWidget(cropMarks_, 2, 2);
  grid->addWidget(pdfx_, 2, 3);
  connect(bleed_, &QDoubleSpinBox::valueChanged, this, told);
  connect(cropMarks_, &QCheckBox::toggled, this, told);
  connect(pdfx_, &QCheckBox::toggled, this, told);

  offsetX_ = spin(kOffsetX, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.1,
                  QStringLiteral(" mm"), calibration.offsetXMm);
  offsetY_ = spin(kOffsetY, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.1,
                  QStringLiteral(" mm"), calibration.offsetYMm);
  scale_ = spin(kScale, kMinCalibrationScalePercent, kMaxCalibrationScalePercent, 0.1,
                QStringLiteral(" %"), calibration.scalePercent);
  grid->addWidget(MakeLabel(this, Tr("Offset &X:"), offsetX_), 3, 0);
  grid->addWidget(offsetX_, 3, 1);
  grid->addWidget(MakeLabel(this, Tr("Offset &Y:"), offsetY_), 3, 2);
  grid->addWidget(offsetY_, 3, 3);
  grid->addWidget(MakeLabel(this, Tr("Scal&e:"), scale_), 4, 0);
  grid->addWidget(scale_, 4, 1);
  for (QDoubleSpinBox* box : {offsetX_, offsetY_, scale_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, told] {
      Q_EMIT calibrationChanged(Choice().calibration);
      told();
    });
  }
  auto* calibrationPage = new QPushButton(Tr("Print Calibration Pa&ge"), this);
  calibrationPage->setObjectName(ControlName(kPrintCalibrationPage));
  calibrationPage->setAutoDefault(false);
  connect(calibrationPage, &QPushButton::clicked, this, &PrintShopGroup::calibrationPageClicked);
  grid->addWidget(calibrationPage, 4, 2, 1, 2, Qt::AlignRight);

  problem_ = MakeWarningLabel(this);
  problem_->setMinimumHeight(twoLines);
  grid->addWidget(problem_, 5, 0, 1, 4);
}

PrintShopChoice PrintShopGroup::Choice() const {
  return {printAtCardSize_->isChecked(),
          {bleed_->value(), cropMarks_->isChecked()},
          Clamped({offsetX_->value(), offsetY_->value(), scale_->value()}),
          pdfx_->isEnabled() && pdfx_->isChecked()};
}

void PrintShopGroup::OfferPdfX(bool offered) {
  pdfx_->setEnabled(offered);
}

void PrintShopGroup::ShowState(const QString& fit, bool canTakeSheetSize, const QString& problem) {
  fitMessage_->setText(fit);
  for (QWidget* widget : {static_cast<QWidget*>(fitMessage_), static_cast<QWidget*>(useSheetSize_),
                          static_cast<QWidget*>(printAtCardSize_)}) {
    widget->setVisible(!fit.isEmpty());
  }
  useSheetSize_->setEnabled(canTakeSheetSize);
  problem_->setText(problem);
}

}  // namespace tavolo
