// The help window's page view. Pages, style sheets and pictures are read only as regular files of
// a bounded size, since a named pipe or a device in the help folder would make a plain read wait
// for ever; pictures larger than a page can show are left out rather than decoded.
#pragma once

#include <QTextBrowser>

namespace tavolo {

class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace tavolo
