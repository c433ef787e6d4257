// libFuzzer target for hostile values rather than hostile bytes: the input chooses, field by
// field, a card's values (the stored default, one of the hostile values of the rendering tests or
// arbitrary bits), writes the card as a project file and reads it back, then renders both the
// card as it was built and the card as it was read, and encodes the rendering in a format the input
// picks. Nothing may fault, and a card that reads with success must read back to the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>

#include "FuzzRequire.h"
#include "core/base/CheckedCall.h"
#include "core/card/CardLimits.h"
#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/render/CardRenderer.h"
#include "tests/core/render/HostileValues.h"

namespace {

using namespace tavolo;

// A rendering larger than this is drawn at a divisor that brings it under, to keep runs quick.
constexpr int64_t kMaxDrawnPixels = 120'000;
constexpr int kFormats[] = {kFormatBmp,  kFormatGif, kFormatJpeg, kFormatPng,
                            kFormatTiff, kFormatTga, kFormatPcx};

struct World {
  std::filesystem::path photos;
  BackgroundTable table;
};

RasterImage Picture(uint32_t width, uint32_t height, uint32_t seed) {
  RasterImage image;
  image.Create(width, height, 24, kFormatBmp);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      image.SetPixelColour(x, y,
                           {static_cast<uint8_t>(x * seed), static_cast<uint8_t>(y * 7),
                            static_cast<uint8_t>(seed), 0});
    }
  }
  return image;
}

World& TheWorld() {
  static World world = [] {
    World w;
    char folder[] = "/tmp/tavolo-fuzz-card-XXXXXX";
    w.photos = ::mkdtemp(folder);
    for (const char* name : {"photo.bmp", "logo.bmp"}) {
      RasterImage picture = Picture(40, 24, name[0]);
      picture.Save(w.photos / name, kFormatBmp);
    }
    w.table.Append(MakeBackgroundName("Linen"), Picture(64, 40, 3), 0.0f);
    w.table.Append(MakeBackgroundName("Marble"), Picture(8, 8, 11), -0.25f);
    return w;
  }();
  return world;
}

// The field's value as it stands, a hostile one, a plausible one or any bits at all.
float PickFloat(FuzzedDataProvider& in, float current) {
  const int kind = in.ConsumeIntegralInRange<int>(0, 3);
  if (kind == 0) return current;
  if (kind == 1) return in.PickValueInArray(test::kHostileFloats);
  return kind == 2 ? in.ConsumeFloatingPointInRange<float>(-2000.0f, 2000.0f)
                   : in.ConsumeFloatingPoint<float>();
}

int32_t PickInt(FuzzedDataProvider& in, int32_t current) {
  const int kind = in.ConsumeIntegralInRange<int>(0, 2);
  if (kind == 0) return current;
  return kind == 1 ? in.PickValueInArray(test::kHostileInts) : in.ConsumeIntegral<int32_t>();
}

QString PickText(FuzzedDataProvider& in, const QString& current) {
  if (in.ConsumeBool()) return current;
  return QString::fromUtf8(in.ConsumeRandomLengthString(40));
}

CardState BuildCard(FuzzedDataProvider& in) {
  CardState card;
  // Each rendered field keeps its default or takes a value from the input.
  for (const test::FloatField& field : test::RenderedFloatFields()) {
    if (in.ConsumeBool()) field.set(card, PickFloat(in, 0.0f));
  }
  for (const test::IntField& field : test::RenderedIntFields()) {
    if (in.ConsumeBool()) field.set(card, PickInt(in, 0));
  }
  for (TextBoxStyle& style : card.styles) {
    style.size = PickText(in, style.size);
    style.face = PickText(in, style.face);
    style.style = PickText(in, style.style);
    style.textColour.s = PickFloat(in, style.textColour.s);
    style.frameColour.h = PickFloat(in, style.frameColour.h);
    style.reserved = PickInt(in, style.reserved);
  }
  // The values the reader refuses out of range are kept in range: the live state holds only
  // those, and a refused file is exercised by the byte-level target.
  card.boxCount = in.ConsumeIntegralInRange<int32_t>(3, kTextBoxCount);
  card.layoutIndex = in.ConsumeIntegralInRange<int32_t>(0, 9);
  card.gradOrientation = in.ConsumeIntegralInRange<int32_t>(0, 3);
  card.backgroundIndex = in.ConsumeIntegralInRange<int32_t>(0, TheWorld().table.Count() - 1);
  for (TextBoxLines& lines : card.lines) {
    lines.count = in.ConsumeIntegralInRange<int32_t>(0, kMaxLinesPerBox);
    for (int32_t i = 0; i < lines.count; ++i) {
      lines.line[i] = QString::fromUtf8(in.ConsumeRandomLengthString(60));
    }
  }
  card.photo.name = in.ConsumeBool() ? QStringLiteral("photo.bmp") : QString();
  card.logo.name = in.ConsumeBool() ? QStringLiteral("logo.bmp") : QString();
  card.cardWidth = PickFloat(in, card.cardWidth);
  card.cardHeight = PickFloat(in, card.cardHeight);
  card.widthUnit = PickInt(in, card.widthUnit);
  card.heightUnit = PickInt(in, card.heightUnit);
  return card;
}

// Renders at the card's own size when it can be drawn, else at a size the input picks, always
// small enough to be quick; then encodes the picture.
void RenderAndEncode(FuzzedDataProvider& in, const CardState& card) {
  World& world = TheWorld();
  const CardPixelSize size = CardPixels(card.cardWidth, card.cardHeight);
  int dx = size.Ok() ? size.width : in.ConsumeIntegralInRange<int>(1, 400);
  int dy = size.Ok() ? size.height : in.ConsumeIntegralInRange<int>(1, 300);
  int divisor = 1;
  while (static_cast<int64_t>(dx / divisor) * (dy / divisor) > kMaxDrawnPixels) ++divisor;
  dx = std::max(dx / divisor, 1);
  dy = std::max(dy / divisor, 1);
  CardRenderer renderer(&world.table, world.photos);
  const QImage drawn = renderer.Render(card, divisor, dx, dy);
  Require(drawn.width() == dx && drawn.height() == dy);

  RasterImage picture;
  const std::span<const uint32_t> pixels(reinterpret_cast<const uint32_t*>(drawn.constBits()),
                                         static_cast<size_t>(dx) * dy);
  Require(picture.CreateFromPixels(pixels, static_cast<uint32_t>(dx), static_cast<uint32_t>(dy)));
  const int format = in.PickValueInArray(kFormats);
  if (format == kFormatGif) Require(picture.DecreaseBpp(8, false));
  picture.SetXDpi(card.dpi);
  picture.SetYDpi(card.dpi);
  picture.SetJpegQuality(in.ConsumeIntegral<uint8_t>());
  std::vector<uint8_t> file;
  Require(picture.Encode(file, format));
  const RasterImage back(file, format);
  Require(back.IsValid() && back.GetWidth() == static_cast<uint32_t>(dx));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(*argc, *argv);
  // A failed check is a finding: the values given here must never make one fail.
  SetFatalErrorReporter([](const std::string&) -> FatalChoice { __builtin_trap(); });
  TheWorld();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const CardState built = BuildCard(in);
  const BackgroundTable& table = TheWorld().table;

  const std::vector<uint8_t> bytes = SerializeProject(built, table);
  CardState read;
  const ProjectReading result = ReadProject(bytes, read, table, ReadMode::kKeepOnFileError);
  // Only a card size that cannot be drawn is refused; everything else stored reads back.
  Require(result.Ok() || (result.Fault().kind == ProjectFault::kFileError &&
                          !CardPixels(built.cardWidth, built.cardHeight).Ok()));
  if (result.Ok()) Require(SerializeProject(read, table) == bytes);

  RenderAndEncode(in, built);
  if (result.Ok()) RenderAndEncode(in, read);
  return 0;
}
