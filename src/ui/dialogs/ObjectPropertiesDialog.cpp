#include "ui/dialogs/ObjectPropertiesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/base/ColourModel.h"
#include "core/base/Translation.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/controls/ColourLine.h"
#include "ui/dialogs/DialogControls.h"

namespace tavolo {

namespace {

// The largest stroke width and corner radius offered, card pixels.
constexpr double kMaxShownStroke = 200.0;
constexpr double kMaxCornerRadius = 1000.0;

}  // namespace

ObjectPropertiesDialog::ObjectPropertiesDialog(CardView& preview, ObjectRef object, QWidget* parent)
    : LiveEditDialog(preview, parent), object_(object) {
  setWindowTitle(Tr("Object Properties"));
  auto* layout = new QVBoxLayout(this);
  const CardState& card = Live();
  if (object.added >= 0 && static_cast<size_t>(object.added) < card.objects.size()) {
    const ObjectSource& source = card.objects[static_cast<size_t>(object.added)].source;
    if (const auto* text = std::get_if<TextSource>(&source)) BuildText(*text);
    if (const auto* shape = std::get_if<ShapeSource>(&source)) BuildShape(*shape);
  }
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(*this, *row);
  layout->addLayout(row);
}

template <class Source, class Change>
void ObjectPropertiesDialog::ChangeSource(Change&& change) {
  ChangeLive([&](CardState& live) {
    if (object_.added < 0 || static_cast<size_t>(object_.added) >= live.objects.size()) return;
    if (auto* source =
            std::get_if<Source>(&live.objects[static_cast<size_t>(object_.added)].source)) {
      change(*source);
    }
  });
}

void ObjectPropertiesDialog::BuildText(const TextSource& text) {
  lines_ = new QPlainTextEdit(this);
  QStringList shown;
  for (int i = 0; i < text.lines.count; ++i) shown << text.lines.line[static_cast<size_t>(i)];
  lines_->setPlainText(shown.join(QLatin1Char('\n')));
  auto* form = new QFormLayout;
  form->addRow(MakeLabel(this, Tr("&Lines"), lines_), lines_);
  horizontal_ = MakeHorizontalAlignment(this);
  horizontal_->setCurrentIndex(static_cast<int>(text.horizontal));
  form->addRow(MakeLabel(this, Tr("Horizon&tal"), horizontal_), horizontal_);
  vertical_ = MakeVerticalAlignment(this);
  vertical_->setCurrentIndex(static_cast<int>(text.vertical));
  form->addRow(MakeLabel(this, Tr("&Vertical"), vertical_), vertical_);
  static_cast<QVBoxLayout*>(layout())->addLayout(form);
  connect(horizontal_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ChangeSource<TextSource>(
        [&](TextSource& source) { source.horizontal = static_cast<HorizontalAlign>(index); });
  });
  connect(vertical_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ChangeSource<TextSource>(
        [&](TextSource& source) { source.vertical = static_cast<VerticalAlign>(index); });
  });
  connect(lines_, &QPlainTextEdit::textChanged, this, [this] {
    const QStringList typed = lines_->toPlainText().split(QLatin1Char('\n'));
    ChangeSource<TextSource>([&](TextSource& source) { source.lines = KeptLines(typed); });
  });
}

void ObjectPropertiesDialog::BuildShape(const ShapeSource& shape) {
  auto* form = new QFormLayout;
  stroke_ = MakeSwatches(this, 0);
  stroke_->setObjectName(QStringLiteral("strokeColour"));
  form->addRow(MakeLabel(this, Tr("Stroke &color"), stroke_), stroke_);
  strokeWidth_ = new QDoubleSpinBox(this);
  strokeWidth_->setRange(0.0, kMaxShownStroke);
  strokeWidth_->setSuffix(QStringLiteral(" px"));
  strokeWidth_->setValue(shape.strokeWidth);
  form->addRow(MakeLabel(this, Tr("Stroke &width"), strokeWidth_), strokeWidth_);
  filled_ = new QCheckBox(Tr("&Filled"), this);
  filled_->setChecked(shape.fill.has_value());
  form->addRow(QString(), filled_);
  fill_ = MakeSwatches(this, 0);
  fill_->setObjectName(QStringLiteral("fillColour"));
  fill_->setEnabled(shape.fill.has_value());
  form->addRow(MakeLabel(this, Tr("F&ill color"), fill_), fill_);
  const CardState& card = Live();
  if (card.objects[static_cast<size_t>(object_.added)].kind == ObjectKind::kRectangle) {
    cornerRadius_ = new QDoubleSpinBox(this);
    cornerRadius_->setRange(0.0, kMaxCornerRadius);
    cornerRadius_->setSuffix(QStringLiteral(" px"));
    cornerRadius_->setValue(shape.cornerRadius);
    form->addRow(MakeLabel(this, Tr("Corner &radius"), cornerRadius_), cornerRadius_);
    connect(cornerRadius_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
      ChangeSource<ShapeSource>(
          [&](ShapeSource& source) { source.cornerRadius = static_cast<float>(value); });
    });
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(form);

  connect(stroke_, &ColourLine::clicked, this, [this] {
    const QRgb colour = PickedColour(*stroke_);
    ChangeSource<ShapeSource>([&](ShapeSource& source) { source.stroke = colour; });
  });
  connect(strokeWidth_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    ChangeSource<ShapeSource>(
        [&](ShapeSource& source) { source.strokeWidth = static_cast<float>(value); });
  });
  connect(filled_, &QCheckBox::toggled, this, [this](bool on) {
    fill_->setEnabled(on);
    // A fill turned on is white until a colour is picked, as a new shape's.
    ChangeSource<ShapeSource>([&](ShapeSource& source) {
      if (!on) {
        source.fill.reset();
      } else if (!source.fill) {
        source.fill = qRgb(255, 255, 255);
      }
    });
  });
  connect(fill_, &ColourLine::clicked, this, [this] {
    const QRgb colour = PickedColour(*fill_);
    ChangeSource<ShapeSource>([&](ShapeSource& source) { source.fill = colour; });
  });
}

}  // namespace tavolo
