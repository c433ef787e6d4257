#include "core/pictures/SvgTextCheck.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <QHash>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "core/base/Translation.h"
#include "core/imaging/PictureShrink.h"
#include "core/pictures/SvgCostMeter.h"
#include "core/pictures/SvgRaster.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// The longest side of a drawing written into the drawing, in its own pixels.
constexpr int kMaxSvgSide = 1 << 20;
// How much of a reference a message shows.
constexpr qsizetype kShownReference = 80;
// Path numbers are counted up to this many.
constexpr int64_t kMaxCountedNumbers = int64_t{1} << 40;

// What is left for the drawing and the drawings written into it.
struct Allowance {
  int64_t elements = kMaxSvgElements;
  int64_t characters = kMaxSvgTextCharacters;
  int64_t stops = kMaxSvgStops;
  uint64_t pixels = kMaxSvgPicturesPixels;
  uint64_t cost = kMaxSvgPaintCost;
};

Outcome<CheckedSvg> Check(const QByteArray& text, int nesting, Allowance& allowance);

std::string Shown(QStringView reference) {
  const std::string shown = PrintableName(reference.left(kShownReference).toString().toStdString());
  return reference.size() > kShownReference ? shown + "…" : shown;
}

Failure Outside(QStringView reference) {
  return {TrMessage("the drawing refers to %1, outside the file, which is not followed",
                    Shown(reference))};
}

Failure Unreadable(const std::string& why) {
  return {TrMessage("the drawing holds a picture that cannot be read: %1", why)};
}

// A reference that stays in the file: a name in it, or data written into it.
bool StaysInFile(QStringView reference) {
  const QStringView trimmed = reference.trimmed();
  return trimmed.startsWith(u'#') || trimmed.startsWith(u"data:", Qt::CaseInsensitive);
}

// The bytes a data: URI holds, base64 or percent-encoded.
Outcome<QByteArray> DataBytes(QStringView reference) {
  const QStringView trimmed = reference.trimmed();
  if (!trimmed.startsWith(u"data:", Qt::CaseInsensitive)) return Outside(reference);
  const qsizetype comma = trimmed.indexOf(u',');
  if (comma < 0) return Unreadable(TrMessage("its reference holds no data"));
  const QStringView payload = trimmed.mid(comma + 1);
  if (!trimmed.first(comma).endsWith(u";base64", Qt::CaseInsensitive)) {
    return QByteArray::fromPercentEncoding(payload.toUtf8());
  }
  QByteArray base64 = payload.toLatin1();
  base64.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
  const QByteArray::FromBase64Result decoded =
      QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return Unreadable(TrMessage("its base64 data is damaged"));
  return *decoded;
}

// A drawing written into the drawing: checked by the same rules, then painted at its size in
// print pixels, within what is left of the pixels for pictures.
Outcome<RasterImage> InlineDrawing(const QByteArray& bytes, int nesting, Allowance& allowance) {
  if (nesting + 1 >= kMaxSvgNesting) {
    return Failure{
        TrMessage("the drawing holds drawings nested more than %1 deep", kMaxSvgNesting)};
  }
  const Outcome<CheckedSvg> checked = Check(bytes, nesting + 1, allowance);
  if (!checked) return Failure{checked.Message()};
  QSvgRenderer renderer(checked.Value().text);
  const QSize own = renderer.defaultSize();
  if (!renderer.isValid() || own.isEmpty() || own.width() > kMaxSvgSide ||
      own.height() > kMaxSvgSide) {
    return Unreadable(TrMessage("the drawing has no size that can be drawn"));
  }
  const auto width = static_cast<uint32_t>(std::ceil(own.width() * kSvgPixelsToPrintPixels));
  const auto height = static_cast<uint32_t>(std::ceil(own.height() * kSvgPixelsToPrintPixels));
  const uint32_t factor =
      ShrinkFactorWithin(width, height, std::min(kMaxSvgPicturePixels, allowance.pixels));
  RasterImage image;
  if (!RasterizeSvg(renderer,
                    QSize(static_cast<int>(ShrunkLength(width, factor)),
                          static_cast<int>(ShrunkLength(height, factor))),
                    allowance.cost, image)) {
    return Failure{TranslatedMessage(image.GetLastError())};
  }
  return image;
}

// A picture written into the drawing, read by the image layer and shrunk to what is left of the
// pixels for pictures.
Outcome<RasterImage> InlinePicture(const QByteArray& bytes, uint64_t budget) {
  RasterImage image;
  image.SetMaxPixels(kMaxSvgPictureFilePixels);
  image.SetAlphaHandling(AlphaHandling::kKeep);
  image.SetDecodePixelBudget(budget);
  if (!image.Decode(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                              static_cast<size_t>(bytes.size())),
                    kFormatUnknown)) {
    return Unreadable(TranslatedMessage(image.GetLastError()));
  }
  const uint32_t factor = ShrinkFactorWithin(image.GetWidth(), image.GetHeight(), budget);
  if (factor == 1) return image;
  RasterImage shrunk;
  if (!ShrinkPicture(image, factor, shrunk)) {
    return Unreadable(TranslatedMessage(shrunk.GetLastError()));
  }
  return shrunk;
}

// The reference of an <image>, which must be data written into the file, as a PNG the check
// made.
Outcome<QString> PictureReference(QStringView reference, int nesting, Allowance& allowance) {
  const Outcome<QByteArray> bytes = DataBytes(reference);
  if (!bytes) return Failure{bytes.Message()};
  if (allowance.pixels == 0) {
    return Failure{
        TrMessage("the drawing's pictures hold more than %1 pixels in all", kMaxSvgPicturesPixels)};
  }
  // A drawing is XML; a compressed drawing is refused rather than inflated.
  const QByteArray start = bytes.Value().left(64).trimmed();
  if (start.startsWith("\x1f\x8b")) {
    return Failure{TrMessage("the drawing holds a compressed drawing, which is not read")};
  }
  Outcome<RasterImage> picture =
      start.startsWith('<') || start.startsWith("\xef\xbb\xbf")
          ? InlineDrawing(bytes.Value(), nesting, allowance)
          : InlinePicture(bytes.Value(), std::min(kMaxSvgPicturePixels, allowance.pixels));
  if (!picture) return Failure{picture.Message()};
  RasterImage& image = picture.Value();
  allowance.pixels -= std::min(allowance.pixels, uint64_t{image.GetWidth()} * image.GetHeight());
  std::vector<uint8_t> png;
  if (!image.Encode(png, kFormatPng)) return Unreadable(TranslatedMessage(image.GetLastError()));
  return QStringLiteral("data:image/png;base64,") +
         QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(png.data()),
                                        static_cast<qsizetype>(png.size()))
                                 .toBase64());
}

// What painting part of a drawing involves.
struct Tally {
  int64_t elements = 0;
  int64_t characters = 0;
  int64_t pathNumbers = 0;
};

// The elements as they nest, for counting what each <use> draws.
class Structure {
 public:
  // Adds an element inside `parent` (-1 for the root); its index.
  int Add(int parent) {
    parents_.push_back(parent);
    own_.push_back({1, 0, 0});
    uses_.emplace_back();
    return static_cast<int>(parents_.size()) - 1;
  }
  int64_t Count() const { return static_cast<int64_t>(parents_.size()); }
  void Name(const QString& id, int element) { ids_.insert(id, element); }
  void Use(int element, QString id) { uses_[static_cast<size_t>(element)] = std::move(id); }
  Tally& Own(int element) { return own_[static_cast<size_t>(element)]; }

  // What is drawn from the root, every <use> counted with what it draws, no deeper than
  // kMaxSvgDepth; a failure when it is more than `allowance` holds, or a <use> draws itself.
  Outcome<Tally> Expand(Allowance& allowance) {
    children_.assign(parents_.size(), {});
    for (size_t i = 0; i < parents_.size(); ++i) {
      const int parent = parents_[i];
      if (parent >= 0) children_[static_cast<size_t>(parent)].push_back(static_cast<int>(i));
    }
    state_.assign(parents_.size(), State{});
    allowance_ = &allowance;
    Tally all;
    for (size_t i = 0; i < parents_.size(); ++i) {
      if (parents_[i] >= 0) continue;
      const Outcome<Drawn> root = Visit(static_cast<int>(i), 0);
      if (!root) return Failure{root.Message()};
      all.elements += root.Value().tally.elements;
      all.characters += root.Value().tally.characters;
      all.pathNumbers += root.Value().tally.pathNumbers;
    }
    allowance.elements -= all.elements;
    allowance.characters -= all.characters;
    return all;
  }

 private:
  struct Drawn {
    Tally tally;
    int height = 0;
  };
  struct State {
    bool visiting = false;
    bool done = false;
    Drawn drawn;
  };

  Outcome<Drawn> Visit(int element, int depth) {
    State& state = state_[static_cast<size_t>(element)];
    if (depth > kMaxSvgDepth || (state.done && depth + state.drawn.height > kMaxSvgDepth)) {
      return Failure{TrMessage("the drawing nests its elements more than %1 deep", kMaxSvgDepth)};
    }
    if (state.done) return state.drawn;
    if (state.visiting) return Failure{TrMessage("the drawing draws an element inside itself")};
    state.visiting = true;
    Drawn drawn{own_[static_cast<size_t>(element)], 0};
    std::vector<int> parts = children_[static_cast<size_t>(element)];
    const QString& used = uses_[static_cast<size_t>(element)];
    if (const auto target = ids_.constFind(used); !used.isEmpty() && target != ids_.cend()) {
      parts.push_back(*target);
    }
    for (const int part : parts) {
      const Outcome<Drawn> inner = Visit(part, depth + 1);
      if (!inner) return inner;
      drawn.tally.elements += inner.Value().tally.elements;
      drawn.tally.characters += inner.Value().tally.characters;
      // Numbers only tell how costly shapes are; they are capped rather than refused.
      drawn.tally.pathNumbers =
          std::min(drawn.tally.pathNumbers + inner.Value().tally.pathNumbers, kMaxCountedNumbers);
      drawn.height = std::max(drawn.height, inner.Value().height + 1);
      if (drawn.tally.elements > allowance_->elements) {
        return Failure{TrMessage("the drawing draws more than %1 elements", kMaxSvgElements)};
      }
      if (drawn.tally.characters > allowance_->characters) {
        return Failure{
            TrMessage("the drawing holds more than %1 characters of text", kMaxSvgTextCharacters)};
      }
    }
    state_[static_cast<size_t>(element)] = State{false, true, drawn};
    return drawn;
  }

  std::vector<int> parents_;
  std::vector<Tally> own_;
  std::vector<QString> uses_;
  QHash<QString, int> ids_;
  std::vector<std::vector<int>> children_;
  std::vector<State> state_;
  const Allowance* allowance_ = nullptr;
};

// How many numbers path data or a list of points holds: runs of digits and points.
int64_t NumbersIn(QStringView data) {
  int64_t numbers = 0;
  bool inNumber = false;
  for (const QChar c : data) {
    const bool part = c.isDigit() || c == u'.';
    if (part && !inNumber) ++numbers;
    inNumber = part;
  }
  return numbers;
}

// An element being read.
struct Open {
  int element;
  QString name;
  bool inText;
  int64_t stops = 0;
};

bool IsGradient(QStringView name) {
  return name == u"linearGradient" || name == u"radialGradient";
}

bool IsText(QStringView name) {
  return name == u"text" || name == u"tspan" || name == u"textArea" || name == u"textPath";
}

Outcome<CheckedSvg> Check(const QByteArray& text, int nesting, Allowance& allowance) {
  QXmlStreamReader reader(text);
  CheckedSvg checked;
  QXmlStreamWriter writer(&checked.text);
  Structure structure;
  std::vector<Open> open;
  int64_t styleRules = 0;
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::DTD:
        if (!reader.entityDeclarations().isEmpty()) {
          return Failure{TrMessage("the drawing declares entities, which are not read")};
        }
        break;
      case QXmlStreamReader::EntityReference:
        return Failure{TrMessage("the drawing refers to an entity, which is not read")};
      case QXmlStreamReader::StartElement: {
        if (open.size() >= static_cast<size_t>(kMaxSvgDepth)) {
          return Failure{
              TrMessage("the drawing nests its elements more than %1 deep", kMaxSvgDepth)};
        }
        if (structure.Count() >= allowance.elements) {
          return Failure{TrMessage("the drawing draws more than %1 elements", kMaxSvgElements)};
        }
        const QStringView name = reader.name();
        const int element = structure.Add(open.empty() ? -1 : open.back().element);
        writer.writeStartElement(reader.qualifiedName().toString());
        for (const QXmlStreamNamespaceDeclaration& declared : reader.namespaceDeclarations()) {
          writer.writeAttribute(declared.prefix().isEmpty()
                                    ? QStringLiteral("xmlns")
                                    : QStringLiteral("xmlns:") + declared.prefix().toString(),
                                declared.namespaceUri().toString());
        }
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
          QString value = attribute.value().toString();
          if (attribute.name() == u"id") structure.Name(value, element);
          if (attribute.name() == u"d" || attribute.name() == u"points") {
            structure.Own(element).pathNumbers += NumbersIn(value);
          }
          if (attribute.name() == u"href") {
            if (name == u"image") {
              Outcome<QString> picture = PictureReference(value, nesting, allowance);
              if (!picture) return Failure{picture.Message()};
              value = std::move(picture.Value());
            } else if (!StaysInFile(value)) {
              return Outside(value);
            } else if (name == u"use" && value.trimmed().startsWith(u'#')) {
              structure.Use(element, value.trimmed().mid(1));
            }
          }
          writer.writeAttribute(attribute.qualifiedName().toString(), value);
        }
        if (name == u"stop" && !open.empty() && IsGradient(open.back().name)) {
          if (++open.back().stops > kMaxGradientStops) {
            return Failure{
                TrMessage("a gradient in the drawing has more than %1 stops", kMaxGradientStops)};
          }
          if (--allowance.stops < 0) {
            return Failure{
                TrMessage("the drawing's gradients have more than %1 stops", kMaxSvgStops)};
          }
        }
        const bool inText = IsText(name) || (!open.empty() && open.back().inText);
        open.push_back({element, name.toString(), inText});
        break;
      }
      case QXmlStreamReader::EndElement:
        writer.writeEndElement();
        open.pop_back();
        break;
      case QXmlStreamReader::Characters: {
        const QStringView characters = reader.text();
        if (!open.empty() && open.back().name == u"style") {
          styleRules += characters.count(u'{') + characters.count(u',');
        } else if (!open.empty() && open.back().inText) {
          structure.Own(open.back().element).characters += characters.size();
        }
        if (reader.isCDATA()) {
          writer.writeCDATA(characters.toString());
        } else {
          writer.writeCharacters(characters.toString());
        }
        break;
      }
      default:  // the document's start and end, comments and processing instructions
        break;
    }
  }
  if (reader.hasError()) {
    return Failure{TrMessage("the drawing is not well-formed SVG: %1", reader.errorString())};
  }
  if (styleRules * structure.Count() > kMaxSvgStyleWork) {
    return Failure{TrMessage("the drawing has too many style rules (%1) for its %2 elements",
                             styleRules, structure.Count())};
  }
  const Outcome<Tally> drawn = structure.Expand(allowance);
  if (!drawn) return Failure{drawn.Message()};
  checked.elements = drawn.Value().elements;
  checked.characters = drawn.Value().characters;
  checked.pathNumbers = drawn.Value().pathNumbers;
  checked.picturePixels = kMaxSvgPicturesPixels - allowance.pixels;
  return checked;
}

}  // namespace

Outcome<CheckedSvg> CheckSvgText(const QByteArray& text) {
  Allowance allowance;
  return Check(text, 0, allowance);
}

}  // namespace tavolo
