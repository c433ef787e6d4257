// The families of backgrounds the generator draws; each painter fills the whole canvas from its
// style. The catalogue picks the colours and seeds.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "Colour.h"

namespace tavolo::bggen {

// Soft gradients: colours pinned at points (x and y as fractions of the card) and blended with
// wide, slightly wandering falloffs.
struct ColourPoint {
  float x = 0.0f;
  float y = 0.0f;
  Rgb colour{};
};
void PaintMeshGradient(QImage& image, std::span<const ColourPoint> points, float spread,
                       uint32_t seed);

struct PaperStyle {
  Rgb base{};
  float mottle = 0.02f;
  float grain = 0.02f;
  int fibres = 0;
  Rgb fibre{};
  int flecks = 0;
  Rgb fleck{};
  uint32_t seed = 1;
};
void PaintPaper(QImage& image, const PaperStyle& style);

struct LinenStyle {
  Rgb base{};
  float contrast = 0.08f;
  float pitch = 3.0f;  // thread spacing in pixels
  uint32_t seed = 1;
};
void PaintLinen(QImage& image, const LinenStyle& style);

struct MarbleStyle {
  Rgb base{};
  Rgb cloud{};
  Rgb vein{};
  float veinWidth = 0.02f;
  float veinStrength = 0.6f;
  float scale = 300.0f;
  uint32_t seed = 1;
};
void PaintMarble(QImage& image, const MarbleStyle& style);

struct MetalStyle {
  Rgb dark{};
  Rgb light{};
  float streaks = 0.3f;
  uint32_t seed = 1;
};
void PaintMetal(QImage& image, const MetalStyle& style);

struct WoodStyle {
  Rgb light{};
  Rgb dark{};
  float ringSpacing = 14.0f;
  int planks = 4;
  uint32_t seed = 1;
};
void PaintWood(QImage& image, const WoodStyle& style);

struct StoneStyle {
  Rgb dark{};
  Rgb light{};
  float scale = 200.0f;
  float stretch = 1.0f;  // above 1 lays the stone in horizontal beds
  float clouds = 1.1f;   // weight of the broad light and dark patches
  float pits = 0.0f;
  uint32_t seed = 1;
};
void PaintStone(QImage& image, const StoneStyle& style);

void PaintCarbonFibre(QImage& image, Rgb dark, Rgb light);

struct TerrazzoStyle {
  Rgb base{};
  std::span<const Rgb> chips{};
  int count = 600;
  uint32_t seed = 1;
};
void PaintTerrazzo(QImage& image, const TerrazzoStyle& style);

// Watercolour: blots of pigment on paper, pooled at their edges.
struct WashBlot {
  float x = 0.0f;  // centre, fractions of the width and height
  float y = 0.0f;
  float radius = 0.3f;  // fraction of the width
  Rgb pigment{};
  float density = 0.5f;
};
struct WashStyle {
  Rgb paper{};
  std::span<const WashBlot> blots{};
  uint32_t seed = 1;
};
void PaintWash(QImage& image, const WashStyle& style);

struct BokehStyle {
  Rgb top{};
  Rgb bottom{};
  Rgb lightA{};
  Rgb lightB{};
  int count = 60;
  float maxRadius = 70.0f;
  float strength = 0.5f;
  uint32_t seed = 1;
};
void PaintBokeh(QImage& image, const BokehStyle& style);

struct AuroraStyle {
  Rgb top{};
  Rgb bottom{};
  Rgb glowA{};
  Rgb glowB{};
  uint32_t seed = 1;
};
void PaintAurora(QImage& image, const AuroraStyle& style);

struct WavesStyle {
  Rgb top{};
  Rgb bottom{};
  std::span<const Rgb> bands{};  // back to front
  float height = 0.45f;          // fraction of the card the waves rise to
  uint32_t seed = 1;
};
void PaintWaves(QImage& image, const WavesStyle& style);

struct SilkStyle {
  Rgb top{};
  Rgb bottom{};
  Rgb line{};
  int lines = 60;
  float alpha = 0.25f;
  uint32_t seed = 1;
};
void PaintSilk(QImage& image, const SilkStyle& style);

struct ContourStyle {
  Rgb base{};
  Rgb line{};
  float alpha = 0.35f;
  int levels = 14;
  uint32_t seed = 1;
};
void PaintContours(QImage& image, const ContourStyle& style);

struct RippleStyle {
  Rgb inner{};
  Rgb outer{};
  Rgb line{};
  float spacing = 18.0f;
  float alpha = 0.25f;
  float cx = -0.1f;  // centre, fractions of the width and height
  float cy = 1.1f;
};
void PaintRipples(QImage& image, const RippleStyle& style);

struct SwooshStyle {
  Rgb paper{};
  Rgb deep{};
  Rgb bright{};
};
void PaintSwoosh(QImage& image, const SwooshStyle& style);

// Geometric patterns.
struct StripeStyle {
  Rgb base{};
  Rgb stripe{};
  float width = 20.0f;   // of each stripe, pixels
  float period = 40.0f;  // from one stripe to the next
  float angle = 45.0f;   // degrees from vertical
  float alpha = 1.0f;
};
void PaintStripes(QImage& image, const StripeStyle& style);

struct ChevronStyle {
  Rgb a{};
  Rgb b{};
  float period = 120.0f;
  float band = 40.0f;
  float amplitude = 30.0f;
};
void PaintChevrons(QImage& image, const ChevronStyle& style);

struct DotStyle {
  Rgb base{};
  Rgb dot{};
  float spacing = 40.0f;
  float radius = 6.0f;
  bool fade = false;  // halftone: dots shrink away from the lower right corner
  float angle = 0.0f;
};
void PaintDots(QImage& image, const DotStyle& style);

struct HexStyle {
  Rgb base{};
  Rgb line{};
  float size = 40.0f;  // centre to corner
  float lineWidth = 1.5f;
  float variation = 0.03f;  // lightness spread of the tiles
  uint32_t seed = 1;
};
void PaintHexagons(QImage& image, const HexStyle& style);

struct TriangleStyle {
  Rgb topLeft{};
  Rgb bottomRight{};
  float cell = 90.0f;
  float variation = 0.04f;
  uint32_t seed = 1;
};
void PaintTriangles(QImage& image, const TriangleStyle& style);

struct GridStyle {
  Rgb top{};
  Rgb bottom{};
  Rgb line{};
  float minor = 14.0f;
  int majorEvery = 5;
  float alpha = 0.18f;
};
void PaintGrid(QImage& image, const GridStyle& style);

struct ScaleStyle {
  Rgb base{};
  Rgb edge{};
  float radius = 30.0f;
  float variation = 0.03f;
  uint32_t seed = 1;
};
void PaintScales(QImage& image, const ScaleStyle& style);

struct CubeStyle {
  Rgb top{};
  Rgb left{};
  Rgb right{};
  float size = 36.0f;
};
void PaintCubes(QImage& image, const CubeStyle& style);

struct ArgyleStyle {
  Rgb base{};
  Rgb diamond{};
  Rgb line{};
  float width = 150.0f;
  float height = 210.0f;
};
void PaintArgyle(QImage& image, const ArgyleStyle& style);

struct BasketStyle {
  Rgb base{};
  Rgb gap{};
  float block = 60.0f;
  float variation = 0.05f;
  uint32_t seed = 1;
};
void PaintBasketweave(QImage& image, const BasketStyle& style);

struct SunburstStyle {
  Rgb a{};
  Rgb b{};
  Rgb glow{};
  int rays = 36;
  float cx = 0.5f;
  float cy = 1.15f;
};
void PaintSunburst(QImage& image, const SunburstStyle& style);

}  // namespace tavolo::bggen
