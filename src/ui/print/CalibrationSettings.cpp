#include "ui/print/CalibrationSettings.h"

#include <QUrl>

#include "ui/base/UserSettings.h"

namespace tavolo {

namespace {

// A printer's name may hold a slash, which QSettings takes for a group.
QString Group(const QString& printerName) {
  const QString name = printerName.isEmpty() ? QStringLiteral("PDF") : printerName;
  return QStringLiteral("calibration/") + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

}  // namespace

PrinterCalibration LoadCalibration(const QString& printerName) {
  const auto settings = UserSettings();
  settings->beginGroup(Group(printerName));
  PrinterCalibration calibration;
  calibration.offsetXMm = settings->value(QStringLiteral("offsetX"), 0.0).toDouble();
  calibration.offsetYMm = settings->value(QStringLiteral("offsetY"), 0.0).toDouble();
  calibration.scalePercent = settings->value(QStringLiteral("scale"), 100.0).toDouble();
  return Clamped(calibration);
}

void SaveCalibration(const QString& printerName, const PrinterCalibration& calibration) {
  const PrinterCalibration held = Clamped(calibration);
  const auto settings = UserSettings();
  settings->beginGroup(Group(printerName));
  settings->setValue(QStringLiteral("offsetX"), held.offsetXMm);
  settings->setValue(QStringLiteral("offsetY"), held.offsetYMm);
  settings->setValue(QStringLiteral("scale"), held.scalePercent);
}

}  // namespace tavolo
