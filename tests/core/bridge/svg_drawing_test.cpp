// SVG logos are read with care: nothing outside the file is followed, nothing expands.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/bridge/SvgDrawing.h"
#include "tests/core/TestFolders.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

std::filesystem::path Write(const test::TempFolder& folder, const std::string& name,
                            const std::string& text) {
  const std::filesystem::path path = folder.Path() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(SvgDrawing, WhatReachesOutsideTheFileOrExpandsIsRefusedWithAReason) {
  test::EnsureGuiApplication();
  test::TempFolder folder;
  const struct {
    const char* what;
    std::string text;
    const char* reason;
  } cases[] = {
      {"a picture in another file",
       R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
       R"(width="10" height="10"><image xlink:href="/etc/passwd" width="10" height="10"/></svg>)",
       "outside the file"},
      {"a billion laughs",
       R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "lol"><!ENTITY b "&a;&a;&a;&a;">]>)"
       R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><text>&b;</text></svg>)",
       "entities"},
      {"broken XML", R"(<svg xmlns="http://www.w3.org/2000/svg" width="10")", "well-formed"},
      {"too large", R"(<svg xmlns="http://www.w3.org/2000/svg" width="90000" height="90000"/>)",
       "too large"},
      {"too long", std::string(kMaxSvgBytes + 1, ' '), "large"},
  };
  for (const auto& c : cases) {
    const Outcome<SvgDrawing> read = ReadSvgDrawing(Write(folder, "bad.svg", c.text), 1 << 26);
    ASSERT_FALSE(read) << c.what;
    EXPECT_NE(read.Message().find(c.reason), std::string::npos) << c.what << ": " << read.Message();
  }
  // An inline picture and a reference inside the file are the drawing's own.
  const Outcome<SvgDrawing> own = ReadSvgDrawing(
      Write(folder, "own.svg",
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><defs>)"
            R"(<circle id="c" r="3"/></defs><use href="#c"/></svg>)"),
      1 << 26);
  EXPECT_TRUE(own) << own.Message();
}

}  // namespace
}  // namespace tavolo
