// A card to edit in the dialog tests: a document with one soft background, started on the blank
// card, its preview, a photo folder of the test's own, pictures to place, and prompts answered
// from a script.
#pragma once

#include <filesystem>
#include <string>

#include "core/card/BackgroundTable.h"
#include "core/document/CardDocument.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"
#include "tests/ui/ScriptedPrompts.h"
#include "ui/card/CardPreview.h"

namespace tavolo::test {

struct DialogFixture {
  TempFolder folder;
  std::filesystem::path photos = folder / "customphotos";
  std::filesystem::path pictures = folder / "pictures";
  BackgroundTable table;
  CardDocument document{&table, photos};
  CardPreview preview{document};
  Script script;
  ScriptedPrompts prompts{script};

  DialogFixture() {
    std::filesystem::create_directories(pictures);
    table.Append({},
                 MakePicture(64, 37,
                             [](uint32_t x, uint32_t y) {
                               return (0x60u + x) << 16 | (0x80u + y) << 8 | 0xC0u;
                             }),
                 0.0f);
    document.Start(nullptr);
    preview.resize(354, 205);
  }

  // A picture of `width` × `height` whose left tenth is dark, saved as `name` among the pictures.
  std::filesystem::path Picture(const std::string& name, uint32_t width, uint32_t height) const {
    RasterImage image = MakePicture(width, height, [width](uint32_t x, uint32_t y) {
      return x < width / 10 ? 0x101010u : (0x3000u + (y & 0xFF)) << 8 | (x & 0xFF);
    });
    const std::filesystem::path file = pictures / name;
    EXPECT_TRUE(image.Save(file, kFormatPng)) << image.GetLastError();
    return file;
  }
};

}  // namespace tavolo::test
