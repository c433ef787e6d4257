#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include <QImage>

#include "core/formats/ImageExport.h"
#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/print/PageLayoutFile.h"
#include "core/storage/FileIo.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w'};

struct Saved {
  bool ok = false;
  std::string message;
};

template <class T>
Saved SavedBy(const Outcome<T>& result) {
  return {result.Ok(), result.Message()};
}

const BackgroundTable kTable = test::Table({"Linen"});

// Each way the program saves a file, by name.
std::vector<std::pair<const char*, std::function<Saved(const fs::path&)>>> Savers() {
  return {
      {"WriteFileReplacing",
       [](const fs::path& path) { return SavedBy(WriteFileReplacing(path, kNew)); }},
      {"RasterImage::Save",
       [](const fs::path& path) {
         RasterImage image = test::MakePicture(4, 3, [](uint32_t, uint32_t) { return 0x0AC81Eu; });
         const bool ok = image.Save(path, kFormatBmp);
         return Saved{ok, image.GetLastError()};
       }},
      {"WriteProject",
       [](const fs::path& path) { return SavedBy(WriteProject(path, CardState(), kTable)); }},
      {"WriteExportImage",
       [](const fs::path& path) {
         test::ReportRecorder reports;  // a failed save also raises the checked report
         QImage card(6, 4, QImage::Format_RGB32);
         card.fill(0x336699);
         return SavedBy(WriteExportImage(card, path, kFormatPng, kNoQuality, 300));
       }},
      {"WritePageLayoutFile",
       [](const fs::path& path) { return SavedBy(WritePageLayoutFile(path, PageLayout())); }},
  };
}

// The names in the folder other than `keep`: a temporary left behind shows here.
std::vector<std::string> Others(const fs::path& folder, const std::vector<std::string>& keep) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(keep.begin(), keep.end(), name) == keep.end()) others.push_back(name);
  }
  return others;
}

TEST(OutputPath, TargetsThatAreNotRegularFilesAreRefusedAndLeftAsTheyWere) {
  // What is made at the path, and what the refusal says after the path.
  const std::tuple<const char*, const char*, std::function<void(const TempFolder&)>> targets[] = {
      {"named pipe", " is a named pipe, not a file.",
       [](const TempFolder& d) { ASSERT_EQ(::mkfifo((d / "out").c_str(), 0600), 0); }},
      {"folder", " is a folder, not a file.",
       [](const TempFolder& d) { fs::create_directory(d / "out"); }},
      {"link to a file", " is a symbolic link, not a file.",
       [](const TempFolder& d) { fs::create_symlink(d / "victim", d / "out"); }},
  };
  for (const auto& [name, save] : Savers()) {
    for (const auto& [what, message, make] : targets) {
      SCOPED_TRACE(std::string(name) + " onto a " + what);
      TempFolder dir;
      WriteFileBytes(dir / "victim", kOld);
      make(dir);
      const fs::file_status before = fs::symlink_status(dir / "out");

      const Saved saved = save(dir / "out");
      EXPECT_FALSE(saved.ok);
      EXPECT_NE(saved.message.find((dir / "out").string() + message), std::string::npos)
          << saved.message;
      EXPECT_EQ(fs::symlink_status(dir / "out").type(), before.type());
      EXPECT_EQ(ReadFileBytes(dir / "victim"), kOld);
      EXPECT_EQ(Others(dir.Path(), {"out", "victim"}), std::vector<std::string>{});
    }
  }
}

// A link planted where a fixed-name temporary would go is never written through; the target's
// name may be as long as a name may be, and the temporary beside it must still fit.
TEST(OutputPath, ASaveKeepsTheReplacedFilesModeGivesANewOneTheUmasksAndWritesNoLink) {
  for (const auto& [name, save] : Savers()) {
    SCOPED_TRACE(name);
    TempFolder dir;
    WriteFileBytes(dir / "victim", kOld);
    for (const char* planted : {"out.tavolo-tmp", ".out.tmp", "out.tmp"}) {
      fs::create_symlink(dir / "victim", dir / planted);
    }
    const mode_t mask = ::umask(022);
    const Saved saved = save(dir / "out");
    ::umask(mask);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "out")));
    EXPECT_EQ(fs::status(dir / "out").permissions(), fs::perms(0644));
    EXPECT_EQ(ReadFileBytes(dir / "victim"), kOld);

    const std::string longest(255, 'c');
    for (const fs::perms mode : {fs::perms(0640), fs::perms(0755)}) {
      WriteFileBytes(dir / longest, kOld);
      fs::permissions(dir / longest, mode);
      ASSERT_TRUE(save(dir / longest).ok);
      EXPECT_EQ(fs::status(dir / longest).permissions(), mode);
      EXPECT_NE(ReadFileBytes(dir / longest), kOld);
    }
    EXPECT_EQ(
        Others(dir.Path(), {"out", "victim", "out.tavolo-tmp", ".out.tmp", "out.tmp", longest}),
        std::vector<std::string>{});
  }
}

// Writes past this many bytes fail with EFBIG, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(OutputPath, AFailedSaveKeepsTheOldFileLeavesNoTemporaryAndSaysWhy) {
  for (const auto& [name, save] : Savers()) {
    SCOPED_TRACE(name);
    TempFolder dir;
    WriteFileBytes(dir / "out", kOld);
    Saved saved;
    {
      const FileSizeLimit full(2);
      saved = save(dir / "out");
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find("Disk full while accessing " + (dir / "out").string() + "."),
              std::string::npos)
        << saved.message;
    EXPECT_EQ(ReadFileBytes(dir / "out"), kOld);
    EXPECT_EQ(Others(dir.Path(), {"out"}), std::vector<std::string>{});

    // A folder that is not there, its name shown with its control characters escaped.
    saved = save(dir / "no\nsuch\x1b[31m" / "out");
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(dir.Path().string() +
                                 "/no\\nsuch\\x1b[31m/out contains an invalid path."),
              std::string::npos)
        << saved.message;
    EXPECT_EQ(saved.message.find('\n'), std::string::npos);
  }
}

// A new file takes only a name nobody has, checked as it is named: of two saves racing for one
// name, one writes and the other is told the name is taken; whatever has the name stays as it was.
TEST(OutputPath, ANewFileTakesOnlyAFreeNameEvenWhenTwoSavesRace) {
  const std::tuple<const char*, std::function<void(const TempFolder&)>> targets[] = {
      {"regular file", [](const TempFolder& d) { WriteFileBytes(d / "out", kOld); }},
      {"link to a file", [](const TempFolder& d) { fs::create_symlink(d / "victim", d / "out"); }},
  };
  for (const auto& [what, make] : targets) {
    SCOPED_TRACE(what);
    TempFolder dir;
    WriteFileBytes(dir / "victim", kOld);
    make(dir);
    const fs::file_status before = fs::symlink_status(dir / "out");
    const Outcome<> saved = WriteNewFile(dir / "out", kNew);
    EXPECT_EQ(saved.Error(), EEXIST);
    EXPECT_NE(saved.Message().find((dir / "out").string() + " exists already."), std::string::npos)
        << saved.Message();
    EXPECT_EQ(fs::symlink_status(dir / "out").type(), before.type());
    EXPECT_EQ(ReadFileBytes(dir / "victim"), kOld);
    EXPECT_EQ(Others(dir.Path(), {"out", "victim"}), std::vector<std::string>{});
  }
  for (int round = 0; round < 20; ++round) {
    TempFolder dir;
    std::array<Outcome<>, 2> saved{Outcome<>(), Outcome<>()};
    std::array<std::thread, 2> savers;
    for (size_t i = 0; i < savers.size(); ++i) {
      savers[i] = std::thread([&, i] {
        const std::vector<uint8_t> mine = {static_cast<uint8_t>('0' + i)};
        saved[i] = WriteNewFile(dir / "out", mine);
      });
    }
    for (std::thread& saver : savers) saver.join();
    ASSERT_NE(saved[0].Ok(), saved[1].Ok()) << round;
    const size_t winner = saved[0].Ok() ? 0 : 1;
    EXPECT_EQ(saved[1 - winner].Error(), EEXIST);
    EXPECT_EQ(ReadFileBytes(dir / "out"), std::vector<uint8_t>{static_cast<uint8_t>('0' + winner)});
    EXPECT_EQ(Others(dir.Path(), {"out"}), std::vector<std::string>{});
  }
}

// A process killed while it writes (here by the signal of a file grown past its limit) leaves no
// file behind: the bytes have no name until they are whole.
TEST(OutputPath, ASaveKilledWhileWritingLeavesNothingBehind) {
  TempFolder dir;
  WriteFileBytes(dir / "out", kOld);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{1 << 20, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::vector<uint8_t> large(4 << 20, 'x');
    static_cast<void>(WriteFileReplacing(dir / "out", large));
    std::_Exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(ReadFileBytes(dir / "out"), kOld);
  EXPECT_EQ(Others(dir.Path(), {"out"}), std::vector<std::string>{});
}

// Where a file system has no unnamed files, a killed save leaves a named temporary; the next save
// into the folder removes it once it is a day old, and nothing else.
TEST(OutputPath, TemporariesOfKilledSavesGoOnceTheyAreADayOld) {
  TempFolder dir;
  const std::vector<std::string> stale = {".out.0123456789abcdef.tmp", ".a.ffffffffffffffff.tmp"};
  std::vector<std::string> kept = {
      ".fresh.0123456789abcdef.tmp",  // not a day old: a save may be writing it
      ".out.0123456789ABCDEF.tmp",    // not a name a save gives
      ".out.0123456789abcde.tmp",    ".0123456789abcdef.tmp",
      "out.0123456789abcdef.tmp",    "holiday.tmp",
  };
  for (const std::string& name : stale) WriteFileBytes(dir / name, kOld);
  for (const std::string& name : kept) WriteFileBytes(dir / name, kOld);
  fs::create_directory(dir / ".dir.0123456789abcdef.tmp");
  kept.push_back(".dir.0123456789abcdef.tmp");
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(25);
  for (const auto& entry : fs::directory_iterator(dir.Path())) {
    if (entry.path().filename() != kept[0]) fs::last_write_time(entry.path(), old);
  }
  RemoveStaleSaveTemporaries(dir.Path());
  std::vector<std::string> left = Others(dir.Path(), {});
  std::ranges::sort(left);
  std::ranges::sort(kept);
  EXPECT_EQ(left, kept);
}

}  // namespace
}  // namespace tavolo
