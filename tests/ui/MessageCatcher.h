// Answers the message boxes shown while it lives: each one's text is kept and the box closed, as
// a user reading it and pressing OK would.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace tavolo::test {

class MessageCatcher {
 public:
  MessageCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
          texts_ << box->text();
          box->done(QMessageBox::Ok);
        }
      }
    });
    timer_.start(5);
  }

  const QStringList& Texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

}  // namespace tavolo::test
