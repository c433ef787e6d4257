// The main window as the program shows it, its prompts answered from a script, printing to PDF
// files.
#pragma once

#include <memory>

#include "tests/ui/WidgetTest.h"
#include "ui/app/MainWindow.h"

namespace tavolo::test {

struct ShownWindow {
  BackgroundTable table = SyntheticBackgrounds(8, 0.1f);
  Script script;
  MainWindow window{table, std::make_unique<ScriptedPrompts>(script)};

  ShownWindow() {
    window.Printer().ChoosePdf();
    window.resize(1280, 800);
    window.Start();
    window.show();
  }
};

}  // namespace tavolo::test
