// Pictures travel inside the card: a saved card holds the bytes of its photo and logo (both
// faces, each distinct picture once), opens with them whatever the photo folder holds, a card of
// an older version gains them, and the photo folder never lets one picture replace another.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/card/CardFaces.h"
#include "core/formats/PictureChunk.h"
#include "core/formats/ProjectFile.h"
#include "core/library/PhotoFolder.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Png(QRgb colour) {
  return test::PngFile(40, 40, [&](int, int) { return colour; });
}

// A table of one background: the card's background 0 is found in it.
const BackgroundTable& Table() {
  static const BackgroundTable table = [] {
    BackgroundTable one;
    one.Append({}, test::MakePicture(8, 8, [](uint32_t, uint32_t) { return 0x808080u; }), 0.0f);
    return one;
  }();
  return table;
}

// How many times the four letters `tag` stand in `file`.
int Count(const std::vector<uint8_t>& file, const char* tag) {
  int count = 0;
  for (auto at = file.begin(); (at = std::search(at, file.end(), tag, tag + 4)) != file.end(); ++at) {
    ++count;
  }
  return count;
}

PlacedPicture Placed(PictureKind kind, const char* name, float x, float y) {
  PlacedPicture picture(kind);
  picture.name = QString::fromLatin1(name);
  std::tie(picture.width, picture.height, picture.x, picture.y) = std::tuple(40.0f, 40.0f, x, y);
  return picture;
}

TEST(EmbeddedPictures, EachDistinctPictureIsStoredOnceAndReadBackByteForByteOnBothFaces) {
  const std::vector<uint8_t> red = Png(qRgb(255, 0, 0)), blue = Png(qRgb(0, 0, 255));
  CardState card;
  card.photo = Placed(PictureKind::kPhoto, "face.png", 100, 100);
  card.logo = Placed(PictureKind::kLogo, "same.png", 300, 100);
  EmbedPicture(card, PictureKind::kPhoto, card.photo.name, red);
  EmbedPicture(card, PictureKind::kLogo, card.logo.name, red);
  CardState back = NewBackFaceFor(card);
  back.logo = Placed(PictureKind::kLogo, "other.svg", 300, 100);
  EmbedPicture(back, PictureKind::kLogo, back.logo.name, blue);
  card.back = CardBack(back);

  const std::vector<uint8_t> file = SerializeProject(card, Table());
  EXPECT_EQ(Count(file, "PICT"), 2) << "red on the front twice and on the back, blue on the back";

  CardState read;
  const ProjectReading result = ReadProject(file, read, Table());
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_TRUE(result.Value().extensionProblem.empty()) << result.Value().extensionProblem;
  EXPECT_EQ(read, card);
  ASSERT_TRUE(read.back.Has());
  const StoredPicture* onBack = read.back.Face().pictures.Find(read.back.Face().logo.hash);
  ASSERT_NE(onBack, nullptr);
  EXPECT_EQ(*onBack->bytes, blue);
  EXPECT_EQ(onBack->name, "other.svg");
  EXPECT_EQ(SerializeProject(read, Table()), file);
}

TEST(EmbeddedPictures, DamagedOrMissingPicturesAreToldAndTheCardStillReads) {
  const std::vector<uint8_t> red = Png(qRgb(255, 0, 0));
  StoredPicture picture{QStringLiteral("logo.png"), std::make_shared<std::vector<uint8_t>>(red)};
  const QString hash = PictureStore::HashOf(red);
  const std::vector<uint8_t> good = PictureChunk::Encode(hash, picture);
  std::vector<uint8_t> flipped = good, later = good, cut = good;
  flipped.back() ^= 1;
  later[0] = 2;
  cut.pop_back();
  StoredPicture badName = picture;
  badName.name = QStringLiteral("../logo.png");
  const std::pair<const char*, std::vector<uint8_t>> damaged[] = {
      {"a flipped bit", flipped}, {"version 2", later}, {"cut short", cut},
      {"a path", PictureChunk::Encode(hash, badName)}};
  for (const auto& [what, payload] : damaged) {
    EXPECT_FALSE(PictureChunk::Decode(payload).has_value()) << what;
  }

  // A damaged picture is kept as it was read, and the logo it was is read from the folder.
  CardState card;
  card.logo = Placed(PictureKind::kLogo, "logo.png", 300, 100);
  EmbedPicture(card, PictureKind::kLogo, card.logo.name, red);
  std::vector<uint8_t> file = SerializeProject(card, Table());
  file.back() ^= 1;
  CardState read;
  const ProjectReading result = ReadProject(file, read, Table());
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_NE(result.Value().extensionProblem.find("PICT"), std::string::npos)
      << result.Value().extensionProblem;
  EXPECT_TRUE(read.logo.hash.isEmpty());
  EXPECT_EQ(read.logo.name, "logo.png");
  const std::vector<uint8_t> written = SerializeProject(read, Table());
  EXPECT_TRUE(std::equal(file.end() - 40, file.end(), written.end() - 40))
      << "the damaged chunk is kept";
}

TEST(EmbeddedPictures, AnOpenedCardDrawsItsOwnBytesAndAnOlderCardGainsThemFromTheFolder) {
  test::EnsureGuiApplication();
  const test::TempFolder dir;
  const fs::path photos = dir / "customphotos";
  fs::create_directories(photos);
  CardState card;
  card.logo = Placed(PictureKind::kLogo, "logo.png", 300, 100);
  EmbedPicture(card, PictureKind::kLogo, card.logo.name, Png(qRgb(255, 0, 0)));
  CardState read;
  ASSERT_TRUE(ReadProject(SerializeProject(card, Table()), read, Table()).Ok());
  // Another card's picture of the same name lies in the folder: it is not this card's.
  ASSERT_TRUE(test::WriteFileBytes(photos / "logo.png", Png(qRgb(0, 0, 255))));
  CardRenderer renderer(nullptr, DataFolder(photos));
  const QImage drawn = renderer.Render(read, 1, 1062, 615);
  EXPECT_EQ(test::Rgb(drawn, 300, 100), 0xFF0000u);

  // A card of an older version names its pictures alone: they are read from the folder once.
  CardState older = read;
  older.logo.hash.clear();
  older.pictures = {};
  older.photo = Placed(PictureKind::kPhoto, "gone.jpg", 100, 100);
  CardState back = NewBackFaceFor(older);
  back.photo = Placed(PictureKind::kPhoto, "", 0, 0);
  older.back = CardBack(back);
  const std::vector<std::string> missing = EmbedFolderPictures(older, DataFolder(photos));
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_NE(missing[0].find("gone.jpg"), std::string::npos) << missing[0];
  ASSERT_NE(older.pictures.Find(older.logo.hash), nullptr);
  EXPECT_EQ(*older.pictures.Find(older.logo.hash)->bytes, Png(qRgb(0, 0, 255)));
  EXPECT_NE(older.back.Face().pictures.Find(older.back.Face().logo.hash), nullptr);
}

TEST(PhotoFolder, APictureNeverReplacesAnotherOfItsNameAndOneOver32MBIsRefused) {
  const test::TempFolder dir;
  const DataFolder photos(dir / "shipped", dir / "user");
  for (const char* folder : {"shipped", "a", "b"}) fs::create_directories(dir / folder);
  for (const auto& [file, byte] : {std::pair("shipped/logo.png", 1), {"a/logo.png", 2},
                                    {"b/logo.png", 3}, {"a/my.face", 4}}) {
    ASSERT_TRUE(test::WriteFileBytes(dir / file, {static_cast<uint8_t>(byte)}));
  }
  const std::tuple<fs::path, fs::path> copies[] = {
      {dir / "a/my.face", dir / "user/my.face"},  // a new name: its own
      {dir / "a/logo.png", dir / "user/logo-2.png"},
      {dir / "b/logo.png", dir / "user/logo-3.png"},
      {dir / "a/logo.png", dir / "user/logo-2.png"},  // the same picture again: its copy
      {dir / "shipped/logo.png", dir / "shipped/logo.png"},
  };
  for (const auto& [source, target] : copies) {
    const Outcome<PhotoCopy> copied = CopyIntoPhotoFolder(source, photos);
    ASSERT_TRUE(copied.Ok()) << copied.Message();
    EXPECT_EQ(copied.Value().path, target) << source;
    EXPECT_EQ(copied.Value().bytes, test::ReadFileBytes(source));
  }
  EXPECT_EQ(test::ReadFileBytes(dir / "shipped/logo.png"), std::vector<uint8_t>{1});

  const fs::path huge = dir / "a/huge.jpg";
  ASSERT_TRUE(test::WriteFileBytes(huge, {0}));
  fs::resize_file(huge, kMaxEmbeddedPictureBytes + 1);
  const Outcome<PhotoCopy> refused = CopyIntoPhotoFolder(huge, photos);
  ASSERT_FALSE(refused.Ok());
  EXPECT_NE(refused.Message().find("32.0 MB"), std::string::npos) << refused.Message();
  EXPECT_FALSE(fs::exists(dir / "user/huge.jpg"));
  const Outcome<PhotoCopy> missing = CopyIntoPhotoFolder(dir / "a/gone.jpg", photos);
  ASSERT_FALSE(missing.Ok());
  EXPECT_NE(missing.Message().find("gone.jpg was not found."), std::string::npos);
}

}  // namespace
}  // namespace tavolo
