#include <gtest/gtest.h>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"

namespace tavolo {
namespace {

TEST(ProgramFolder, IsTheFolderOfTheExecutableUnlessOverridden) {
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", nullptr), "/opt/tavolo/bin");
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", ""), "/opt/tavolo/bin");
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", "/home/me/cards"), "/home/me/cards");
}

TEST(ProgramFolder, PathWithoutFolderFailsTheCheckAndGivesAnEmptyFolder) {
  std::vector<std::string> reports;
  auto previous = SetFatalErrorReporter([&](const std::string& r) {
    reports.push_back(r);
    return FatalChoice::Retry;
  });
  EXPECT_EQ(DetermineProgramFolder("tavolo", nullptr), "");
  SetFatalErrorReporter(std::move(previous));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Error in line: ne!=-1"), std::string::npos);
}

TEST(ProgramFolder, DataPathsHangOffTheProgramFolder) {
  const auto& folder = ProgramFolder();
  EXPECT_FALSE(folder.empty());
  EXPECT_EQ(TemplatesFolder(), folder / "tmpl");
  EXPECT_EQ(CustomBackgroundsFolder(), folder / "custombg");
  EXPECT_EQ(CustomPhotosFolder(), folder / "customphotos");
  EXPECT_EQ(PageLayoutsFolder(), folder / "abctmp");
  EXPECT_EQ(BackgroundLibraryFile(), folder / "fl1.tmp");
  EXPECT_EQ(HelpFolder(), folder / "help");
}

}  // namespace
}  // namespace tavolo
