// Answering the modal dialogs that code under test opens with exec(): the test says what to do
// with the next dialog of a type, then runs the code; the answer runs as soon as such a dialog is
// shown modally. A dialog that never comes fails the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tavolo::test {

inline constexpr int kModalWaitMilliseconds = 10000;

template <class Dialog>
Dialog* ShownModal() {
  if (auto* active = qobject_cast<Dialog*>(QApplication::activeModalWidget())) return active;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<Dialog*>(widget);
    if (dialog && dialog->isVisible() && dialog->isModal()) return dialog;
  }
  return nullptr;
}

template <class Dialog>
void WhenModal(std::function<void(Dialog&)> answer) {
  auto* timer = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  constexpr int kTick = 10;
  timer->setInterval(kTick);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, answer = std::move(answer)] {
    Dialog* dialog = ShownModal<Dialog>();
    if (dialog == nullptr && (*waited += kTick) < kModalWaitMilliseconds) return;
    timer->stop();
    timer->deleteLater();
    if (dialog == nullptr) {
      ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " was shown";
      return;
    }
    answer(*dialog);
  });
  timer->start();
}

}  // namespace tavolo::test
