#include "ui/print/SheetProductSearch.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetSearch.h"
#include "ui/base/UserSettings.h"

namespace tavolo {

namespace {

const QString kRecentKey = QStringLiteral("print/recentSheetProducts");
constexpr int kMaxRecent = 8;
constexpr int kVisibleRows = 7;
constexpr int kProductRole = Qt::UserRole;

QString Tooltip(const SheetProduct& product) {
  QString text = ProductName(product);
  if (product.parts.size() > 1) text += u'\n' + Tr("Also sold as %1").arg(EquivalentsText(product));
  switch (product.source) {
    case SheetSource::kShipped:
      break;
    case SheetSource::kInstalledDatabase:
      text += u'\n' + Tr("From the label database of gLabels");
      break;
    case SheetSource::kUser:
      text += u'\n' + Tr("A page layout you saved");
      break;
  }
  return text;
}

}  // namespace

SheetProductSearch::SheetProductSearch(std::vector<SheetProduct> products,
                                       const std::vector<std::string>& errors, QWidget* parent)
    : QWidget(parent),
      products_(std::move(products)),
      recent_(UserSettings()->value(kRecentKey).toStringList()) {
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("search"));
  field_->setPlaceholderText(Tr("Maker, part number or card size"));
  field_->setClearButtonEnabled(true);
  field_->setAccessibleName(Tr("Find sheet"));
  field_->installEventFilter(this);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("products"));
  list_->setAccessibleName(Tr("Sheet products"));
  list_->setColumnCount(3);
  list_->setHeaderHidden(true);
  list_->setRootIsDecorated(false);
  list_->setIndentation(0);
  list_->setUniformRowHeights(true);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  list_->setFixedHeight(list_->fontMetrics().height() * kVisibleRows + 2 * list_->frameWidth() +
                        kVisibleRows * 2);

  note_ = new QLabel(this);
  note_->setWordWrap(true);
  if (!errors.empty()) {
    QString all;
    for (const std::string& error : errors) all += QString::fromStdString(error) + u'\n';
    note_->setToolTip(all.trimmed());
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(field_);
  layout->addWidget(list_);
  layout->addWidget(note_);

  connect(field_, &QLineEdit::textChanged, this, &SheetProductSearch::Fill);
  connect(list_, &QTreeWidget::itemActivated, this, &SheetProductSearch::Pick);
  connect(list_, &QTreeWidget::itemClicked, this, &SheetProductSearch::Pick);
  Fill();
}

std::vector<const SheetProduct*> SheetProductSearch::Listed() const {
  std::vector<const SheetProduct*> listed;
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    const QVariant product = list_->topLevelItem(row)->data(0, kProductRole);
    if (product.isValid()) listed.push_back(&products_[product.toULongLong()]);
  }
  return listed;
}

bool SheetProductSearch::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_ || event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  // Below the first heading.
  QTreeWidgetItem* first = list_->topLevelItem(1);
  if (key == Qt::Key_Down && first != nullptr) {
    list_->setFocus();
    list_->setCurrentItem(first);
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && first != nullptr) {
    list_->setCurrentItem(first);
    Pick(first);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SheetProductSearch::Fill() {
  list_->clear();
  const std::vector<SheetGroup> groups = SearchSheetProducts(
      products_, field_->text(), recent_, PaperName(PaperCatalogue().front().pageSize));
  QFont bold = list_->font();
  bold.setBold(true);
  // Headings and products are rows of one level: a disabled heading would disable its children.
  for (const SheetGroup& group : groups) {
    auto* heading = new QTreeWidgetItem(list_, QStringList{group.title});
    // Not enabled, so that the arrow keys pass over it; in the text's colour all the same.
    heading->setFlags(Qt::NoItemFlags);
    heading->setForeground(0, list_->palette().color(QPalette::Text));
    heading->setFont(0, bold);
    heading->setFirstColumnSpanned(true);
    for (const size_t i : group.products) {
      const SheetProduct& product = products_[i];
      const SheetGeometry& g = product.geometry;
      const QString cards = g.columns > 0 ? Tr("%1 × %2").arg(g.columns).arg(g.rows) : QString();
      auto* item = new QTreeWidgetItem(
          list_, QStringList{product.Main().maker + u' ' + product.Main().part,
                             CardSizeText(product, QStringLiteral(" × "), locale()), cards});
      item->setData(0, kProductRole, static_cast<qulonglong>(i));
      for (int column = 0; column < 3; ++column) item->setToolTip(column, Tooltip(product));
    }
  }
  if (groups.empty()) {
    note_->setText(Tr("No sheet product matches."));
  } else if (!note_->toolTip().isEmpty()) {
    note_->setText(Tr("Some sheet products could not be read."));
  } else {
    note_->clear();
  }
  note_->setVisible(!note_->text().isEmpty());
}

void SheetProductSearch::Pick(const QTreeWidgetItem* item) {
  if (item == nullptr || !item->data(0, kProductRole).isValid()) return;
  const SheetProduct& product = products_[item->data(0, kProductRole).toULongLong()];
  recent_.removeAll(ProductKey(product));
  recent_.prepend(ProductKey(product));
  while (recent_.size() > kMaxRecent) recent_.removeLast();
  UserSettings()->setValue(kRecentKey, recent_);
  Q_EMIT productPicked(product);
}

}  // namespace tavolo
