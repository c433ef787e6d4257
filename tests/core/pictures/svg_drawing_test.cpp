#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include <QByteArray>

#include "core/pictures/BoundedPicture.h"
#include "core/pictures/SvgDrawing.h"
#include "core/pictures/SvgTextCheck.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::Repeated;

std::string Svg(const std::string& body, int size = 10) {
  const std::string side = std::to_string(size);
  return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
         R"(width=")" +
         side + R"(" height=")" + side + R"(" viewBox="0 0 10 10">)" + body + "</svg>";
}

// An <image> over the whole drawing whose picture is `bytes`, written into it.
std::string Inline(const std::string& bytes, const std::string& type = "image/svg+xml",
                   const std::string& lead = "") {
  const QByteArray data = QByteArray::fromStdString(bytes).toBase64();
  return R"(<image width="10" height="10" xlink:href=")" + lead + "data:" + type + ";base64," +
         data.toStdString() + R"("/>)";
}

BoundedPicture Load(const test::TempFolder& folder, const std::string& text) {
  const std::filesystem::path file = folder / "logo.svg";
  std::ofstream(file, std::ios::binary) << text;
  return LoadBoundedPicture(file, 1 << 26, 1 << 26);
}

// What the drawing names is never opened, nothing expands without bound, and nothing costs more
// to draw than a logo may: each is refused, read or drawn, with a reason.
TEST(SvgDrawing, WhatReachesOutsideTheFileOrCostsTooMuchIsRefusedWithAReason) {
  test::EnsureGuiApplication();
  test::TempFolder folder;
  // A named pipe blocks whoever opens it for reading until a writer comes.
  const std::string pipe = (folder / "pipe.png").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string outside = Svg(R"(<image width="10" height="10" xlink:href="/etc/passwd"/>)");
  std::string chain = R"(<defs><rect id="u0" width="1" height="1"/>)";
  for (int i = 1; i < 200; ++i) {
    chain += "<g id=\"u" + std::to_string(i) + "\"><use xlink:href=\"#u" + std::to_string(i - 1) +
             "\"/></g>";
  }
  std::string bomb = R"(<defs><rect id="b0" width="1" height="1"/>)";
  for (int i = 1; i < 7; ++i) {
    bomb += "<g id=\"b" + std::to_string(i) + "\">" +
            Repeated("<use xlink:href=\"#b" + std::to_string(i - 1) + "\"/>", 10) + "</g>";
  }
  std::string zigzag = "M0 0";
  for (int i = 0; i < 20000; ++i) {
    zigzag += " L" + std::to_string(i % 2 * 10) + " " + std::to_string(i * 37 % 10);
  }
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"a picture in another file", outside, "outside the file"},
      {"a drawing in the drawing naming a picture in another file", Svg(Inline(outside)),
       "outside the file"},
      {"a drawing in the drawing naming a named pipe",
       Svg(Inline(
           Svg(Inline(Svg("<image width=\"1\" height=\"1\" xlink:href=\"" + pipe + "\"/>"))))),
       "outside the file"},
      {"a file name the painter would take for a picture written in",
       Svg(R"(<image width="10" height="10" xlink:href="DATA:x"/>)"), "cannot be read"},
      {"a picture named by an id", Svg(R"(<image width="1" height="1" xlink:href="#x"/>)"),
       "outside the file"},
      {"a billion laughs",
       R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "lol"><!ENTITY b "&a;&a;&a;&a;">]>)" +
           Svg("<text>&b;</text>"),
       "entities"},
      {"broken XML", R"(<svg xmlns="http://www.w3.org/2000/svg" width="10")", "well-formed"},
      {"too large", Svg("", 90000), "too large"},
      {"too long", std::string(kMaxSvgBytes + 1, ' '), "large"},
      {"groups too deep", Svg(Repeated("<g>", 200) + Repeated("</g>", 200)), "deep"},
      {"a chain of uses too deep", Svg(chain + "</defs><use xlink:href=\"#u199\"/>"), "deep"},
      {"uses of uses", Svg(bomb + "</defs><use xlink:href=\"#b6\"/>"), "elements"},
      {"a use of itself", Svg(R"(<g id="a"><use xlink:href="#a"/></g>)"), "inside itself"},
      {"a gradient of many stops",
       Svg("<linearGradient id=\"g\">" + Repeated("<stop offset=\"0.5\"/>", 1001) +
           "</linearGradient>"),
       "stops"},
      {"much text", Svg("<text>" + std::string(20001, 'x') + "</text>"), "characters"},
      {"many style rules for many elements",
       Svg("<style>" + Repeated(".a{fill:red}", 3000) + "</style>" + Repeated("<g/>", 1000)),
       "style rules"},
      {"drawings in drawings in drawings", Svg(Inline(Svg(Inline(Svg(Inline(Svg(""))))))),
       "nested"},
      {"a compressed drawing in the drawing", Svg(Inline("\x1f\x8b\x08\x00")), "compressed"},
      {"a damaged picture in the drawing",
       Svg(R"(<image width="1" height="1" xlink:href="data:image/png;base64,iVBORw0K*"/>)"),
       "cannot be read"},
      {"a wide stroke over a long path",
       Svg("<path d=\"" + zigzag + "\" fill=\"none\" stroke=\"#000\" stroke-width=\"3\"/>", 100),
       "too complex"},
      {"thousands of large shapes",
       Svg(Repeated(R"(<circle cx="5" cy="5" r="5" stroke="#000" stroke-width="2"/>)", 8000), 100),
       "too complex"},
  };
  for (const auto& [what, text, reason] : cases) {
    const BoundedPicture picture = Load(folder, text);
    ASSERT_FALSE(picture.IsValid()) << what;
    const std::string& message = picture.image.GetLastError();
    EXPECT_NE(message.find(reason), std::string::npos) << what << ": " << message;
  }
}

// What the drawing holds is its own: inline pictures and drawings, names within it; style sheets
// that processing instructions name are not read, and the painter gets only what the check wrote.
TEST(SvgDrawing, PicturesAndDrawingsWrittenIntoItAreDrawnFromPicturesTheCheckMade) {
  test::EnsureGuiApplication();
  test::TempFolder folder;
  const std::string pipe = (folder / "style.css").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  RasterImage red = test::MakePicture(4, 4, [](uint32_t, uint32_t) { return 0xFF0000u; });
  std::vector<uint8_t> png;
  ASSERT_TRUE(red.Encode(png, kFormatPng));
  const std::string redPng(png.begin(), png.end());
  const std::string blue = Svg(R"(<rect width="10" height="10" fill="#0000ff"/>)");
  const std::tuple<const char*, std::string, RgbQuad> cases[] = {
      {"a PNG, its reference after a space", Svg(Inline(redPng, "image/png", " ")), {0, 0, 255, 0}},
      {"a drawing in a drawing", Svg(Inline(Svg(Inline(blue)))), {255, 0, 0, 0}},
      {"a style sheet named by a processing instruction, a comment and a use",
       "<?xml-stylesheet type=\"text/css\" href=\"" + pipe + "\"?><!-- note -->" +
           Svg(R"(<defs><rect id="r" width="10" height="10" fill="#0000ff"/></defs>)"
               R"(<use xlink:href="#r"/>)"),
       {255, 0, 0, 0}},
  };
  for (const auto& [what, text, colour] : cases) {
    const BoundedPicture picture = Load(folder, text);
    ASSERT_TRUE(picture.IsValid()) << what << ": " << picture.image.GetLastError();
    EXPECT_EQ(picture.image.GetPixelColour(15, 15), colour) << what;
    EXPECT_EQ(picture.image.GetPixelAlpha(15, 15), 255) << what;
    ASSERT_TRUE(picture.drawing) << what;
    const std::string checked = picture.drawing->text.toStdString();
    for (const char* gone : {"<?", "<!", "xlink:href=\"data:image/svg"}) {
      EXPECT_EQ(checked.find(gone), std::string::npos) << what << ": " << gone;
    }
  }
}

}  // namespace
}  // namespace tavolo
