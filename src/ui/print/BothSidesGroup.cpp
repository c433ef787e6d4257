#include "ui/print/BothSidesGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include "core/base/Translation.h"
#include "ui/base/DialogLabels.h"

namespace tavolo {

BothSidesGroup::BothSidesGroup(QWidget* parent) : QGroupBox(Tr("Two-sided printing"), parent) {
  bothSides_ = new QCheckBox(Tr("Both sides"), this);
  bothSides_->setObjectName(ControlName(kBothSides));
  bothSides_->setEnabled(false);
  bothSides_->setToolTip(Tr("Each sheet is followed by a page of the cards' backs"));
  flip_ = new QComboBox(this);
  flip_->setObjectName(ControlName(kDuplexFlip));
  flip_->addItem(Tr("Long edge"), static_cast<int>(DuplexFlip::kLongEdge));
  flip_->addItem(Tr("Short edge"), static_cast<int>(DuplexFlip::kShortEdge));
  flip_->setToolTip(Tr("The edge the printer turns the sheet over"));
  flip_->setEnabled(false);
  auto* row = new QHBoxLayout(this);
  row->addWidget(bothSides_);
  row->addWidget(flip_);
  row->addStretch(1);
  connect(bothSides_, &QCheckBox::toggled, this, &BothSidesGroup::OnChange);
  connect(flip_, &QComboBox::currentIndexChanged, this, &BothSidesGroup::OnChange);
}

void BothSidesGroup::Offer() {
  bothSides_->setEnabled(true);
}

BothSidesChoice BothSidesGroup::Choice() const {
  return {bothSides_->isEnabled() && bothSides_->isChecked(),
          static_cast<DuplexFlip>(flip_->currentData().toInt())};
}

void BothSidesGroup::OnChange() {
  const BothSidesChoice choice = Choice();
  flip_->setEnabled(choice.bothSides);
  Q_EMIT changed(choice);
}

}  // namespace tavolo
