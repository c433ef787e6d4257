#include "ui/dialogs/QrCodeDialog.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/base/ColourModel.h"
#include "core/base/Translation.h"
#include "core/editing/QrPlacement.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/qr/QrContentText.h"
#include "core/qr/QrSymbol.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/controls/ColourLine.h"
#include "ui/dialogs/DialogControls.h"

namespace tavolo {

namespace {

constexpr int kPreviewPixels = 180;
constexpr int kMinSideMm = 10;
constexpr int kTextHeight = 70;

}  // namespace

QrCodeDialog::QrCodeDialog(CardView& preview, QWidget* parent) : LiveEditDialog(preview, parent) {
  setWindowTitle(Tr("QR Code"));
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  layout->addLayout(columns);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  columns->addLayout(form);

  auto* content = new QVBoxLayout;
  contact_ = new QRadioButton(Tr("&Contact details"), this);
  website_ = new QRadioButton(Tr("&Website"), this);
  text_ = new QRadioButton(Tr("&Free text"), this);
  auto* group = new QButtonGroup(this);
  for (QRadioButton* button : {contact_, website_, text_}) {
    group->addButton(button);
    content->addWidget(button);
  }
  freeText_ = new QPlainTextEdit(this);
  freeText_->setFixedHeight(kTextHeight);
  content->addWidget(freeText_);
  form->addRow(Tr("Content"), content);

  dark_ = MakeSwatches(this, 0);
  dark_->setObjectName(QStringLiteral("darkColour"));
  light_ = MakeSwatches(this, 0);
  light_->setObjectName(QStringLiteral("lightColour"));
  lightOnDark_ = new QCheckBox(Tr("Light on d&ark"), this);
  form->addRow(MakeLabel(this, Tr("Da&rk color"), dark_), dark_);
  form->addRow(MakeLabel(this, Tr("&Light color"), light_), light_);
  form->addRow(QString(), lightOnDark_);
  size_ = new QSpinBox(this);
  size_->setSuffix(QStringLiteral(" mm"));
  form->addRow(MakeLabel(this, Tr("&Size"), size_), size_);

  auto* shown = new QVBoxLayout;
  preview_ = new QLabel(this);
  preview_->setFixedSize(kPreviewPixels, kPreviewPixels);
  preview_->setAlignment(Qt::AlignCenter);
  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  problem_->setFixedWidth(kPreviewPixels);
  shown->addWidget(preview_);
  shown->addWidget(problem_);
  shown->addStretch();
  columns->addLayout(shown);

  auto* row = new QHBoxLayout;
  auto* remove = new QPushButton(Tr("R&emove"), this);
  remove->setObjectName(QStringLiteral("remove"));
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this, &QrCodeDialog::Remove);
  row->addWidget(remove);
  row->addStretch();
  AddOkCancel(*this, *row);
  layout->addLayout(row);

  // A card without a code shows the new one from the start, in a corner where it covers no text
  // or picture; when there is none, the user is told where it went.
  const CardState& card = Live();
  std::optional<PlacedQrCode> placed = card.qrCode;
  if (!placed) {
    placed = PlaceNewQrCode(Document().Renderer(), card);
    if (!placed) {
      placed = NewQrCode(card.cardWidth, card.cardHeight);
      placement_ = new QLabel(Tr("No corner of the card is free of text and pictures: the code "
                                 "covers part of them in the lower right corner. Drag it where "
                                 "it belongs on the card."),
                              this);
      placement_->setWordWrap(true);
      layout->insertWidget(1, placement_);
    }
  }
  const PlacedQrCode code = *placed;
  ChangeLive([&](CardState& live) { live.qrCode = code; });
  ContentButton(code.content)->setChecked(true);
  freeText_->setPlainText(code.freeText);
  freeText_->setEnabled(code.content == QrContent::kFreeText);
  lightOnDark_->setChecked(code.lightOnDark);
  const auto largest = static_cast<int>(
      QrSideMillimetres(std::min({card.cardWidth, card.cardHeight, kMaxQrSide}), card.dpi));
  size_->setRange(kMinSideMm, std::max(kMinSideMm, largest));
  size_->setValue(static_cast<int>(std::lround(QrSideMillimetres(code.side, card.dpi))));
  ShowCode();
  // Connected only now: filling the controls above changes nothing.
  Connect();
}

QRadioButton* QrCodeDialog::ContentButton(QrContent content) const {
  switch (content) {
    case QrContent::kWebsite:
      return website_;
    case QrContent::kFreeText:
      return text_;
    case QrContent::kContactDetails:
      break;
  }
  return contact_;
}

void QrCodeDialog::Connect() {
  for (const QrContent content :
       {QrContent::kContactDetails, QrContent::kWebsite, QrContent::kFreeText}) {
    connect(ContentButton(content), &QRadioButton::toggled, this, [this, content](bool on) {
      if (!on) return;
      freeText_->setEnabled(content == QrContent::kFreeText);
      ChangeCode([&](PlacedQrCode& code) { code.content = content; });
    });
  }
  connect(freeText_, &QPlainTextEdit::textChanged, this, [this] {
    const QString text = KeptQrFreeText(freeText_->toPlainText());
    ChangeCode([&](PlacedQrCode& code) { code.freeText = text; });
  });
  connect(dark_, &ColourLine::clicked, this, [this] {
    const QRgb colour = PickedColour(*dark_);
    ChangeCode([&](PlacedQrCode& code) { code.dark = colour; });
  });
  connect(light_, &ColourLine::clicked, this, [this] {
    const QRgb colour = PickedColour(*light_);
    ChangeCode([&](PlacedQrCode& code) { code.light = colour; });
  });
  connect(lightOnDark_, &QCheckBox::toggled, this,
          [this](bool on) { ChangeCode([&](PlacedQrCode& code) { code.lightOnDark = on; }); });
  connect(size_, &QSpinBox::valueChanged, this, [this](int millimetres) {
    const float side = QrSideFromMillimetres(millimetres, Live().dpi);
    ChangeCode([&](PlacedQrCode& code) { code.side = side; });
  });
}

void QrCodeDialog::ShowCode() {
  const std::optional<PlacedQrCode>& code = Live().qrCode;
  if (!code) return;
  const Outcome<QString> text = QrContentText(Live(), *code);
  const Outcome<QrSymbol> symbol =
      text ? EncodeQrSymbol(text.Value()) : Outcome<QrSymbol>(Failure{text.Message()});
  if (!symbol) {
    preview_->clear();
    problem_->setText(QString::fromStdString(symbol.Message()));
    return;
  }
  preview_->setPixmap(QPixmap::fromImage(QrCodeImage(symbol.Value(), *code, kPreviewPixels)));
  problem_->clear();
}

void QrCodeDialog::Remove() {
  ChangeLive([](CardState& card) { card.qrCode.reset(); });
  accept();
}

}  // namespace tavolo
