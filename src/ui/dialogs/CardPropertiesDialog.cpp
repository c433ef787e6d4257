#include "ui/dialogs/CardPropertiesDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/editing/CardSize.h"
#include "core/print/LengthDisplay.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/base/Prompts.h"

namespace tavolo {

namespace {

constexpr int kEditWidth = 90;

QComboBox* UnitList(QWidget* parent, int id) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::number(id));
  for (const char* name : kSizeUnitNames) list->addItem(QString::fromLatin1(name));
  return list;
}

}  // namespace

CardPropertiesDialog::CardPropertiesDialog(const CardState* card, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
  setWindowTitle(Tr("Card properties"));
  if (card != nullptr) {
    const QLocale::MeasurementSystem system = locale().measurementSystem();
    choice_ = {card->cardWidth, card->cardHeight, card->dpi, ShownSizeUnit(card->widthUnit, system),
               ShownSizeUnit(card->heightUnit, system)};
  }

  width_ = new QLineEdit(this);
  width_->setObjectName(QStringLiteral("1062"));
  widthUnit_ = UnitList(this, 1059);
  height_ = new QLineEdit(this);
  height_->setObjectName(QStringLiteral("1063"));
  heightUnit_ = UnitList(this, 1060);
  dpi_ = new QComboBox(this);
  dpi_->setObjectName(QStringLiteral("1061"));
  for (int dpi : ResolutionChoices(choice_.dpi)) dpi_->addItem(QString::number(dpi));
  dpi_->setCurrentText(QString::number(choice_.dpi));
  widthUnit_->setCurrentIndex(choice_.widthUnit);
  heightUnit_->setCurrentIndex(choice_.heightUnit);
  for (QLineEdit* edit : {width_, height_}) edit->setFixedWidth(kEditWidth);

  auto* grid = new QGridLayout;
  const auto row = [&](int r, const QString& text, QWidget* field, QWidget* unit) {
    auto* label = new QLabel(text, this);
    label->setBuddy(field);
    grid->addWidget(label, r, 0);
    grid->addWidget(field, r, 1);
    if (unit != nullptr) grid->addWidget(unit, r, 2);
  };
  row(0, Tr("&Width:"), width_, widthUnit_);
  row(1, Tr("&Height:"), height_, heightUnit_);
  row(2, Tr("&DPI:"), dpi_, nullptr);
  grid->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancel(*this, *buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(width_, widthUnit_);
  setTabOrder(widthUnit_, height_);
  setTabOrder(height_, heightUnit_);
  setTabOrder(heightUnit_, dpi_);

  Display();
  connect(widthUnit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
    choice_.widthUnit = unit;
    Display();
  });
  connect(heightUnit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
    choice_.heightUnit = unit;
    Display();
  });
  connect(dpi_, &QComboBox::currentIndexChanged, this, &CardPropertiesDialog::Display);
  connect(width_, &QLineEdit::textEdited, this, [this] { Edited(width_); });
  connect(height_, &QLineEdit::textEdited, this, [this] { Edited(height_); });
}

float CardPropertiesDialog::SelectedDpi() const {
  return dpi_->currentText().toFloat();
}

void CardPropertiesDialog::Display() {
  const float dpi = SelectedDpi();
  const QSignalBlocker blockWidth(width_);
  const QSignalBlocker blockHeight(height_);
  width_->setText(DisplayText(PixelsToShown(choice_.width, choice_.widthUnit, dpi), locale()));
  height_->setText(DisplayText(PixelsToShown(choice_.height, choice_.heightUnit, dpi), locale()));
}

void CardPropertiesDialog::Edited(QLineEdit* edit) {
  // A value that is not a number (yet) keeps the previous one until OK asks for a number.
  const std::optional<double> shown = ParseLocalNumber(edit->text(), locale());
  if (!shown) return;
  const bool width = edit == width_;
  const float pixels = ShownToPixels(static_cast<float>(*shown),
                                     width ? choice_.widthUnit : choice_.heightUnit, SelectedDpi());
  (width ? choice_.width : choice_.height) = pixels;
}

void CardPropertiesDialog::Tell(const QString& text) {
  prompts_.Tell(this, text, QMessageBox::Warning);
}

void CardPropertiesDialog::accept() {
  for (QLineEdit* edit : {width_, height_}) {
    if (!ParseLocalNumber(edit->text(), locale())) {
      Tell(Tr("Please enter a number."));
      edit->setFocus();
      edit->selectAll();
      return;
    }
  }
  const int dpi = static_cast<int>(SelectedDpi());
  if (const Outcome<> size = CheckCardSize(choice_.width, choice_.height, dpi); !size) {
    Tell(QString::fromStdString(size.Message()));
    return;
  }
  choice_.dpi = dpi;
  QDialog::accept();
}

}  // namespace tavolo
