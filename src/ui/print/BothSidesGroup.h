// The print dialog's choice for a card with a back: "Both sides", each sheet followed by a page
// of the backs, and the edge the printer turns the sheet over.
#pragma once

#include <QGroupBox>

#include "core/print/DuplexFlip.h"

class QCheckBox;
class QComboBox;

namespace tavolo {

struct BothSidesChoice {
  bool bothSides = false;
  DuplexFlip flip = DuplexFlip::kLongEdge;  // of the choice, whether both sides are printed or not
  // The flip of the job: none unless both sides are printed.
  DuplexFlip JobFlip() const { return bothSides ? flip : DuplexFlip::kNone; }
};

class BothSidesGroup : public QGroupBox {
  Q_OBJECT

 public:
  enum Control : int {
    kBothSides = 1088,
    kDuplexFlip = 1089,  // the edge the sheet is turned over: long, short
  };

  // Disabled until the card is known to have a back (Offer).
  explicit BothSidesGroup(QWidget* parent);

  // The card has a back: "Both sides" can be checked.
  void Offer();
  BothSidesChoice Choice() const;

 Q_SIGNALS:
  void changed(const BothSidesChoice& choice);

 private:
  void OnChange();

  QCheckBox* bothSides_ = nullptr;
  QComboBox* flip_ = nullptr;
};

}  // namespace tavolo
