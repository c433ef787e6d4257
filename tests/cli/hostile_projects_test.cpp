// tavolo-cli on damaged and hostile projects and paths.
#include <algorithm>
#include <functional>
#include <vector>

#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(fs::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class CliHostileProjects : public test::CliTest {
 protected:
  struct Case {
    const char* what;
    std::function<std::string()> arguments;  // may build what it needs
    int code;
    std::vector<std::string> says;
  };

  // Renders (or prints) a default card changed by `change` into out.png (out.pdf) in the
  // scratch folder; options follow.
  std::string RenderOf(const std::function<void(CardState&)>& change,
                       const std::string& options = "", const char* background = "Sky") {
    CardState card;
    change(card);
    return "render " + Project(card, "card.tvc", background) + " -o " + Scratch("out.png") +
           options;
  }
  std::string PrintOf(const std::function<void(CardState&)>& change, const std::string& output) {
    CardState card;
    change(card);
    return "print " + Project(card) + " --paper A4 -o " + Scratch(output);
  }
  void ExpectOutcome(const Case& c) const {
    const test::ShellOutcome run = Run(c.arguments());
    EXPECT_EQ(run.code, c.code) << c.what << ":\n" << run.output;
    for (const std::string& text : c.says) {
      EXPECT_TRUE(test::Says(run, text)) << c.what;
    }
    // How the tool may never speak to a user: as an internal check or a lack of memory.
    for (const char* never : {"a check failed", "Please email", "not enough memory"}) {
      EXPECT_EQ(run.output.find(never), std::string::npos) << c.what << ":\n" << run.output;
    }
  }
};

TEST_F(CliHostileProjects, EveryFailureSaysWhatWentWrong) {
  const std::string out = Scratch("out.png");
  const std::string project = Project(CardState(), "sound.tvc");
  const Case cases[] = {
      {"a project that is not there",
       [&] { return "render " + Scratch("gone\xe9.tvc") + " -o " + out; },
       1,
       {"gone\\xe9.tvc: File could not be opened (" + Scratch("gone\\xe9.tvc") +
        " was not found.)"}},
      {"an unknown output format",
       [&] { return "render " + project + " -o " + Scratch("x.webp"); },
       2,
       {"cannot tell the format from"}},
      {"render onto its project",
       [&] { return "render " + project + " -o " + Scratch("./sound.tvc"); },
       2,
       {"is the input file"}},
      {"control characters and a NUL in names",
       [&] {
         CardState card;
         card.photo.name = QStringLiteral("bad") + QChar(u'\0') + QStringLiteral("\x1b[2J.png");
         return "render '" + Project(card, "new\nline.tvc") + "' -o " + out;
       },
       1,
       {"new\\nline.tvc: File could not be opened (the photo name \"bad\\x00\\x1b[2J.png\" is "
        "not a plain file name)"}},
  };
  for (const Case& c : cases) {
    fs::remove(out);
    ExpectOutcome(c);
    EXPECT_FALSE(fs::exists(out)) << c.what;
  }
  EXPECT_FALSE(fs::exists(Scratch("x.webp")));
  EXPECT_EQ(test::ReadFileBytes(project), test::ReadFileBytes(Project(CardState(), "again.tvc")));
}

TEST_F(CliHostileProjects, NothingIsLeftOutSilentlyAndReadingWritesNothing) {
  // An imported background without its hue file, and one that is no picture.
  test::WriteFileBytes(home_ / "custombg" / "plain.jpg", test::TinyJpeg());
  test::WriteFileBytes(home_ / "custombg" / "junk.png", {1, 2, 3});
  test::WriteFileBytes(home_ / "custombg" / "junk.hue", {0, 0, 0, 0});
  test::WriteFileBytes(home_ / "customphotos" / "broken.png", {1, 2, 3});
  const std::vector<std::string> before = Listing(home_.Path());
  const Case cases[] = {
      {"a photo that is not there",
       [&] { return RenderOf([](CardState& card) { card.photo.name = "missing.jpg"; }); },
       0,
       {"warning: the photo 'missing.jpg' could not be loaded and is left out: ",
        "missing.jpg was not found."}},
      {"the same with --strict",
       [&] {
         return RenderOf([](CardState& card) { card.photo.name = "missing.jpg"; }, " --strict");
       },
       1,
       {"warning: the photo 'missing.jpg' could not be loaded and is left out"}},
      {"a logo that does not decode, on a background that does not",
       [&] {
         return RenderOf([](CardState& card) { card.logo.name = "broken.png"; }, " --strict",
                         "junk");
       },
       1,
       {"warning: the logo 'broken.png' could not be loaded and is left out: Decode: Unknown or "
        "wrong format",
        "warning: the background ", " could not be loaded and is left out: "}},
      {"print, as render",
       [&] { return PrintOf([](CardState& card) { card.photo.name = "missing.jpg"; }, "out.pdf"); },
       0,
       {"tavolo-cli print: warning: the photo 'missing.jpg' could not be loaded and is left out: ",
        "missing.jpg was not found."}},
      {"print with --strict, writing nothing",
       [&] {
         return PrintOf([](CardState& card) { card.logo.name = "broken.png"; },
                        "strict.pdf --strict");
       },
       1,
       {"tavolo-cli print: warning: the logo 'broken.png' could not be loaded and is left out",
        "strict.pdf' is not written: with --strict a picture left out is a failure"}},
      {"backgrounds", [&] { return std::string("backgrounds"); }, 0, {"\"Sky\"", "\"plain\""}},
      // Pictures are decoded when drawn; the check decodes them all and names the one that fails.
      {"backgrounds --check",
       [&] { return std::string("backgrounds --check"); },
       1,
       {"\"Sky\"", "junk.png could not be read as a picture"}},
      {"a project of a later format version",
       [&] {
         std::vector<uint8_t> bytes = test::ReadFileBytes(Project(CardState()));
         bytes[0] = 3;
         test::WriteFileBytes(Scratch("later.tvc"), bytes);
         return "info " + Scratch("later.tvc");
       },
       3,
       {"\"result\": \"version mismatch\"",
        "File could not be opened by this version of the software. (the format version 3 is "
        "newer than this program reads)"}},
  };
  for (const Case& c : cases) ExpectOutcome(c);
  EXPECT_EQ(Listing(home_.Path()), before);  // no hue file measured was written
  EXPECT_TRUE(fs::exists(Scratch("out.pdf")));
  EXPECT_FALSE(fs::exists(Scratch("strict.pdf")));

  ASSERT_TRUE(WriteBackgroundLibrary(home_ / "fl1.tmp", {}));
  const test::ShellOutcome empty = Run("backgrounds");
  EXPECT_TRUE(test::Says(empty, "fl1.tmp holds no backgrounds."));
}

}  // namespace
}  // namespace tavolo
