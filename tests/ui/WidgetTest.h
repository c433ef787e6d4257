// What the widget tests have in common: GoogleTest and QTest, the report log every fixture checks,
// scripted prompts, synthetic backgrounds, scratch folders, paths as text, mouse events and edits.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/document/CardDocument.h"
#include "tests/core/TestFolders.h"
#include "tests/ui/ReportLog.h"
#include "tests/ui/ScriptedPrompts.h"
#include "tests/ui/TestBackgrounds.h"

namespace tavolo::test {

// A path as the file dialogs and messages give it.
inline QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

// A mouse event at `at` on `widget`, the left button held from the press until the release.
inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::KeyboardModifiers modifiers = {}) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, modifiers);
  QApplication::sendEvent(&widget, &event);
}

// Changes the card as a dialog does, then records the change as one step.
inline void RecordChange(CardDocument& document, const std::function<void(CardState&)>& change) {
  CardState live = document.Live();
  change(live);
  document.SetLive(live);
  document.RecordEdit();
}

}  // namespace tavolo::test
