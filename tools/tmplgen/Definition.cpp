#include "Definition.h"

#include <algorithm>
#include <functional>
#include <map>

#include <QFile>
#include <QStringList>

namespace tavolo::tmplgen {

namespace {

const std::array<QString, kValues> kValueKeys = {
    QStringLiteral("company"),   QStringLiteral("name"),      QStringLiteral("title"),
    QStringLiteral("address 1"), QStringLiteral("address 2"), QStringLiteral("city"),
    QStringLiteral("zip"),       QStringLiteral("email"),     QStringLiteral("web"),
    QStringLiteral("phone 1"),   QStringLiteral("phone 2")};

// Where the gradient's colour lies, in the order of the card's gradient orientations.
const QStringList kGradientSides = {QStringLiteral("bottom"), QStringLiteral("left"),
                                    QStringLiteral("top"), QStringLiteral("right")};
const QStringList kFrameModes = {QStringLiteral("none"), QStringLiteral("exact"),
                                 QStringLiteral("left"), QStringLiteral("right"),
                                 QStringLiteral("card long")};
const QStringList kStyles = {QStringLiteral("Regular"), QStringLiteral("Bold"),
                             QStringLiteral("Italic"), QStringLiteral("Bold Italic")};
const QStringList kQrContents = {QStringLiteral("contact"), QStringLiteral("website"),
                                 QStringLiteral("text")};
const QStringList kYesNo = {QStringLiteral("yes"), QStringLiteral("no")};
// The added objects' sections, "[text 1]", "[line 2]", …, and the kinds they make.
const std::array<std::pair<QString, ObjectKind>, 4> kAddedSections = {
    std::pair{QStringLiteral("text"), ObjectKind::kTextBox},
    {QStringLiteral("line"), ObjectKind::kLine},
    {QStringLiteral("rectangle"), ObjectKind::kRectangle},
    {QStringLiteral("ellipse"), ObjectKind::kEllipse}};
const QStringList kLayers = {QStringLiteral("ground"), QStringLiteral("over pictures"),
                             QStringLiteral("over text")};
const QStringList kHorizontal = {QStringLiteral("left"), QStringLiteral("centre"),
                                 QStringLiteral("right")};
const QStringList kVertical = {QStringLiteral("top"), QStringLiteral("middle"),
                               QStringLiteral("bottom")};

// Thrown by the value readers and turned into "FILE:LINE: what" by the line loop.
struct Bad {
  std::string what;
};

int Integer(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok) throw Bad{"'" + text.toStdString() + "' is not a whole number"};
  return value;
}

float Number(const QString& text) {
  bool ok = false;
  const float value = text.trimmed().toFloat(&ok);
  if (!ok) throw Bad{"'" + text.toStdString() + "' is not a number"};
  return value;
}

QColor Colour(const QString& text) {
  const QString t = text.trimmed();
  if (t.size() != 7 || !t.startsWith(u'#') || !QColor::isValidColorName(t)) {
    throw Bad{"'" + text.toStdString() + "' is not a colour like #1a2b3c"};
  }
  return QColor::fromString(t);
}

QStringList Parts(const QString& text, const QString& separator, int count) {
  QStringList parts = text.split(separator);
  for (QString& p : parts) p = p.trimmed();
  if (parts.size() != count) {
    throw Bad{"'" + text.toStdString() + "' needs " + std::to_string(count) +
              " parts separated by '" + separator.toStdString() + "'"};
  }
  return parts;
}

// The index of the choice the text names, whatever its case.
int Choice(const QString& text, const QStringList& choices) {
  for (int i = 0; i < choices.size(); ++i) {
    if (choices[i].compare(text.trimmed()) == 0) return i;
  }
  throw Bad{"'" + text.toStdString() + "' is not one of: " + choices.join(", ").toStdString()};
}

QSize Size(const QString& text) {
  const QStringList p = Parts(text.toLower(), QStringLiteral("x"), 2);
  return {Integer(p[0]), Integer(p[1])};
}

QPoint Point(const QString& text) {
  const QStringList p = Parts(text, QStringLiteral(","), 2);
  return {Integer(p[0]), Integer(p[1])};
}

void SetTopKey(Definition& d, const QString& key, const QString& value) {
  if (key == u"title") {
    d.title = value;
  } else if (key == u"trade") {
    d.trade = value;
  } else if (key == u"layout") {
    d.layout = Integer(value);
    if (d.layout < 1 || d.layout > 10) throw Bad{"layouts are numbered 1 to 10"};
  } else if (key == u"background") {
    d.background = value;
  } else if (key == u"tint") {
    const QStringList p = Parts(value, QStringLiteral(","), 3);
    d.hueShift = Number(p[0]);
    d.satShift = Number(p[1]);
    d.lightShift = Number(p[2]);
  } else if (key == u"gradient") {
    const QStringList p = Parts(value, QStringLiteral(","), 4);
    d.gradient = true;
    d.gradOrientation = Choice(p[0], kGradientSides);
    d.gradColour = Colour(p[1]);
    d.gradShift = Number(p[2]);
    d.gradScale = Number(p[3]);
  } else {
    throw Bad{"unknown key '" + key.toStdString() + "'"};
  }
}

void SetBoxKey(BoxLook& box, const QString& key, const QString& value) {
  if (key == u"font") {
    box.font = value;
  } else if (key == u"size") {
    box.size = Integer(value);
  } else if (key == u"style") {
    box.style = kStyles[Choice(value, kStyles)];
  } else if (key == u"colour") {
    box.colour = Colour(value);
  } else if (key == u"frame") {
    box.frame = Choice(value, kFrameModes);
  } else if (key == u"frame size") {
    box.frameSize = Integer(value);
  } else if (key == u"fill") {
    box.fill = Colour(value);
  } else if (key == u"opacity") {
    box.opacity = Number(value);
  } else {
    throw Bad{"unknown key '" + key.toStdString() + "'"};
  }
}

void SetPictureKey(Picture& picture, const QString& key, const QString& value, bool logo) {
  if (key == (logo ? u"mark" : u"scene")) {
    picture.kind = value;
  } else if (key == u"size") {
    picture.size = Size(value);
  } else if (key == u"centre") {
    picture.centre = Point(value);
  } else if (logo && key == u"ink") {
    picture.ink = Colour(value);
  } else if (logo && key == u"plate") {
    picture.plate = Colour(value);
  } else {
    throw Bad{"unknown key '" + key.toStdString() + "'"};
  }
}

void SetQrKey(PlacedQrCode& code, const QString& key, const QString& value) {
  if (key == u"content") {
    code.content = static_cast<QrContent>(Choice(value, kQrContents));
  } else if (key == u"side") {
    code.side = static_cast<float>(Integer(value));
  } else if (key == u"centre") {
    const QPoint centre = Point(value);
    code.x = static_cast<float>(centre.x());
    code.y = static_cast<float>(centre.y());
  } else if (key == u"dark") {
    code.dark = Colour(value).rgb();
  } else if (key == u"light") {
    code.light = Colour(value).rgb();
  } else if (key == u"light on dark") {
    code.lightOnDark = Choice(value, kYesNo) == 0;
  } else {
    throw Bad{"unknown key '" + key.toStdString() + "'"};
  }
}

void SetAddedKey(Added& added, const QString& key, const QString& value) {
  const bool text = added.kind == ObjectKind::kTextBox;
  if (key == u"centre") {
    added.centre = Point(value);
  } else if (key == u"size") {
    added.size = Size(value);
  } else if (key == u"turn") {
    added.turn = Integer(value);
    if (added.turn < 0 || added.turn > 3) throw Bad{"a turn is 0 to 3 quarter turns"};
  } else if (key == u"layer") {
    added.layer = static_cast<Layer>(Choice(value, kLayers));
  } else if (text && key == u"text") {
    added.lines << value;
  } else if (text && key == u"align") {
    added.horizontal = static_cast<HorizontalAlign>(Choice(value, kHorizontal));
  } else if (text && key == u"vertical") {
    added.vertical = static_cast<VerticalAlign>(Choice(value, kVertical));
  } else if (text && key == u"font size") {
    SetBoxKey(added.look, QStringLiteral("size"), value);
  } else if (text) {
    if (key.startsWith(u"frame") || key == u"fill" || key == u"opacity") {
      throw Bad{"a text box has no frame"};
    }
    SetBoxKey(added.look, key, value);
  } else if (key == u"stroke") {
    added.stroke = Colour(value);
  } else if (key == u"stroke width") {
    added.strokeWidth = Integer(value);
  } else if (key == u"fill" && added.kind != ObjectKind::kLine) {
    added.fill = Colour(value);
  } else if (key == u"corner radius" && added.kind == ObjectKind::kRectangle) {
    added.cornerRadius = Integer(value);
  } else {
    throw Bad{"unknown key '" + key.toStdString() + "'"};
  }
}

// The added object a section such as "line 2" names, made when the file first names it.
Added* AddedOf(Definition& d, const QString& section, std::map<QString, size_t>& named) {
  for (const auto& [word, kind] : kAddedSections) {
    if (!section.startsWith(word + u' ')) continue;
    if (Integer(section.mid(word.size() + 1)) < 1) throw Bad{"objects are numbered from 1"};
    const auto [at, made] = named.try_emplace(section, d.added.size());
    if (made) {
      d.added.emplace_back();
      d.added.back().kind = kind;
    }
    return &d.added[at->second];
  }
  return nullptr;
}

// Routes a key to the section it was written under.
void SetKey(Definition& d, const QString& section, const QString& key, const QString& value,
            std::map<QString, size_t>& named) {
  if (section.isEmpty()) return SetTopKey(d, key, value);
  if (section == u"values") {
    const auto it = std::find(kValueKeys.begin(), kValueKeys.end(), key);
    if (it == kValueKeys.end()) throw Bad{"unknown value '" + key.toStdString() + "'"};
    d.values[static_cast<size_t>(it - kValueKeys.begin())] = value;
    return;
  }
  if (section == u"all boxes") return SetBoxKey(d.allBoxes, key, value);
  if (section.startsWith(u"box ")) {
    const int box = Integer(section.mid(4));
    if (box < 1 || box > kBoxes) throw Bad{"boxes are numbered 1 to 5"};
    return SetBoxKey(d.boxes[static_cast<size_t>(box - 1)], key, value);
  }
  if (section == u"logo") {
    if (!d.logo) d.logo.emplace();
    return SetPictureKey(*d.logo, key, value, true);
  }
  if (section == u"photo") {
    if (!d.photo) d.photo.emplace();
    return SetPictureKey(*d.photo, key, value, false);
  }
  if (section == u"qr") {
    if (!d.qr) d.qr.emplace();
    return SetQrKey(*d.qr, key, value);
  }
  if (Added* added = AddedOf(d, section, named)) return SetAddedKey(*added, key, value);
  throw Bad{"unknown section [" + section.toStdString() + "]"};
}

void CheckComplete(const Definition& d) {
  if (d.title.isEmpty()) throw Bad{"the title is missing"};
  if (d.background.isEmpty()) throw Bad{"the background is missing"};
  for (size_t i = 0; i < kValueKeys.size(); ++i) {
    if (d.values[i].isEmpty()) throw Bad{"[values] needs '" + kValueKeys[i].toStdString() + "'"};
  }
  for (const auto* picture : {&d.logo, &d.photo}) {
    if (*picture && ((*picture)->kind.isEmpty() || (*picture)->size.isEmpty())) {
      throw Bad{"a logo needs its mark and a photo its scene, each with a size"};
    }
  }
  if (d.logo && (!d.logo->ink.isValid() || !d.logo->plate.isValid())) {
    throw Bad{"a logo needs its ink and plate colours"};
  }
  if (d.qr && (d.qr->side < kMinQrSide || d.qr->side > kMaxQrSide)) {
    throw Bad{"a QR code's side is 60 pixels or more"};
  }
  for (const Added& added : d.added) {
    const bool line = added.kind == ObjectKind::kLine;
    if (added.size.width() <= 0 || added.size.height() < 0 || (!line && added.size.height() == 0)) {
      throw Bad{"every added object needs its size (a line's height may be 0)"};
    }
    if (added.kind == ObjectKind::kTextBox && added.lines.isEmpty()) {
      throw Bad{"a text box needs its text"};
    }
    if (added.kind != ObjectKind::kTextBox && !added.stroke && !added.fill) {
      throw Bad{"a shape needs a stroke or a fill colour"};
    }
  }
}

}  // namespace

std::optional<Definition> ReadDefinition(const std::filesystem::path& file, std::string& error) {
  QFile in(QString::fromStdString(file.string()));
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = file.string() + ": cannot be read";
    return std::nullopt;
  }
  const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
  Definition d;
  d.file = file;
  QString section;
  std::map<QString, size_t> named;
  int number = 0;
  try {
    for (const QString& raw : lines) {
      ++number;
      const QString line = raw.trimmed();
      if (line.isEmpty() || line.startsWith(u'#')) continue;
      if (line.startsWith(u'[') && line.endsWith(u']')) {
        section = line.mid(1, line.size() - 2).simplified().toLower();
        continue;
      }
      const qsizetype equals = line.indexOf(u'=');
      if (equals < 0) throw Bad{"expected 'key = value'"};
      SetKey(d, section, line.left(equals).simplified().toLower(), line.mid(equals + 1).trimmed(),
             named);
    }
    number = 0;
    CheckComplete(d);
  } catch (const Bad& bad) {
    error = file.string() + (number > 0 ? ":" + std::to_string(number) : "") + ": " + bad.what;
    return std::nullopt;
  }
  return d;
}

std::optional<std::vector<Definition>> ReadDefinitions(const std::filesystem::path& folder,
                                                       std::string& error) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  if (ec) {
    error = folder.string() + ": " + ec.message();
    return std::nullopt;
  }
  std::sort(files.begin(), files.end());
  std::vector<Definition> definitions;
  for (const auto& file : files) {
    std::optional<Definition> d = ReadDefinition(file, error);
    if (!d) return std::nullopt;
    definitions.push_back(std::move(*d));
  }
  return definitions;
}

}  // namespace tavolo::tmplgen
