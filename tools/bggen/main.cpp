// bggen draws the built-in backgrounds and writes them as the background library file.
//   bggen OUTPUT                    writes the library file (JPEG, quality 92, with measured hues)
//   bggen --contact-sheet OUT.png   all backgrounds scaled down, six to a row, numbered and named
//   bggen --png FOLDER [NAME...]    full-size PNGs of all backgrounds, or of the named ones
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Canvas.h"
#include "Catalogue.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"

namespace tavolo::bggen {

namespace {

constexpr uint8_t kJpegQuality = 92;

// Runs job(i) for every i below count on all cores; each job writes only its own slot.
template <class Job>
void ForEachInParallel(size_t count, Job&& job) {
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i = next++; i < count; i = next++) job(i);
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::jthread> workers;
  for (unsigned k = 1; k < cores; ++k) workers.emplace_back(worker);
  worker();
}

QImage Draw(const Design& design) {
  QImage image = NewCanvas();
  design.paint(image);
  return image;
}

std::vector<QImage> DrawAll(std::span<const Design> designs) {
  std::vector<QImage> images(designs.size());
  ForEachInParallel(designs.size(), [&](size_t i) { images[i] = Draw(designs[i]); });
  return images;
}

// Encodes one background as the library stores it; the hue is measured on the decoded JPEG, the
// picture the program will actually tint.
bool MakeEntry(const Design& design, LibraryEntry& entry, std::string& error) {
  if (design.name.size() > kBackgroundNameBytes) {
    error = std::string(design.name) + ": the name is longer than 20 bytes";
    return false;
  }
  std::copy(design.name.begin(), design.name.end(), entry.name.begin());
  const QImage image = Draw(design);
  const std::span<const uint32_t> pixels(reinterpret_cast<const uint32_t*>(image.constBits()),
                                         static_cast<size_t>(kWidth) * kHeight);
  RasterImage raster;
  raster.SetJpegQuality(kJpegQuality);
  if (!raster.CreateFromPixels(pixels, kWidth, kHeight) ||
      !raster.Encode(entry.jpeg, kFormatJpeg)) {
    error = std::string(design.name) + ": " + raster.GetLastError();
    return false;
  }
  const RasterImage decoded(entry.jpeg, kFormatJpeg);
  if (!decoded.IsValid()) {
    error = std::string(design.name) + ": the encoded picture does not decode";
    return false;
  }
  entry.hue = MeanHue(decoded);
  return true;
}

int WriteLibrary(const std::filesystem::path& output) {
  const auto start = std::chrono::steady_clock::now();
  const std::span<const Design> designs = Catalogue();
  std::vector<LibraryEntry> entries(designs.size());
  std::vector<std::string> errors(designs.size());
  std::vector<char> ok(designs.size(), 0);
  ForEachInParallel(designs.size(),
                    [&](size_t i) { ok[i] = MakeEntry(designs[i], entries[i], errors[i]); });
  for (size_t i = 0; i < designs.size(); ++i) {
    if (!ok[i]) {
      std::fprintf(stderr, "bggen: %s\n", errors[i].c_str());
      return 1;
    }
  }
  if (const tavolo::Outcome<> written = WriteBackgroundLibrary(output, entries); !written) {
    std::fprintf(stderr, "bggen: cannot write %s: %s\n", output.string().c_str(),
                 written.Message().c_str());
    return 1;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  std::printf("bggen: %zu backgrounds written to %s in %lld ms\n", entries.size(),
              output.string().c_str(), static_cast<long long>(ms));
  return 0;
}

int WriteContactSheet(const std::filesystem::path& output) {
  constexpr int kColumns = 6;
  constexpr int kThumbWidth = kWidth / 4;
  constexpr int kThumbHeight = kHeight / 4;
  constexpr int kGap = 10;
  constexpr int kLabel = 18;
  const std::span<const Design> designs = Catalogue();
  const std::vector<QImage> images = DrawAll(designs);
  const int count = static_cast<int>(images.size());
  const int rows = (count + kColumns - 1) / kColumns;
  QImage sheet(kGap + kColumns * (kThumbWidth + kGap), kGap + rows * (kThumbHeight + kLabel + kGap),
               QImage::Format_RGB32);
  sheet.fill(QColor(0x80, 0x80, 0x80));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(Qt::white);
  for (int i = 0; i < count; ++i) {
    const int x = kGap + (i % kColumns) * (kThumbWidth + kGap);
    const int y = kGap + (i / kColumns) * (kThumbHeight + kLabel + kGap);
    const std::string_view name = designs[static_cast<size_t>(i)].name;
    painter.drawImage(QRect(x, y, kThumbWidth, kThumbHeight), images[static_cast<size_t>(i)]);
    painter.drawText(QRect(x, y + kThumbHeight, kThumbWidth, kLabel), Qt::AlignCenter,
                     QString("%1  %2").arg(i).arg(
                         QString::fromUtf8(name.data(), static_cast<int>(name.size()))));
  }
  painter.end();
  if (!sheet.save(QString::fromStdString(output.string()))) {
    std::fprintf(stderr, "bggen: cannot write %s\n", output.string().c_str());
    return 1;
  }
  return 0;
}

int WritePngs(const std::filesystem::path& folder, std::span<char*> names) {
  std::vector<Design> chosen;
  for (const Design& design : Catalogue()) {
    const bool wanted = names.empty() || std::any_of(names.begin(), names.end(),
                                                     [&](char* n) { return design.name == n; });
    if (wanted) chosen.push_back(design);
  }
  if (chosen.empty()) {
    std::fprintf(stderr, "bggen: no background of that name\n");
    return 1;
  }
  const std::vector<QImage> images = DrawAll(chosen);
  for (size_t i = 0; i < chosen.size(); ++i) {
    const std::filesystem::path file = folder / (std::string(chosen[i].name) + ".png");
    if (!images[i].save(QString::fromStdString(file.string()))) {
      std::fprintf(stderr, "bggen: cannot write %s\n", file.string().c_str());
      return 1;
    }
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: bggen OUTPUT\n"
               "       bggen --contact-sheet OUT.png\n"
               "       bggen --png FOLDER [NAME...]\n");
  return 2;
}

}  // namespace

}  // namespace tavolo::bggen

int main(int argc, char** argv) {
  using namespace tavolo::bggen;
  const std::span<char*> args(argv + 1, static_cast<size_t>(argc - 1));
  if (args.size() == 1 && args[0][0] != '-') return WriteLibrary(args[0]);
  if (args.size() == 2 && std::string_view(args[0]) == "--contact-sheet") {
    // The labels need fonts, and fonts need an application object; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return WriteContactSheet(args[1]);
  }
  if (args.size() >= 2 && std::string_view(args[0]) == "--png") {
    return WritePngs(args[1], args.subspan(2));
  }
  return Usage();
}
