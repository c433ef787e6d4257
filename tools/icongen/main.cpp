// icongen: writes the application's icon at every size the icon theme installs, as
// OUT/hicolor/NxN/apps/ID.png, drawn by the same code as the window's icon.
#include <cstdio>
#include <filesystem>

#include <QImage>
#include <QString>

#include "ui/app/AppIcon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: icongen OUTPUT-FOLDER ICON-NAME\n");
    return 2;
  }
  const std::filesystem::path output = argv[1];
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const std::filesystem::path folder =
        output / "hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path file = folder / (std::string(argv[2]) + ".png");
    if (ec || !tavolo::DrawAppIcon(size).save(QString::fromStdString(file.string()), "PNG")) {
      std::fprintf(stderr, "icongen: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
