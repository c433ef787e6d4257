// tmplgen makes the templates that ship with Tavolo from the definitions in data/templates.
//   tmplgen DEFINITIONS LIBRARY OUTPUT
//       draws the logos and photos into OUTPUT/customphotos and writes every template with its
//       preview into OUTPUT/tmpl, replacing both folders whole; LIBRARY is the background
//       library file (fl1.tmp)
//   tmplgen --contact-sheet HOME OUT.png [--long | --longest]
//       every template of the program folder HOME, read back as the program reads it, on one sheet
//   tmplgen --png HOME FOLDER [--long | --longest]
//       every template of HOME rendered full size into FOLDER
//   tmplgen --review HOME
//       the design review of every template of HOME, with its own texts, with long ones and
//       with the longest
// --long draws the cards with other people's texts of ordinary length instead of their own,
// --longest with a 60-character name, a 45-character company and a 40-character e-mail.
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "CardBuilder.h"
#include "ClearGroundMeasure.h"
#include "Definition.h"
#include "Marks.h"
#include "Photos.h"
#include "Review.h"
#include "core/base/CheckCounter.h"
#include "core/card/ClearGround.h"
#include "core/card/ShrinkToFit.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplateTable.h"
#include "core/library/TemplateWriter.h"
#include "core/render/CardRenderer.h"

namespace tavolo::tmplgen {

namespace {

namespace fs = std::filesystem;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr uint8_t kPhotoQuality = 90;

int Fail(const std::string& message) {
  std::fprintf(stderr, "tmplgen: %s\n", message.c_str());
  return kExitFailure;
}

bool SavePicture(const QImage& picture, const fs::path& file, int format, std::string& error) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const std::span<const uint32_t> pixels(reinterpret_cast<const uint32_t*>(rgb.constBits()),
                                         static_cast<size_t>(rgb.width()) * rgb.height());
  RasterImage image;
  image.SetJpegQuality(kPhotoQuality);
  if (!image.CreateFromPixels(pixels, static_cast<uint32_t>(rgb.width()),
                              static_cast<uint32_t>(rgb.height())) ||
      !image.Save(file, format)) {
    error = file.string() + ": " + image.GetLastError();
    return false;
  }
  return true;
}

bool DrawPictures(const Definition& d, const fs::path& photos, std::string& error) {
  if (d.logo) {
    const QImage mark = DrawMark(d.logo->kind, d.logo->size, d.logo->ink, AsDrawn(d.logo->plate));
    if (mark.isNull()) {
      error = d.file.string() + ": no mark is named '" + d.logo->kind.toStdString() + "' (" +
              MarkNames().join(", ").toStdString() + ")";
      return false;
    }
    if (!SavePicture(mark, photos / LogoFileName(d).toStdString(), kFormatPng, error)) return false;
  }
  if (d.photo) {
    const QImage scene = DrawScene(d.photo->kind, d.photo->size);
    if (scene.isNull()) {
      error = d.file.string() + ": no scene is named '" + d.photo->kind.toStdString() + "' (" +
              SceneNames().join(", ").toStdString() + ")";
      return false;
    }
    if (!SavePicture(scene, photos / PhotoFileName(d).toStdString(), kFormatJpeg, error)) {
      return false;
    }
  }
  return true;
}

void WarnAboutFonts(const Definition& d, const CardState& card) {
  const QStringList families = QFontDatabase::families();
  for (const TextBoxStyle& style : card.styles) {
    if (!families.contains(style.face)) {
      std::fprintf(stderr, "tmplgen: warning: %s: the font '%s' is not installed\n",
                   d.file.string().c_str(), style.face.toStdString().c_str());
    }
  }
}

int Generate(const fs::path& definitions, const fs::path& library, const fs::path& output) {
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  const auto defs = ReadDefinitions(definitions, error);
  if (!defs) return Fail(error);
  BackgroundTable backgrounds;
  // The library alone: the output folder holds no imported backgrounds.
  const BackgroundLoading loaded = ReadBGFileIn(backgrounds, output, fs::absolute(library));
  if (!loaded.Ok()) return Fail(library.string() + ": " + loaded.Message());

  const fs::path tmpl = output / "tmpl";
  const fs::path photos = output / "customphotos";
  std::error_code ec;
  fs::remove_all(tmpl, ec);
  fs::remove_all(photos, ec);
  fs::create_directories(photos, ec);
  if (ec) return Fail(photos.string() + ": " + ec.message());

  CheckCounter checks("tmplgen");
  CardRenderer renderer(&backgrounds, photos);
  std::set<QString> titles;
  for (const Definition& d : *defs) {
    if (!titles.insert(d.title).second) {
      return Fail(d.file.string() + ": another template is titled '" + d.title.toStdString() + "'");
    }
    auto card = BuildCard(d, backgrounds, error);
    if (!card) return Fail(error);
    WarnAboutFonts(d, *card);
    if (!DrawPictures(d, photos, error)) return Fail(error);
    SetClearGround(*card, MeasureClearGround(*card, renderer));
    renderer.DropBackgroundCache();
    const Outcome<> written =
        WriteTemplate(tmpl, d.title, *card, backgrounds, renderer, TemplateSave::kReplace);
    if (!written) return Fail(d.file.string() + ": " + written.Message());
  }
  if (checks.Count() > 0) return Fail("the engine reported failed checks");
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  std::printf("tmplgen: %zu templates written to %s in %lld ms\n", defs->size(),
              tmpl.string().c_str(), static_cast<long long>(ms));
  return 0;
}

// The templates of a program folder, read as the program reads them.
struct Home {
  BackgroundTable backgrounds;
  TemplateTable templates;
};

bool LoadHome(const fs::path& folder, Home& home) {
  const BackgroundLoading loaded = ReadBGFileIn(home.backgrounds, folder);
  if (!loaded.Ok()) {
    Fail(folder.string() + ": " + loaded.Message());
    return false;
  }
  const TemplateReload reload = home.templates.ReloadIn(folder, home.backgrounds);
  for (const std::string& message : reload.Messages()) Fail(message);
  if (home.templates.Count() == 0) {
    Fail(folder.string() + ": no templates");
    return false;
  }
  return reload.unopened.empty();
}

// Which texts a card is shown with.
enum class Texts { kOwn, kLong, kLongest };

// As the card made from the template: every box shrinks to fit unless the template says.
CardState Shown(const TemplateEntry& entry, Texts texts) {
  CardState card = entry.card;
  if (texts == Texts::kLong) card = WithValues(card, LongSampleValues());
  if (texts == Texts::kLongest) card = WithValues(card, LongestValues());
  ShrinkNewCardToFit(card);
  return card;
}

QImage RenderFull(CardRenderer& renderer, const CardState& card) {
  renderer.DropBackgroundCache();
  return renderer.Render(card, 1, static_cast<int>(card.cardWidth),
                         static_cast<int>(card.cardHeight));
}

QString Caption(const Home& home, const TemplateEntry& entry) {
  const BackgroundName& name = home.backgrounds.Record(entry.card.backgroundIndex).name;
  const auto end = std::find(name.begin(), name.end(), uint8_t{0});
  return QStringLiteral("%1  ·  Layout %2  ·  %3")
      .arg(QString::fromStdString(entry.title))
      .arg(entry.card.layoutIndex + 1)
      .arg(QString::fromLatin1(reinterpret_cast<const char*>(name.data()),
                               static_cast<int>(end - name.begin())));
}

int WriteContactSheet(const fs::path& folder, const fs::path& output, Texts texts) {
  Home home;
  if (!LoadHome(folder, home)) return kExitFailure;
  constexpr int kColumns = 4;
  constexpr int kThumbWidth = 425;
  constexpr int kThumbHeight = 246;
  constexpr int kGap = 14;
  constexpr int kLabel = 24;
  const int count = home.templates.Count();
  const int rows = (count + kColumns - 1) / kColumns;
  QImage sheet(kGap + kColumns * (kThumbWidth + kGap), kGap + rows * (kThumbHeight + kLabel + kGap),
               QImage::Format_RGB32);
  sheet.fill(QColor(0x3a, 0x3d, 0x44));
  CardRenderer renderer(&home.backgrounds, folder / "customphotos");
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(QColor(0xee, 0xee, 0xf2));
  for (int i = 0; i < count; ++i) {
    const TemplateEntry& entry = home.templates.Entry(i);
    const QImage card = RenderFull(renderer, Shown(entry, texts));
    const int x = kGap + (i % kColumns) * (kThumbWidth + kGap);
    const int y = kGap + (i / kColumns) * (kThumbHeight + kLabel + kGap);
    painter.drawImage(QPoint(x, y), card.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation));
    painter.drawText(QRect(x, y + kThumbHeight, kThumbWidth, kLabel), Qt::AlignCenter,
                     Caption(home, entry));
  }
  painter.end();
  if (!sheet.save(QString::fromStdString(output.string()))) {
    return Fail("cannot write " + output.string());
  }
  return 0;
}

int WritePngs(const fs::path& folder, const fs::path& output, Texts texts) {
  Home home;
  if (!LoadHome(folder, home)) return kExitFailure;
  CardRenderer renderer(&home.backgrounds, folder / "customphotos");
  for (int i = 0; i < home.templates.Count(); ++i) {
    const TemplateEntry& entry = home.templates.Entry(i);
    const fs::path file = output / (entry.title + ".png");
    if (!RenderFull(renderer, Shown(entry, texts)).save(QString::fromStdString(file.string()))) {
      return Fail("cannot write " + file.string());
    }
  }
  return 0;
}

int Review(const fs::path& folder) {
  Home home;
  if (!LoadHome(folder, home)) return kExitFailure;
  CardRenderer renderer(&home.backgrounds, folder / "customphotos");
  int findings = 0;
  for (int i = 0; i < home.templates.Count(); ++i) {
    const TemplateEntry& entry = home.templates.Entry(i);
    for (const Texts texts : {Texts::kOwn, Texts::kLong, Texts::kLongest}) {
      renderer.DropBackgroundCache();
      // The longest texts only have to fit: shrunk, they are as small as the box allows.
      const CardState card = Shown(entry, texts);
      const std::vector<std::string> problems =
          texts == Texts::kLongest ? ReviewFit(card) : ReviewCard(card, renderer);
      for (const std::string& problem : problems) {
        std::printf("%s%s: %s\n", entry.title.c_str(),
                    texts == Texts::kOwn    ? ""
                    : texts == Texts::kLong ? " (long texts)"
                                            : " (longest texts)",
                    problem.c_str());
        ++findings;
      }
    }
  }
  std::printf("tmplgen: %d templates reviewed, %d findings\n", home.templates.Count(), findings);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tmplgen DEFINITIONS LIBRARY OUTPUT\n"
               "       tmplgen --contact-sheet HOME OUT.png [--long | --longest]\n"
               "       tmplgen --png HOME FOLDER [--long | --longest]\n"
               "       tmplgen --review HOME\n");
  return kExitUsage;
}

}  // namespace

}  // namespace tavolo::tmplgen

int main(int argc, char** argv) {
  using namespace tavolo::tmplgen;
  std::vector<std::string> args(argv + 1, argv + argc);
  const Texts texts = std::erase(args, "--longest") > 0 ? Texts::kLongest
                      : std::erase(args, "--long") > 0  ? Texts::kLong
                                                        : Texts::kOwn;
  // Fonts need an application object; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QGuiApplication app(argc, argv);
  qInstallMessageHandler(previous);
  if (args.size() == 3 && !args[0].starts_with("-")) return Generate(args[0], args[1], args[2]);
  if (args.size() == 3 && args[0] == "--contact-sheet") {
    return WriteContactSheet(args[1], args[2], texts);
  }
  if (args.size() == 3 && args[0] == "--png") return WritePngs(args[1], args[2], texts);
  if (args.size() == 2 && args[0] == "--review") return Review(args[1]);
  return Usage();
}
