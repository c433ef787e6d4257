// What the widget tests have in common: GoogleTest and QTest, the report log every fixture checks,
// prompts answered from a script, the synthetic backgrounds and scratch folders, and paths as text.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "tests/core/TestFolders.h"
#include "tests/ui/ReportLog.h"
#include "tests/ui/ScriptedPrompts.h"
#include "tests/ui/TestBackgrounds.h"

namespace tavolo::test {

// A path as the file dialogs and messages give it.
inline QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace tavolo::test
