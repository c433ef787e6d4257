#include "ui/templates/TemplateNameDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/library/TemplateWriter.h"

namespace tavolo {

namespace {

constexpr int kNameLength = 100;
constexpr int kMinimumWidth = 380;

}  // namespace

TemplateNameDialog::TemplateNameDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Tr("Save Template"));
  setMinimumWidth(kMinimumWidth);
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(Tr("Save the card as a template named:"), this);
  name_ = new QLineEdit(this);
  name_->setMaxLength(kNameLength);
  prompt->setBuddy(name_);
  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  QPalette warning = problem_->palette();
  warning.setColor(QPalette::WindowText, QColor(170, 30, 30));
  problem_->setPalette(warning);
  auto* where = new QLabel(Tr("Templates are kept in %1; \"New from Template...\" lists them.")
                               .arg(QString::fromStdString(TemplatesFolder().user.string())),
                           this);
  where->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  save_ = buttons->button(QDialogButtonBox::Save);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(name_, &QLineEdit::textChanged, this, &TemplateNameDialog::ShowProblem);

  layout->addWidget(prompt);
  layout->addWidget(name_);
  layout->addWidget(problem_);
  layout->addWidget(where);
  layout->addWidget(buttons);
  ShowProblem();
}

QString TemplateNameDialog::Name() const {
  return name_->text().trimmed();
}

QString TemplateNameDialog::Problem() const {
  return QString::fromStdString(CheckTemplateTitle(Name()).Message());
}

void TemplateNameDialog::accept() {
  if (Problem().isEmpty()) QDialog::accept();
}

void TemplateNameDialog::ShowProblem() {
  const QString problem = Problem();
  // An empty field needs no scolding: the disabled button says enough.
  problem_->setText(Name().isEmpty() ? QString() : problem);
  save_->setEnabled(problem.isEmpty());
}

}  // namespace tavolo
