// The print dialog's print-shop options: how a card of another size than the layout's is printed,
// the bleed, the crop marks, PDF/X-4 for a PDF, and the printer's calibration (offset and scale)
// with its page.
#pragma once

#include <QGroupBox>
#include <QString>

#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace tavolo {

struct PrintShopChoice {
  bool printAtCardSize = false;  // a card of another size is printed at its own size
  PrintShopOptions shop{};
  PrinterCalibration calibration{};
  bool pdfx = false;  // a PDF is written as PDF/X-4
};

class PrintShopGroup : public QGroupBox {
  Q_OBJECT

 public:
  enum Control : int {
    kUseSheetSize = 1080,
    kPrintAtCardSize = 1081,
    kBleed = 1082,
    kCropMarks = 1083,
    kOffsetX = 1084,
    kOffsetY = 1085,
    kScale = 1086,
    kPrintCalibrationPage = 1087,
    kPdfX = 1091,
  };

  // Starts with no bleed, no crop marks and the printer's `calibration`.
  PrintShopGroup(const PrinterCalibration& calibration, QWidget* parent);

  PrintShopChoice Choice() const;
  // Whether "PDF/X-4" can be chosen: only a PDF is written as one.
  void OfferPdfX(bool offered);
  // Shows `fit` (why the card and the layout differ; empty hides the choice) with "Use the
  // sheet's card size" enabled when the card can take it, and `problem` (empty for none).
  void ShowState(const QString& fit, bool canTakeSheetSize, const QString& problem);

 Q_SIGNALS:
  void changed(const PrintShopChoice& choice);
  void calibrationChanged(const PrinterCalibration& calibration);
  void useSheetSizeClicked();
  void calibrationPageClicked();

 private:
  QLabel* fitMessage_ = nullptr;
  QPushButton* useSheetSize_ = nullptr;
  QCheckBox* printAtCardSize_ = nullptr;
  QDoubleSpinBox* bleed_ = nullptr;
  QCheckBox* cropMarks_ = nullptr;
  QCheckBox* pdfx_ = nullptr;
  QDoubleSpinBox* offsetX_ = nullptr;
  QDoubleSpinBox* offsetY_ = nullptr;
  QDoubleSpinBox* scale_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace tavolo
