#include "ui/base/OkCancelButtons.h"

#include "core/base/Translation.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace tavolo {

namespace {

constexpr int kCancelId = 2;

}  // namespace

void AddOkCancel(QDialog& dialog, QBoxLayout& row, const QString& okText, int okId) {
  auto* ok = new QPushButton(okText, &dialog);
  ok->setObjectName(QString::number(okId));
  ok->setDefault(true);
  auto* cancel = new QPushButton(Tr("Cancel"), &dialog);
  cancel->setObjectName(QString::number(kCancelId));
  cancel->setAutoDefault(false);
  // accept() and reject() are virtual: a dialog's own checks on OK run.
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  row.addWidget(ok);
  row.addWidget(cancel);
}

}  // namespace tavolo
