#include "Catalogue.h"

#include <array>

#include "Families.h"

namespace tavolo::bggen {

namespace {

// Four corners of the card, for the common soft gradient.
void Corners(QImage& image, uint32_t topLeft, uint32_t topRight, uint32_t bottomLeft,
             uint32_t bottomRight, uint32_t seed) {
  const std::array<ColourPoint, 4> points{{{0.0f, 0.0f, Hex(topLeft)},
                                           {1.0f, 0.0f, Hex(topRight)},
                                           {0.0f, 1.0f, Hex(bottomLeft)},
                                           {1.0f, 1.0f, Hex(bottomRight)}}};
  PaintMeshGradient(image, points, 0.75f, seed);
}

void Glow(QImage& image, uint32_t centre, uint32_t edge, float x, float y, uint32_t seed) {
  const std::array<ColourPoint, 5> points{{{x, y, Hex(centre)},
                                           {-0.3f, -0.4f, Hex(edge)},
                                           {1.3f, -0.4f, Hex(edge)},
                                           {-0.3f, 1.4f, Hex(edge)},
                                           {1.3f, 1.4f, Hex(edge)}}};
  PaintMeshGradient(image, points, 0.45f, seed);
}

void Paper(QImage& image, uint32_t base, float mottle, float grain, int fibres, uint32_t fibre,
           int flecks, uint32_t fleck, uint32_t seed) {
  PaintPaper(image, {.base = Hex(base),
                     .mottle = mottle,
                     .grain = grain,
                     .fibres = fibres,
                     .fibre = Hex(fibre),
                     .flecks = flecks,
                     .fleck = Hex(fleck),
                     .seed = seed});
}

void Linen(QImage& image, uint32_t base, float contrast, uint32_t seed) {
  PaintLinen(image, {.base = Hex(base), .contrast = contrast, .pitch = 3.2f, .seed = seed});
}

void Marble(QImage& image, uint32_t base, uint32_t cloud, uint32_t vein, float strength,
            uint32_t seed) {
  PaintMarble(image, {.base = Hex(base),
                      .cloud = Hex(cloud),
                      .vein = Hex(vein),
                      .veinWidth = 0.018f,
                      .veinStrength = strength,
                      .scale = 320.0f,
                      .seed = seed});
}

void Metal(QImage& image, uint32_t dark, uint32_t light, uint32_t seed) {
  PaintMetal(image, {.dark = Hex(dark), .light = Hex(light), .streaks = 0.3f, .seed = seed});
}

void Wood(QImage& image, uint32_t light, uint32_t dark, float rings, int planks, uint32_t seed) {
  PaintWood(image, {.light = Hex(light),
                    .dark = Hex(dark),
                    .ringSpacing = rings,
                    .planks = planks,
                    .seed = seed});
}

template <size_t N>
void Wash(QImage& image, uint32_t paper, const std::array<WashBlot, N>& blots, uint32_t seed) {
  PaintWash(image, {.paper = Hex(paper), .blots = blots, .seed = seed});
}

void Bokeh(QImage& image, uint32_t top, uint32_t bottom, uint32_t a, uint32_t b, float strength,
           uint32_t seed) {
  PaintBokeh(image, {.top = Hex(top),
                     .bottom = Hex(bottom),
                     .lightA = Hex(a),
                     .lightB = Hex(b),
                     .count = 70,
                     .maxRadius = 75.0f,
                     .strength = strength,
                     .seed = seed});
}

template <size_t N>
void Waves(QImage& image, uint32_t top, uint32_t bottom, const std::array<Rgb, N>& bands,
           uint32_t seed) {
  PaintWaves(
      image,
      {.top = Hex(top), .bottom = Hex(bottom), .bands = bands, .height = 0.42f, .seed = seed});
}

void Silk(QImage& image, uint32_t top, uint32_t bottom, uint32_t line, float alpha, uint32_t seed) {
  PaintSilk(image, {.top = Hex(top),
                    .bottom = Hex(bottom),
                    .line = Hex(line),
                    .lines = 70,
                    .alpha = alpha,
                    .seed = seed});
}

void Contours(QImage& image, uint32_t base, uint32_t line, float alpha, uint32_t seed) {
  PaintContours(image,
                {.base = Hex(base), .line = Hex(line), .alpha = alpha, .levels = 16, .seed = seed});
}

const auto kDesigns = std::to_array<Design>({
    // Paper first: background 0 is what a card with an unknown background gets.
    {"Paper White",
     [](QImage& i) { Paper(i, 0xF7F6F2, 0.012f, 0.02f, 160, 0xC8C4BA, 0, 0, 11); }},
    {"Paper Ivory",
     [](QImage& i) { Paper(i, 0xF5EEDB, 0.014f, 0.02f, 180, 0xCBBF9F, 0, 0, 12); }},
    {"Paper Pearl Grey",
     [](QImage& i) { Paper(i, 0xDEDFE0, 0.014f, 0.022f, 200, 0xB0B2B5, 0, 0, 13); }},
    {"Paper Blush",
     [](QImage& i) { Paper(i, 0xF6E4E1, 0.014f, 0.02f, 160, 0xD4B5AF, 0, 0, 14); }},
    {"Paper Recycled",
     [](QImage& i) { Paper(i, 0xE9E5DC, 0.02f, 0.03f, 700, 0x9D968A, 500, 0x6B655C, 15); }},
    {"Paper Kraft",
     [](QImage& i) { Paper(i, 0xC49E70, 0.04f, 0.05f, 900, 0x8A6A45, 300, 0x5A4028, 16); }},

    {"Linen Cream", [](QImage& i) { Linen(i, 0xEFE6D2, 0.07f, 21); }},
    {"Linen Natural", [](QImage& i) { Linen(i, 0xD9CBB0, 0.08f, 22); }},
    {"Linen Sky", [](QImage& i) { Linen(i, 0xD7E5EF, 0.07f, 23); }},
    {"Linen Sage", [](QImage& i) { Linen(i, 0xD6DFCC, 0.07f, 24); }},
    {"Linen Charcoal", [](QImage& i) { Linen(i, 0x3B3D40, 0.12f, 25); }},

    {"Gradient Sky", [](QImage& i) { Corners(i, 0xB9DCF7, 0xC9E4FA, 0xE9F4FF, 0xF4F9FF, 31); }},
    {"Gradient Peach", [](QImage& i) { Corners(i, 0xFFE3D3, 0xFFD0B8, 0xFFF1E6, 0xFBC4A8, 32); }},
    {"Gradient Mint", [](QImage& i) { Corners(i, 0xDFF7EC, 0xBFEEDB, 0xEFFBF5, 0xA9E3CC, 33); }},
    {"Gradient Lavender",
     [](QImage& i) { Corners(i, 0xECE6FB, 0xD9CDF5, 0xF6F2FE, 0xC8B9EF, 34); }},
    {"Gradient Rose", [](QImage& i) { Corners(i, 0xFDE4EA, 0xF8CDD8, 0xFFF2F5, 0xF1B8C8, 35); }},
    {"Gradient Sand", [](QImage& i) { Corners(i, 0xF6ECD9, 0xECDCBF, 0xFBF5EA, 0xE3CFA9, 36); }},
    {"Gradient Lime", [](QImage& i) { Corners(i, 0xEEF8D4, 0xDCEFB2, 0xF8FCE8, 0xCDE79A, 37); }},
    {"Gradient Steel", [](QImage& i) { Corners(i, 0xE4E9EE, 0xCFD7DF, 0xF2F5F7, 0xBCC7D2, 38); }},
    {"Gradient Sunrise",
     [](QImage& i) { Corners(i, 0xFFE2B0, 0xFFD7A8, 0xFBB0A8, 0xF59AA6, 39); }},
    {"Gradient Coral", [](QImage& i) { Corners(i, 0xFF9A8B, 0xFF7A8A, 0xFFB199, 0xF26D85, 40); }},
    {"Gradient Ocean", [](QImage& i) { Corners(i, 0x2F80B8, 0x1F5F96, 0x4FA3C9, 0x15466F, 41); }},
    {"Gradient Midnight",
     [](QImage& i) { Corners(i, 0x0F1B33, 0x1B2C52, 0x0A1224, 0x263A6B, 42); }},
    {"Gradient Plum", [](QImage& i) { Corners(i, 0x3A1838, 0x4F2150, 0x2A1029, 0x66305F, 43); }},
    {"Gradient Forest",
     [](QImage& i) { Corners(i, 0x12301F, 0x1D4630, 0x0C2216, 0x2B5C3D, 44); }},
    {"Glow Aqua", [](QImage& i) { Glow(i, 0xF4FEFE, 0xB5E6EA, 0.3f, 0.35f, 45); }},
    {"Glow Amber", [](QImage& i) { Glow(i, 0xFFF6E2, 0xF2C987, 0.65f, 0.4f, 46); }},

    {"Marble Carrara",
     [](QImage& i) { Marble(i, 0xF1F0EE, 0xE2E1DF, 0x8E9096, 0.55f, 51); }},
    {"Marble Sand", [](QImage& i) { Marble(i, 0xEFE3CF, 0xE0CFB1, 0xA88B63, 0.5f, 52); }},
    {"Marble Rose", [](QImage& i) { Marble(i, 0xF5E6E4, 0xEAD0CD, 0xB98C88, 0.5f, 53); }},
    {"Marble Slate", [](QImage& i) { Marble(i, 0x3B3F45, 0x2D3136, 0xC9CCD1, 0.5f, 54); }},
    {"Marble Emerald", [](QImage& i) { Marble(i, 0x1F4A3A, 0x163829, 0xB6D3C4, 0.5f, 55); }},
    {"Marble Nero", [](QImage& i) { Marble(i, 0x1B1B1D, 0x262628, 0xD6C08A, 0.6f, 56); }},

    {"Brushed Silver", [](QImage& i) { Metal(i, 0xB9BEC4, 0xF4F6F8, 61); }},
    {"Brushed Steel", [](QImage& i) { Metal(i, 0x8E959C, 0xE4E8EC, 62); }},
    {"Brushed Gold", [](QImage& i) { Metal(i, 0xA98545, 0xF3DEA6, 63); }},
    {"Brushed Copper", [](QImage& i) { Metal(i, 0x9A5A3A, 0xEAB597, 64); }},
    {"Brushed Titanium", [](QImage& i) { Metal(i, 0x2F3338, 0x6D747C, 65); }},

    {"Wood Birch", [](QImage& i) { Wood(i, 0xF0E2C8, 0xCDB38E, 18.0f, 1, 71); }},
    {"Wood Whitewash", [](QImage& i) { Wood(i, 0xECE7DE, 0xC9BFB0, 16.0f, 5, 72); }},
    {"Wood Oak", [](QImage& i) { Wood(i, 0xD9B98A, 0x9C7448, 16.0f, 4, 73); }},
    {"Wood Cherry", [](QImage& i) { Wood(i, 0xB86A4A, 0x7A3A26, 14.0f, 4, 74); }},
    {"Wood Walnut", [](QImage& i) { Wood(i, 0x7A5238, 0x3B2418, 14.0f, 3, 75); }},

    {"Watercolour Blue",
     [](QImage& i) {
       Wash(i, 0xFBFAF6,
            std::to_array<WashBlot>({{0.02f, 0.05f, 0.36f, Hex(0x6FA3D6), 0.55f},
                                     {0.98f, 0.98f, 0.40f, Hex(0x86B5E0), 0.5f},
                                     {0.22f, 0.98f, 0.20f, Hex(0x9CC3E6), 0.35f}}),
            81);
     }},
    {"Watercolour Rose",
     [](QImage& i) {
       Wash(i, 0xFCF9F6,
            std::to_array<WashBlot>({{0.95f, 0.05f, 0.38f, Hex(0xE79AB0), 0.5f},
                                     {0.05f, 0.95f, 0.34f, Hex(0xF0B7A6), 0.5f},
                                     {0.75f, 0.9f, 0.16f, Hex(0xE8A6BE), 0.3f}}),
            82);
     }},
    {"Watercolour Sage",
     [](QImage& i) {
       Wash(i, 0xFAFAF5,
            std::to_array<WashBlot>({{0.0f, 0.5f, 0.34f, Hex(0x9FBF9A), 0.5f},
                                     {1.0f, 0.1f, 0.3f, Hex(0xC3D5A8), 0.5f},
                                     {0.85f, 1.0f, 0.22f, Hex(0x9FC0A8), 0.4f}}),
            83);
     }},
    {"Watercolour Lilac",
     [](QImage& i) {
       Wash(i, 0xFBFAFC,
            std::to_array<WashBlot>({{0.1f, 0.1f, 0.3f, Hex(0xB6A2DC), 0.5f},
                                     {0.95f, 0.85f, 0.36f, Hex(0xD3A9D6), 0.5f},
                                     {0.6f, 1.05f, 0.2f, Hex(0xA9B4E2), 0.35f}}),
            84);
     }},
    {"Watercolour Sunset",
     [](QImage& i) {
       Wash(i, 0xFDFAF5,
            std::to_array<WashBlot>({{0.0f, 1.0f, 0.42f, Hex(0xF6B26B), 0.5f},
                                     {0.45f, 1.1f, 0.3f, Hex(0xEF8F9A), 0.45f},
                                     {1.0f, 0.95f, 0.34f, Hex(0xB48AD8), 0.45f}}),
            85);
     }},
    {"Watercolour Teal",
     [](QImage& i) {
       Wash(i, 0xFAFBFA,
            std::to_array<WashBlot>({{1.0f, 0.0f, 0.45f, Hex(0x6FC3BF), 0.5f},
                                     {0.1f, 1.0f, 0.25f, Hex(0x8ACFE0), 0.4f}}),
            86);
     }},

    {"Stripes Mint",
     [](QImage& i) {
       PaintStripes(i, {.base = Hex(0xDFF3EA), .stripe = Hex(0xCDEBDC), .width = 26.0f,
                        .period = 52.0f, .angle = 45.0f});
     }},
    {"Stripes Sand",
     [](QImage& i) {
       PaintStripes(i, {.base = Hex(0xF2E8D8), .stripe = Hex(0xE8DAC3), .width = 60.0f,
                        .period = 120.0f, .angle = 0.0f});
     }},
    {"Stripes Blush",
     [](QImage& i) {
       PaintStripes(i, {.base = Hex(0xFBEEF0), .stripe = Hex(0xF0CDD5), .width = 3.0f,
                        .period = 18.0f, .angle = -45.0f});
     }},
    {"Pinstripe Navy",
     [](QImage& i) {
       PaintStripes(i, {.base = Hex(0x1C2A48), .stripe = Hex(0x8EA3C9), .width = 1.2f,
                        .period = 22.0f, .angle = 0.0f, .alpha = 0.45f});
     }},
    {"Chevron Grey",
     [](QImage& i) {
       PaintChevrons(i, {.a = Hex(0xE9EAEC), .b = Hex(0xDCDEE1), .period = 140.0f, .band = 34.0f,
                         .amplitude = 35.0f});
     }},
    {"Chevron Coral",
     [](QImage& i) {
       PaintChevrons(i, {.a = Hex(0xFDE2DC), .b = Hex(0xF8C8BD), .period = 120.0f, .band = 30.0f,
                         .amplitude = 30.0f});
     }},
    {"Dots Blush",
     [](QImage& i) {
       PaintDots(i, {.base = Hex(0xFBEEF0), .dot = Hex(0xF1CFD7), .spacing = 36.0f,
                     .radius = 6.0f});
     }},
    {"Dots Navy",
     [](QImage& i) {
       PaintDots(i, {.base = Hex(0x1E2D4D), .dot = Hex(0x2D4270), .spacing = 34.0f,
                     .radius = 5.0f});
     }},
    {"Halftone Blue",
     [](QImage& i) {
       PaintDots(i, {.base = Hex(0xF4F8FC), .dot = Hex(0xB9D3EC), .spacing = 14.0f,
                     .radius = 5.5f, .fade = true, .angle = 45.0f});
     }},
    {"Hexagon Honey",
     [](QImage& i) {
       PaintHexagons(i, {.base = Hex(0xF6D58A), .line = Hex(0xFBE8B8), .size = 36.0f,
                         .variation = 0.04f, .seed = 91});
     }},
    {"Hexagon Ice",
     [](QImage& i) {
       PaintHexagons(i, {.base = Hex(0xEEF3F7), .line = Hex(0xDDE6EE), .size = 30.0f,
                         .variation = 0.02f, .seed = 92});
     }},
    {"Hexagon Slate",
     [](QImage& i) {
       PaintHexagons(i, {.base = Hex(0x39414B), .line = Hex(0x2B3139), .size = 30.0f,
                         .variation = 0.05f, .seed = 93});
     }},
    {"Triangles Frost",
     [](QImage& i) {
       PaintTriangles(i, {.topLeft = Hex(0xEEF4F8), .bottomRight = Hex(0xCFDCEB), .cell = 110.0f,
                          .variation = 0.02f, .seed = 94});
     }},
    {"Triangles Teal",
     [](QImage& i) {
       PaintTriangles(i, {.topLeft = Hex(0x8FD3CF), .bottomRight = Hex(0x2F7F8F), .cell = 110.0f,
                          .variation = 0.035f, .seed = 95});
     }},
    {"Graph Paper",
     [](QImage& i) {
       PaintGrid(i, {.top = Hex(0xFBFCF8), .bottom = Hex(0xF4F6EF), .line = Hex(0x7FB3C8),
                     .minor = 14.0f, .majorEvery = 5, .alpha = 0.3f});
     }},
    {"Blueprint Grid",
     [](QImage& i) {
       PaintGrid(i, {.top = Hex(0x1F4E8C), .bottom = Hex(0x173B6B), .line = Hex(0xCFE3FF),
                     .minor = 14.0f, .majorEvery = 5, .alpha = 0.22f});
     }},
    {"Scales Aqua",
     [](QImage& i) {
       PaintScales(i, {.base = Hex(0xCFEEEE), .edge = Hex(0xA9DCDC), .radius = 30.0f,
                       .variation = 0.02f, .seed = 96});
     }},
    {"Cubes Cream",
     [](QImage& i) {
       PaintCubes(i, {.top = Hex(0xF5EFE4), .left = Hex(0xE6DCCB), .right = Hex(0xD8CCB7),
                      .size = 34.0f});
     }},
    {"Cubes Charcoal",
     [](QImage& i) {
       PaintCubes(i, {.top = Hex(0x4A4F57), .left = Hex(0x3A3E45), .right = Hex(0x2C3036),
                      .size = 34.0f});
     }},
    {"Argyle Cream",
     [](QImage& i) {
       PaintArgyle(i, {.base = Hex(0xF2EBDD), .diamond = Hex(0xE6DCC6), .line = Hex(0xB9A37C)});
     }},
    {"Basketweave Sand",
     [](QImage& i) {
       PaintBasketweave(i, {.base = Hex(0xE2CFAE), .gap = Hex(0xB09A78), .block = 66.0f,
                            .variation = 0.035f, .seed = 97});
     }},
    {"Sunburst Cream",
     [](QImage& i) {
       PaintSunburst(i, {.a = Hex(0xFBF1DC), .b = Hex(0xF6E8CB), .glow = Hex(0xFFFAF0)});
     }},
    {"Sunburst Sky",
     [](QImage& i) {
       PaintSunburst(i, {.a = Hex(0xDCECFA), .b = Hex(0xCFE4F8), .glow = Hex(0xF5FAFF),
                         .rays = 30, .cx = 0.0f, .cy = 0.0f});
     }},

    {"Bokeh Pastel",
     [](QImage& i) { Bokeh(i, 0xFDF2F6, 0xE8F0FC, 0xF7A8C4, 0x9CCBF5, 0.5f, 101); }},
    {"Bokeh Gold",
     [](QImage& i) { Bokeh(i, 0x1A1410, 0x3A2A18, 0xFFD27A, 0xFFB347, 0.55f, 102); }},
    {"Bokeh Blue",
     [](QImage& i) { Bokeh(i, 0x0B1A33, 0x1C3F6E, 0x8FD3FF, 0xC9B8FF, 0.5f, 103); }},
    {"Bokeh Emerald",
     [](QImage& i) { Bokeh(i, 0x06201A, 0x0F3D30, 0x9FF5C8, 0xF5F0A0, 0.5f, 104); }},
    {"Aurora Night",
     [](QImage& i) {
       PaintAurora(i, {.top = Hex(0x050B1A), .bottom = Hex(0x0E2036), .glowA = Hex(0x3DFCA0),
                       .glowB = Hex(0x7A7CFF), .seed = 105});
     }},

    {"Waves Ocean",
     [](QImage& i) {
       Waves(i, 0xF4F9FC, 0xE3F0F8,
             std::to_array<Rgb>({Hex(0xA9D2EA), Hex(0x6FB1DA), Hex(0x3D8FC6), Hex(0x1F6AA5)}), 111);
     }},
    {"Waves Sunset",
     [](QImage& i) {
       Waves(i, 0xFFF6EC, 0xFFE9D6,
             std::to_array<Rgb>({Hex(0xFFD0A1), Hex(0xFFB08A), Hex(0xF28B82), Hex(0xD9667A)}), 112);
     }},
    {"Waves Mint",
     [](QImage& i) {
       Waves(i, 0xF5FBF7, 0xE6F5EC,
             std::to_array<Rgb>({Hex(0xC2E8D2), Hex(0x94D4B2), Hex(0x62B98F), Hex(0x3A9A70)}), 113);
     }},
    {"Silk Pearl", [](QImage& i) { Silk(i, 0xFBFBFD, 0xECEFF4, 0x8AA0C0, 0.25f, 121); }},
    {"Silk Midnight", [](QImage& i) { Silk(i, 0x0D1526, 0x1E2B4A, 0x9FC6FF, 0.22f, 122); }},
    {"Silk Violet", [](QImage& i) { Silk(i, 0x1F0F2E, 0x3C1F52, 0xE0B3FF, 0.22f, 123); }},
    {"Contour Sand", [](QImage& i) { Contours(i, 0xF3EADB, 0x8B6F4E, 0.35f, 131); }},
    {"Contour Sage", [](QImage& i) { Contours(i, 0xE5ECDF, 0x5F7A5A, 0.35f, 132); }},
    {"Contour Night", [](QImage& i) { Contours(i, 0x1D2530, 0x7F9BB8, 0.4f, 133); }},
    {"Ripple Aqua",
     [](QImage& i) {
       PaintRipples(i, {.inner = Hex(0xD6F1F3), .outer = Hex(0xF6FBFC), .line = Hex(0x5FB3BD),
                        .spacing = 18.0f, .alpha = 0.25f});
     }},
    {"Ripple Dusk",
     [](QImage& i) {
       PaintRipples(i, {.inner = Hex(0x2C2A4A), .outer = Hex(0x141325), .line = Hex(0xA59BD6),
                        .spacing = 16.0f, .alpha = 0.3f, .cx = 1.05f, .cy = -0.1f});
     }},
    {"Swoosh Blue",
     [](QImage& i) {
       PaintSwoosh(i, {.paper = Hex(0xFAFBFC), .deep = Hex(0x1D4F91), .bright = Hex(0x4FA3E0)});
     }},
    {"Swoosh Green",
     [](QImage& i) {
       PaintSwoosh(i, {.paper = Hex(0xFBFCFA), .deep = Hex(0x2F6B3A), .bright = Hex(0x8CC63F)});
     }},
    {"Swoosh Red",
     [](QImage& i) {
       PaintSwoosh(i, {.paper = Hex(0xFCFBFB), .deep = Hex(0x9E1B32), .bright = Hex(0xF0625D)});
     }},

    {"Concrete",
     [](QImage& i) {
       PaintStone(i, {.dark = Hex(0x9A9A96), .light = Hex(0xC9C9C4), .scale = 180.0f,
                      .clouds = 0.6f, .pits = 0.35f, .seed = 141});
     }},
    {"Sandstone",
     [](QImage& i) {
       PaintStone(i, {.dark = Hex(0xCDB48C), .light = Hex(0xEAD9B8), .scale = 160.0f,
                      .stretch = 3.0f, .seed = 142});
     }},
    {"Slate Stone",
     [](QImage& i) {
       PaintStone(i, {.dark = Hex(0x2B3036), .light = Hex(0x4D555E), .scale = 160.0f,
                      .stretch = 4.0f, .seed = 143});
     }},
    {"Terrazzo",
     [](QImage& i) {
       static constexpr std::array<Rgb, 5> kChips{Hex(0xC9B8A6), Hex(0x8F8C86), Hex(0xD8A48F),
                                                  Hex(0x4B4F55), Hex(0xE8D6C0)};
       PaintTerrazzo(i, {.base = Hex(0xEFEBE4), .chips = kChips, .count = 700, .seed = 144});
     }},
    {"Carbon Fibre", [](QImage& i) { PaintCarbonFibre(i, Hex(0x111214), Hex(0x4A4F55)); }},
});

}  // namespace

std::span<const Design> Catalogue() {
  return kDesigns;
}

}  // namespace tavolo::bggen
