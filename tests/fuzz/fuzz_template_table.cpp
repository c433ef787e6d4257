// libFuzzer target for the template table: the input is cut at every "\n--\n" into files of a
// templates folder, taken in turn as a template (.tvt) and its preview (.tvp). Any folder reads
// without harm; every listed template has a title, a preview is at most a library cell, and
// whatever could not be opened is said in one message.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "FuzzRequire.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSeparator = "\n--\n";
constexpr int kMaxFiles = 16;

// A folder of this process's own, emptied for every input.
const fs::path& Home() {
  static const fs::path home =
      fs::temp_directory_path() / ("tavolo-fuzz-templates-" + std::to_string(::getpid()));
  return home;
}

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tavolo::BackgroundTable table = [] {
    tavolo::BackgroundTable made;
    made.Append(tavolo::MakeBackgroundName("Linen"), tavolo::RasterImage(), 0.0f);
    return made;
  }();
  std::error_code ignored;
  fs::remove_all(Home(), ignored);
  const fs::path folder = Home() / "tmpl";
  fs::create_directories(folder);

  std::string_view rest(reinterpret_cast<const char*>(data), size);
  int files = 0;
  while (files < kMaxFiles) {
    const size_t cut = rest.find(kSeparator);
    const std::string_view part = rest.substr(0, cut);
    const std::string title = "t" + std::to_string(files / 2);
    Write(folder / (title + (files % 2 == 0 ? ".tvt" : ".tvp")), part);
    ++files;
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + kSeparator.size());
  }

  tavolo::TemplateTable templates;
  const tavolo::TemplateReload report = templates.ReloadIn(Home(), table);
  Require(templates.Count() <= (files + 1) / 2);
  Require(report.Messages().size() <= 1);
  Require(report.Messages().empty() == report.unopened.empty());
  for (int i = 0; i < templates.Count(); ++i) {
    const tavolo::TemplateEntry& entry = templates.Entry(i);
    Require(!entry.title.empty());
    Require(entry.preview.width() <= tavolo::kPreviewCellWidth &&
            entry.preview.height() <= tavolo::kPreviewCellHeight);
  }
  return 0;
}
