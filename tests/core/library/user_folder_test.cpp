#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/base/ProgramFolder.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/PhotoFolder.h"
#include "core/library/TemplateTable.h"
#include "core/library/TemplateWriter.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

// Every file below `folder` with its bytes.
std::map<fs::path, std::vector<uint8_t>> Snapshot(const fs::path& folder) {
  std::map<fs::path, std::vector<uint8_t>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path()] = test::ReadFileBytes(entry.path());
  }
  return files;
}

struct Folders {
  test::TempFolder dir;
  DataFolder folders{dir / "shipped", dir / "user"};  // the user's is not made yet
  fs::path elsewhere = dir / "chosen";
  Folders() {
    for (const char* sub : {"shipped/custombg", "shipped/customphotos", "shipped/tmpl", "chosen"}) {
      fs::create_directories(dir / sub);
    }
  }
  void Put(const fs::path& file) const {
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(test::WriteFileBytes(file, test::TinyJpeg()));
  }
};

TEST(UserFolder, ImportsAndPhotoCopiesGoToTheUsersFolderAndLeaveTheShippedOneAsItWas) {
  Folders f;
  f.Put(f.dir / "shipped/custombg/linen.jpg");
  f.Put(f.dir / "shipped/custombg/linen.hue");
  f.Put(f.dir / "shipped/customphotos/face.jpg");
  f.Put(f.elsewhere / "mine.jpg");
  const auto shipped = Snapshot(f.folders.shipped);

  BackgroundTable table;
  const Outcome<int> added = AddCustomBackground(table, f.elsewhere / "mine.jpg", f.folders);
  ASSERT_TRUE(added.Ok()) << added.Message();
  EXPECT_TRUE(fs::exists(f.dir / "user/custombg/mine.jpg"));
  EXPECT_TRUE(fs::exists(f.dir / "user/custombg/mine.hue"));
  // Importing a shipped background again makes the user's copy.
  ASSERT_TRUE(AddCustomBackground(table, f.dir / "shipped/custombg/linen.jpg", f.folders).Ok());
  EXPECT_TRUE(fs::exists(f.dir / "user/custombg/linen.jpg"));

  const DataFolder photos = CustomPhotosFolder(f.folders);
  const Outcome<PhotoCopy> copied = CopyIntoPhotoFolder(f.elsewhere / "mine.jpg", photos);
  ASSERT_TRUE(copied.Ok()) << copied.Message();
  EXPECT_EQ(copied.Value().path, f.dir / "user/customphotos/mine.jpg");
  // A shipped photo is used where it lies.
  const Outcome<PhotoCopy> used =
      CopyIntoPhotoFolder(f.dir / "shipped/customphotos/face.jpg", photos);
  ASSERT_TRUE(used.Ok()) << used.Message();
  EXPECT_EQ(used.Value().path, f.dir / "shipped/customphotos/face.jpg");

  EXPECT_EQ(Snapshot(f.folders.shipped), shipped);
}

TEST(UserFolder, ListsHoldTheShippedItemsThenTheUsersAndAUsersItemWinsOverAShippedOne) {
  test::EnsureGuiApplication();
  Folders f;
  f.Put(f.dir / "shipped/custombg/linen.jpg");
  f.Put(f.dir / "shipped/custombg/same.jpg");
  f.Put(f.dir / "user/custombg/same.jpg");
  BackgroundTable backgrounds;
  // The folder holds no library: the imported pictures stay all the same.
  EXPECT_FALSE(
      ReadBGFileIn(backgrounds, f.folders, fs::path("no-library"), HueCompanions::kMeasureOnly));
  ASSERT_EQ(backgrounds.Count(), 2);
  const auto fileOf = [&](int number) {
    return std::get<PictureFile>(backgrounds.Source(number)).path;
  };
  EXPECT_EQ(fileOf(0), f.dir / "shipped/custombg/linen.jpg");
  EXPECT_EQ(fileOf(1), f.dir / "user/custombg/same.jpg");

  // Templates, sorted by title across both folders; their photos found in either.
  CardRenderer renderer(nullptr, {});
  CardState card;
  card.Picture(PictureKind::kPhoto).name = QStringLiteral("face.jpg");
  for (const char* path : {"shipped/tmpl", "user/tmpl"}) {
    for (const char* title : {"Same", path[0] == 's' ? "Bakery" : "Architect"}) {
      ASSERT_TRUE(WriteTemplate(f.dir / path, QString::fromLatin1(title), card, backgrounds,
                                renderer, TemplateSave::kNew)
                      .Ok());
    }
  }
  f.Put(f.dir / "shipped/customphotos/face.jpg");
  TemplateTable templates;
  templates.ReloadIn(f.folders, backgrounds);
  std::vector<fs::path> listed;
  for (int i = 0; i < templates.Count(); ++i) listed.push_back(templates.Entry(i).path);
  EXPECT_EQ(listed, (std::vector<fs::path>{f.dir / "user/tmpl/Architect.tvt",
                                           f.dir / "shipped/tmpl/Bakery.tvt",
                                           f.dir / "user/tmpl/Same.tvt"}));
  EXPECT_EQ(templates.Entry(0).card.Picture(PictureKind::kPhoto).path.toStdString(),
            (f.dir / "shipped/customphotos/face.jpg").string());
  f.Put(f.dir / "user/customphotos/face.jpg");
  templates.ReloadIn(f.folders, backgrounds);
  EXPECT_EQ(templates.Entry(0).card.Picture(PictureKind::kPhoto).path.toStdString(),
            (f.dir / "user/customphotos/face.jpg").string());
}

}  // namespace
}  // namespace tavolo
