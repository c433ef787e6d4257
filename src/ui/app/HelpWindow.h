// Tavolo's help: the HTML pages of the help folder in a browser with Back, Forward and Home
// and, beside it, the contents list of every page. It is a window of its own, so that the user
// can read it while working on the card.
#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QListWidget;
class QTextBrowser;

namespace tavolo {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Opens at about.htm of `folder`.
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

  QTextBrowser& Browser() const { return *browser_; }
  QListWidget& Contents() const { return *contents_; }
  QAction& BackAction() const { return *back_; }
  QAction& ForwardAction() const { return *forward_; }
  QAction& HomeAction() const { return *home_; }
  // The file name of the page shown.
  QString CurrentPage() const;

 private:
  void ShowPage(const QString& file);
  void MarkCurrentPage();

  QString folder_;
  QTextBrowser* browser_;
  QListWidget* contents_;
  QAction* back_;
  QAction* forward_;
  QAction* home_;
};

}  // namespace tavolo
