// ptmgen writes the predefined page layouts: one .ptm file per sheet product of data/sheets,
// each checked against the product's own figures first. A definition that does not check out
// fails the build.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "SheetDefinition.h"
#include "core/print/PageLayoutFile.h"

namespace {

int Fail(const std::string& where, const std::string& message) {
  std::fprintf(stderr, "ptmgen: %s: %s\n", where.c_str(), message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("Usage: ptmgen OUTPUT-FOLDER SHEET-DEFINITION...\n", stderr);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::set<std::string> names;
  for (int i = 2; i < argc; ++i) {
    const std::string file = argv[i];
    std::ifstream in(file);
    if (!in) return Fail(file, "cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    const auto sheet = tavolo::ptmgen::ParseSheetDefinition(text.str(), error);
    if (!sheet) return Fail(file, error);
    if (!names.insert(sheet->name).second) return Fail(file, "\"" + sheet->name + "\" twice");
    std::string summary;
    const auto layout = tavolo::ptmgen::BuildLayout(*sheet, error, summary);
    if (!layout) return Fail(file, error);
    const tavolo::Outcome<std::filesystem::path> written =
        tavolo::SaveLayoutTemplate(folder, *layout);
    if (!written) return Fail(file, written.Message());
    std::printf("%s\n", summary.c_str());
  }
  return 0;
}
