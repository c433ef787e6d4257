#include "ui/app/FatalErrorDialog.h"

#include "core/base/Translation.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>

namespace tavolo {

namespace {

// The dialog is laid out in dialog units of the classic 8-point dialog font: 6 x 13 pixel base
// units, so one unit is 1.5 pixels across and 1.625 pixels down.
int Across(int units) {
  return units * 3 / 2;
}
int Down(int units) {
  return (units * 13 + 4) / 8;
}

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

}  // namespace

FatalErrorDialog::FatalErrorDialog(const std::string& report, QWidget* parent)
    : QDialog(parent), report_(new QPlainTextEdit(this)) {
  setWindowTitle(Tr("Fatal Error"));
  setFixedSize(Across(236), Down(172));

  QString text = QString::fromStdString(report);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  report_->setPlainText(text);
  report_->setReadOnly(true);
  report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  report_->setGeometry(Across(7), Down(7), Across(222), Down(133));

  auto* retry = new QPushButton(Tr("Retry"), this);
  retry->setGeometry(Across(126), Down(151), Across(kButtonWidth), Down(kButtonHeight));
  retry->setDefault(true);
  auto* cancel = new QPushButton(Tr("Cancel"), this);
  cancel->setGeometry(Across(180), Down(151), Across(kButtonWidth), Down(kButtonHeight));
  connect(retry, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  retry->setFocus();
}

QString FatalErrorDialog::ReportText() const {
  return report_->toPlainText();
}

FatalChoice ShowFatalErrorDialog(const std::string& report) {
  FatalErrorDialog dialog(report, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted ? FatalChoice::Retry : FatalChoice::Cancel;
}

void InstallFatalErrorDialog() {
  SetFatalErrorReporter(
      [fallback = StderrReporter(FatalChoice::Cancel)](const std::string& report) {
        QCoreApplication* app = QCoreApplication::instance();
        if (qobject_cast<QApplication*>(app) == nullptr) return fallback(report);
        if (QThread::currentThread() == app->thread()) return ShowFatalErrorDialog(report);
        // A check failing on a worker (the start-up's reading) is shown by the user-interface
        // thread, which the worker waits for.
        FatalChoice choice = FatalChoice::Cancel;
        QMetaObject::invokeMethod(
            app, [&choice, &report] { choice = ShowFatalErrorDialog(report); },
            Qt::BlockingQueuedConnection);
        return choice;
      });
}

}  // namespace tavolo
