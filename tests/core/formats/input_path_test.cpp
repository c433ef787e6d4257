#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/render/CardRenderer.h"
#include "core/storage/FileIo.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

// A reader that waits on a pipe would hang the test run; the alarm ends it instead.
class HangGuard {
 public:
  HangGuard() { ::alarm(30); }
  ~HangGuard() { ::alarm(0); }
  HangGuard(const HangGuard&) = delete;
  HangGuard& operator=(const HangGuard&) = delete;
};

// What is not a file, what its refusal says after the path and how it is made at a path (a device
// is taken from the system and linked to).
const std::tuple<const char*, const char*, std::function<void(const fs::path&)>> kNotFiles[] = {
    {"named pipe", " is a named pipe, not a file.",
     [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
    {"folder", " is a folder, not a file.",
     [](const fs::path& path) { fs::create_directory(path); }},
    {"device", " is a device, not a file.",
     [](const fs::path& path) { fs::create_symlink("/dev/null", path); }},
};

TEST(InputPath, AFileOfExactlyTheLimitIsReadAndOneByteMoreRefused) {
  const test::TempFolder folder;
  const fs::path file = folder / "data.bin";
  ASSERT_TRUE(test::WriteFileBytes(file, std::vector<uint8_t>(100, 7)));
  EXPECT_EQ(ReadWholeFile(file, 100).Value().size(), 100u);
  EXPECT_EQ(ReadWholeFile(file, 99).Error(), EFBIG);
}

TEST(InputPath, EveryReaderRefusesWhatIsNotARegularFileAtOnce) {
  const HangGuard guard;
  // Each reader, the file name it expects, and its reading: false with the message when refused.
  using Reader = std::tuple<const char*, const char*,
                            std::function<std::pair<bool, std::string>(const fs::path&)>>;
  const Reader readers[] = {
      {"ReadWholeFile", "data.bin",
       [](const fs::path& path) {
         const Outcome<std::vector<uint8_t>> r = ReadWholeFile(path, 1 << 20);
         return std::pair{r.Ok(), r.Message()};
       }},
      {"RasterImage load", "picture.png",
       [](const fs::path& path) {
         const RasterImage image(path, kFormatPng);
         return std::pair{image.IsValid(), image.GetLastError()};
       }},
      {"ReadProject", "card.tvc",
       [](const fs::path& path) {
         CardState card;
         const ProjectReading r = ReadProject(path, card, test::Table({"Linen"}));
         return std::pair{r || r.Fault().kind != ProjectFault::kFileError, r.Message()};
       }},
      {"ReadBGFile library", "fl1.tmp",
       [](const fs::path& path) {
         BackgroundTable table;
         const auto r = ReadBGFileIn(table, path.parent_path(), path.filename());
         return std::pair{r || r.Fault().kind != BackgroundLoadFault::kLibraryUnreadable,
                          r.Message()};
       }},
      {"Import Background", "import.png",
       [](const fs::path& path) {
         BackgroundTable table;
         const auto r = AddCustomBackground(table, path, path.parent_path() / "home");
         return std::pair{r.Ok() || table.Count() != 0, r.Message()};
       }},
  };
  for (const auto& [name, file, read] : readers) {
    for (const auto& [what, says, make] : kNotFiles) {
      SCOPED_TRACE(std::string(name) + " on a " + what);
      TempFolder dir;
      make(dir / file);
      const auto [accepted, message] = read(dir / file);
      EXPECT_FALSE(accepted);
      EXPECT_NE(message.find((dir / file).string() + says), std::string::npos) << message;
    }
  }
}

TEST(InputPath, APipeAmongTheImportedBackgroundsOrTheirHueFilesIsPassedBy) {
  const HangGuard guard;
  TempFolder home;
  const fs::path custom = home / "custombg";
  fs::create_directories(custom);
  RasterImage picture;
  ASSERT_TRUE(picture.Create(4, 4, 24, kFormatUnknown));
  ASSERT_TRUE(picture.Save(custom / "plain.png", kFormatPng));
  ASSERT_TRUE(picture.Save(custom / "piped.png", kFormatPng));
  ASSERT_EQ(::mkfifo((custom / "piped.hue").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((custom / "pipe.png").c_str(), 0600), 0);
  ASSERT_TRUE(WriteBackgroundLibrary(home / "fl1.tmp", {}));

  BackgroundTable table;
  const BackgroundLoading result = ReadBGFileIn(table, home.Path());
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.Value().customCount, 2);  // the picture with a pipe for its hue file is measured
  EXPECT_EQ(fs::status(custom / "piped.hue").type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace tavolo
