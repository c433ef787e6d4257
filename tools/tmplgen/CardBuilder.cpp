#include "CardBuilder.h"

#include <algorithm>

namespace tavolo::tmplgen {

namespace {

constexpr float kLightnessScale = 240.0f;

// "Rosemary & Rye" → "rosemary-rye": a plain file name from a title.
QString Slug(const QString& title) {
  QString slug;
  for (const QChar c : title.toLower()) {
    if (c.isLetterOrNumber() && c.unicode() < 0x80) {
      slug += c;
    } else if (!slug.isEmpty() && !slug.endsWith(u'-')) {
      slug += u'-';
    }
  }
  while (slug.endsWith(u'-')) slug.chop(1);
  return slug;
}

TextBoxStyle Style(const BoxLook& own, const BoxLook& all) {
  TextBoxStyle style;
  auto pick = [](const auto& a, const auto& b) { return a ? a : b; };
  if (const auto font = pick(own.font, all.font)) style.face = *font;
  if (const auto size = pick(own.size, all.size)) style.size = QString::number(*size);
  if (const auto s = pick(own.style, all.style)) style.style = *s;
  if (const auto colour = pick(own.colour, all.colour)) {
    style.textColour = ToHsl(*colour);
    style.brightness = style.textColour.l / kLightnessScale;
  }
  if (const auto frame = pick(own.frame, all.frame)) style.frameMode = *frame;
  if (const auto frameSize = pick(own.frameSize, all.frameSize)) style.frameSize = *frameSize;
  if (const auto fill = pick(own.fill, all.fill)) style.frameColour = ToHsl(*fill);
  if (const auto opacity = pick(own.opacity, all.opacity)) style.opacity = *opacity;
  return style;
}

// A generated picture at its own size, centred where the definition says. The path is the bare
// name: the template table points it into the photo folder of the installation that reads it.
void Place(PlacedPicture& placement, const QString& name, const Picture& picture) {
  placement.name = name;
  placement.path = name;
  placement.width = static_cast<float>(picture.size.width());
  placement.height = static_cast<float>(picture.size.height());
  placement.x = static_cast<float>(picture.centre.x());
  placement.y = static_cast<float>(picture.centre.y());
}

// Where each layer starts in the drawing order: under the photo, under the layout's text, over it.
constexpr std::array<int32_t, 3> kLayerZ = {0, kLogoZ, kLayoutTextZ};
constexpr int kDefaultStrokeWidth = 4;

PlacedObject Object(const Added& added, const BoxLook& all, int32_t order) {
  PlacedObject object;
  object.kind = added.kind;
  object.width = static_cast<float>(added.size.width());
  object.height = static_cast<float>(added.size.height());
  object.left = static_cast<float>(added.centre.x()) - object.width / 2;
  object.top = static_cast<float>(added.centre.y()) - object.height / 2;
  object.quarterTurns = added.turn;
  const bool text = added.kind == ObjectKind::kTextBox;
  const Layer layer = added.layer.value_or(text ? Layer::kOverText : Layer::kGround);
  object.z = kLayerZ[static_cast<size_t>(layer)] + order;
  if (text) {
    TextSource source;
    source.lines = KeptLines(added.lines);
    source.style = Style(added.look, all);
    source.horizontal = added.horizontal;
    source.vertical = added.vertical;
    object.source = source;
  } else {
    ShapeSource shape;
    shape.stroke = added.stroke.value_or(QColor(Qt::black)).rgb();
    shape.strokeWidth =
        added.stroke ? static_cast<float>(added.strokeWidth.value_or(kDefaultStrokeWidth)) : 0.0f;
    if (added.fill) shape.fill = added.fill->rgb();
    shape.cornerRadius = static_cast<float>(added.cornerRadius);
    object.source = shape;
  }
  return object;
}

}  // namespace

HslColour ToHsl(const QColor& colour) {
  return RgbToHsl({static_cast<float>(colour.red()), static_cast<float>(colour.green()),
                   static_cast<float>(colour.blue())});
}

QColor AsDrawn(const QColor& colour) {
  const ColourRef c = RgbToColourRef(HslToRgb(ToHsl(colour)));
  return QColor(ColourRefRed(c), ColourRefGreen(c), ColourRefBlue(c));
}

QString LogoFileName(const Definition& d) {
  return Slug(d.title) + QStringLiteral("-logo.png");
}

QString PhotoFileName(const Definition& d) {
  return Slug(d.title) + QStringLiteral("-photo.jpg");
}

std::optional<CardState> BuildCard(const Definition& d, const BackgroundTable& backgrounds,
                                   std::string& error) {
  const BackgroundName name = MakeBackgroundName(d.background.toStdString());
  const int backgroundIndex = backgrounds.LookupByName(name);
  if (backgrounds.Count() == 0 || backgrounds.Record(backgroundIndex).name != name) {
    error = d.file.string() + ": no background is named '" + d.background.toStdString() + "'";
    return std::nullopt;
  }
  CardState card;
  card.backgroundIndex = backgroundIndex;
  card.layoutIndex = d.layout - 1;
  card.hueShift = d.hueShift;
  card.satShift = d.satShift;
  card.lightShift = d.lightShift;
  if (d.gradient) {
    card.gradOrientation = d.gradOrientation;
    card.backgroundColour = ToHsl(d.gradColour);
    card.bgBrightness = card.backgroundColour.l / kLightnessScale;
    card.bgShift = d.gradShift;
    card.gradScale = d.gradScale;
  }
  for (int b = 0; b < kBoxes; ++b) {
    card.styles[static_cast<size_t>(b)] = Style(d.boxes[static_cast<size_t>(b)], d.allBoxes);
  }
  ContactDetails values;
  std::copy(d.values.begin(), d.values.end(), values.begin());
  card.boxCount = FieldDistribution(card.layoutIndex, values, card.lines);
  // The details go with the card: a box that joins several on one line cannot give them back.
  card.contact = values;
  if (d.logo) Place(card.logo, LogoFileName(d), *d.logo);
  if (d.photo) Place(card.photo, PhotoFileName(d), *d.photo);
  card.qrCode = d.qr;
  for (size_t i = 0; i < d.added.size(); ++i) {
    card.objects.push_back(Object(d.added[i], d.allBoxes, static_cast<int32_t>(i)));
  }
  return card;
}

CardState WithValues(const CardState& card, const ContactDetails& values) {
  CardState other = card;
  other.boxCount = FieldDistribution(other.layoutIndex, values, other.lines);
  other.contact = values;
  return other;
}

}  // namespace tavolo::tmplgen
