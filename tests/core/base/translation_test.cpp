#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include <QCoreApplication>
#include <QTranslator>

#include "core/base/Translation.h"
#include "core/card/BackgroundTable.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/merge/MergeData.h"
#include "core/print/PageLayoutFile.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

std::string WithFolder(std::string text, const test::TempFolder& folder) {
  const std::string name = "NAME";
  for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
    text.replace(at, name.size(), folder.Path().string());
  }
  return text;
}

// What is said, how it comes about in a folder, and its English and German texts, both with NAME
// standing for the folder's path.
using MessageCase = std::tuple<const char*, std::function<std::string(const test::TempFolder&)>,
                               std::string, std::string>;
const MessageCase kCases[] = {
    {"an engine sentence with two placeholders, a \"%2\" in the file name left alone",
     [](const test::TempFolder& folder) {
       test::WriteFileBytes(folder / "a%2.ptm", {99, 0, 0, 0});
       return ReadPageLayoutFile(folder / "a%2.ptm").Message();
     },
     "NAME/a%2.ptm cannot be read: the format version 99 is newer than this program reads.",
     "NAME/a%2.ptm kann nicht gelesen werden: die Formatversion 99 ist neuer als die, die dieses "
     "Programm liest."},
    {"a file message passed on by the engine",
     [](const test::TempFolder& folder) { return ReadMergeData(folder / "missing.csv").Message(); },
     "NAME/missing.csv was not found.", "NAME/missing.csv wurde nicht gefunden."},
    {"an image-layer message after the engine's sentence",
     [](const test::TempFolder& folder) {
       test::WriteFileBytes(folder / "x%1.png", {'n', 'o', 't'});
       BackgroundTable table;
       return AddCustomBackground(table, folder / "x%1.png", DataFolder(folder.Path())).Message();
     },
     "NAME/x%1.png could not be read as a picture: Not a PNG",
     "NAME/x%1.png konnte nicht als Bild gelesen werden: Keine PNG-Datei"},
    {"an image-layer sentence holding a file message",
     [](const test::TempFolder& folder) {
       RasterImage image;
       image.Load(folder / "gone.png", kFormatPng);
       return TranslatedMessage(image.GetLastError());
     },
     "Can't open file for reading: NAME/gone.png was not found.",
     "Die Datei kann nicht zum Lesen geöffnet werden: NAME/gone.png wurde nicht gefunden."},
};

class TranslationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = std::make_unique<QCoreApplication>(argc_, argv_); }
  static void TearDownTestSuite() { app_.reset(); }

  static inline int argc_ = 1;
  static inline char name_[] = "test_base";
  static inline char* argv_[] = {name_, nullptr};
  static inline std::unique_ptr<QCoreApplication> app_;
};

TEST_F(TranslationTest, EngineMessagesAreGermanWithTheCatalogueAndEnglishWithout) {
  QTranslator catalogue;
  ASSERT_TRUE(catalogue.load(QStringLiteral(TAVOLO_BIN_DIR "/translations/tavolo_de.qm")));
  for (const auto& [what, message, english, german] : kCases) {
    SCOPED_TRACE(what);
    const test::TempFolder folder;
    EXPECT_EQ(message(folder), WithFolder(english, folder));
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue));
    EXPECT_EQ(message(folder), WithFolder(german, folder));
    QCoreApplication::removeTranslator(&catalogue);
  }
}

}  // namespace
}  // namespace tavolo
