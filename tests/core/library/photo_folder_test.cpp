// Putting a chosen photo or logo into the photo folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "core/library/PhotoFolder.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

struct Folders {
  test::TempFolder dir;
  std::filesystem::path photos = dir / "customphotos";
  std::filesystem::path chosen = dir / "chosen";
  Folders() { std::filesystem::create_directories(chosen); }
};

TEST(PhotoFolder, CopiesUnderItsOwnNameReplacingAnOlderFileUsesOneInPlaceAndNamesAMissingOne) {
  Folders f;
  for (const char* name : {"face.jpg", "logo", "my.logo.png"}) {
    ASSERT_TRUE(WriteFileBytes(f.chosen / name, {1, 2, 3}));
    const Outcome<std::filesystem::path> copied = CopyIntoPhotoFolder(f.chosen / name, f.photos);
    ASSERT_TRUE(copied.Ok()) << copied.Message();
    EXPECT_EQ(copied.Value(), f.photos / name);
    EXPECT_EQ(ReadFileBytes(copied.Value()), (std::vector<uint8_t>{1, 2, 3}));
  }
  ASSERT_TRUE(WriteFileBytes(f.chosen / "face.jpg", {9}));
  ASSERT_TRUE(CopyIntoPhotoFolder(f.chosen / "face.jpg", f.photos).Ok());
  EXPECT_EQ(ReadFileBytes(f.photos / "face.jpg"), std::vector<uint8_t>{9});

  const Outcome<std::filesystem::path> used = CopyIntoPhotoFolder(f.photos / "face.jpg", f.photos);
  ASSERT_TRUE(used.Ok()) << used.Message();
  EXPECT_EQ(used.Value(), f.photos / "face.jpg");
  EXPECT_EQ(ReadFileBytes(f.photos / "face.jpg"), std::vector<uint8_t>{9});

  const Outcome<std::filesystem::path> missing =
      CopyIntoPhotoFolder(f.chosen / "gone.jpg", f.photos);
  EXPECT_FALSE(missing.Ok());
  EXPECT_NE(missing.Message().find("gone.jpg was not found."), std::string::npos)
      << missing.Message();
  EXPECT_NE(missing.Message().find("was not put into"), std::string::npos) << missing.Message();
}

}  // namespace
}  // namespace tavolo
