#include "ui/app/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "ui/app/HelpBrowser.h"
#include "ui/app/HelpContents.h"

namespace tavolo {

namespace {

constexpr QSize kInitialSize{960, 680};
constexpr int kContentsWidth = 230;
constexpr int kPageMargin = 16;
// The headings take the navy of the program's pictures.
const QString kPageStyle = QStringLiteral(
    "h1 { color: #002d64; font-size: x-large; }"
    "h2 { color: #002d64; font-size: large; margin-top: 18px; }"
    "li { margin-bottom: 4px; }"
    "th { background-color: #ececf1; }");

QAction* MakeAction(QWidget* owner, QStyle::StandardPixmap icon, const QString& text,
                    const QKeySequence& keys) {
  auto* action = new QAction(owner->style()->standardIcon(icon), text, owner);
  action->setShortcut(keys);
  action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
  return action;
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
  setWindowTitle(Tr("Tavolo Help"));
  resize(kInitialSize);

  back_ = MakeAction(this, QStyle::SP_ArrowBack, Tr("Back"), QKeySequence(QKeySequence::Back));
  forward_ =
      MakeAction(this, QStyle::SP_ArrowForward, Tr("Forward"), QKeySequence(QKeySequence::Forward));
  home_ =
      MakeAction(this, QStyle::SP_DirHomeIcon, Tr("Home"), QKeySequence(Qt::ALT | Qt::Key_Home));
  auto* close = new QAction(Tr("Close"), this);
  close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  auto* toolbar = new QToolBar(this);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolbar->addAction(back_);
  toolbar->addAction(forward_);
  toolbar->addAction(home_);

  contents_ = new QListWidget(this);
  contents_->setAccessibleName(Tr("Contents"));
  contents_->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 6px; }"));
  for (const HelpPage& page : HelpPages(folder_)) {
    auto* item = new QListWidgetItem(page.title, contents_);
    item->setData(Qt::UserRole, page.file);
  }
  browser_ = new HelpBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({folder_});
  browser_->document()->setDocumentMargin(kPageMargin);
  browser_->document()->setDefaultStyleSheet(kPageStyle);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kContentsWidth, kInitialSize.width() - kContentsWidth});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar);
  layout->addWidget(splitter);

  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home_, &QAction::triggered, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkCurrentPage);
  connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item != nullptr) ShowPage(item->data(Qt::UserRole).toString());
  });
  back_->setEnabled(false);
  forward_->setEnabled(false);
  ShowPage(QString::fromLatin1(kHelpStartPage));
  // Setting the first source is not announced by sourceChanged; its entry is marked here.
  MarkCurrentPage();
  browser_->setFocus();
}

QString HelpWindow::CurrentPage() const {
  return QFileInfo(browser_->source().toLocalFile()).fileName();
}

void HelpWindow::ShowPage(const QString& file) {
  if (file == CurrentPage()) return;
  browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(file)));
}

void HelpWindow::MarkCurrentPage() {
  const QString page = CurrentPage();
  for (int row = 0; row < contents_->count(); ++row) {
    QListWidgetItem* item = contents_->item(row);
    if (item->data(Qt::UserRole).toString() != page) continue;
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentItem(item);
    return;
  }
}

}  // namespace tavolo
