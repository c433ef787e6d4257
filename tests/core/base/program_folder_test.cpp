#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "tests/core/ReportRecorder.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

// How the executable's surroundings look in a case of the table.
enum class Tree {
  kInstalled,         // PREFIX/bin/tavolo beside PREFIX/share/tavolo
  kWritableWithData,  // a folder holding the program and fl1.tmp: the build folder
  kReadOnlyWithData,  // the same, read-only: an unpacked copy no one may change
  kWithoutData,       // a bare program
};

TEST(ProgramFolder, ShippedAndUserFoldersFollowTheInstallAndTheEnvironment) {
  // TAVOLO_HOME, XDG_DATA_HOME, then the shipped folder below the case's folder ("" for the
  // executable's folder) and the user's likewise ("=" for the shipped folder).
  using Case = std::tuple<const char*, Tree, const char*, const char*, std::string, std::string>;
  const Case cases[] = {
      {"installed", Tree::kInstalled, nullptr, nullptr, "share/tavolo", "home/.local/share/tavolo"},
      {"installed, XDG_DATA_HOME", Tree::kInstalled, nullptr, "/xdg", "share/tavolo",
       "/xdg/tavolo"},
      {"installed, relative XDG_DATA_HOME", Tree::kInstalled, nullptr, "xdg", "share/tavolo",
       "home/.local/share/tavolo"},
      {"installed, empty TAVOLO_HOME", Tree::kInstalled, "", nullptr, "share/tavolo",
       "home/.local/share/tavolo"},
      {"installed, TAVOLO_HOME", Tree::kInstalled, "/portable", "/xdg", "/portable", "="},
      {"build folder", Tree::kWritableWithData, nullptr, "/xdg", "", "="},
      {"read-only unpacked tree", Tree::kReadOnlyWithData, nullptr, "/xdg", "", "/xdg/tavolo"},
      {"bare program", Tree::kWithoutData, nullptr, nullptr, "", "home/.local/share/tavolo"},
  };
  for (const auto& [what, tree, tavoloHome, xdgDataHome, shippedBelow, userBelow] : cases) {
    SCOPED_TRACE(what);
    // The superuser may write anywhere: a read-only folder cannot be made for it.
    if (tree == Tree::kReadOnlyWithData && ::geteuid() == 0) continue;
    const test::TempFolder dir;
    const fs::path bin = tree == Tree::kInstalled ? dir / "bin" : dir / "program";
    fs::create_directories(bin);
    if (tree == Tree::kInstalled) fs::create_directories(dir / "share/tavolo");
    if (tree == Tree::kWritableWithData || tree == Tree::kReadOnlyWithData) {
      ASSERT_TRUE(test::WriteFileBytes(bin / "fl1.tmp", {0}));
    }
    if (tree == Tree::kReadOnlyWithData)
      fs::permissions(bin, fs::perms::owner_write, fs::perm_options::remove);

    const auto place = [&](const std::string& below) {
      if (below.empty()) return bin;
      return below.front() == '/' ? fs::path(below) : dir / below;
    };
    const DataFolder folders =
        DetermineDataFolders({(bin / "tavolo").string(), tavoloHome, xdgDataHome, dir / "home"});
    const fs::path shipped = place(shippedBelow);
    EXPECT_EQ(folders.shipped.lexically_normal(), shipped);
    EXPECT_EQ(folders.user, userBelow == std::string("=") ? shipped : place(userBelow));
    fs::permissions(bin, fs::perms::owner_write, fs::perm_options::add);
  }
}

TEST(ProgramFolder, APathWithoutFolderFailsTheCheckAndGivesEmptyFolders) {
  const test::ReportRecorder reports;
  const DataFolder folders = DetermineDataFolders({"tavolo", nullptr, nullptr, "/home/me"});
  EXPECT_EQ(folders.shipped, "");
  EXPECT_EQ(folders.user, "");
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_TRUE(reports.Saw("ne!=-1"));
}

}  // namespace
}  // namespace tavolo
