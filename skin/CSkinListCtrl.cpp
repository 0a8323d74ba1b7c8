#include "skin/CSkinListCtrl.h"

#include <QMouseEvent>
#include <QScrollBar>

#include "skin/CSkinHeaderCtrl.h"

namespace {
// Selected rows read black on light grey, focused or not.
const QColor kSelectedText(0, 0, 0);
const QColor kSelectedBackground(190, 190, 190);
}  // namespace

CSkinListCtrl::CSkinListCtrl(QWidget* parent)
    : QTreeWidget(parent), header_(new CSkinHeaderCtrl(this)) {
  setHeader(header_);
  setColumnCount(0);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Scrolling by whole rows makes the scroll position the index of the top row.
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  QPalette p = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Highlight, kSelectedBackground);
    p.setColor(group, QPalette::HighlightedText, kSelectedText);
  }
  p.setColor(QPalette::Base, Qt::white);
  setPalette(p);
}

void CSkinListCtrl::InsertColumn(int column, const QString& title, int widthPixels) {
  QStringList titles;
  for (int c = 0; c < columnCount(); ++c) titles << headerItem()->text(c);
  titles.insert(column, title);
  setColumnCount(static_cast<int>(titles.size()));
  setHeaderLabels(titles);
  setColumnWidth(column, widthPixels);
}

void CSkinListCtrl::SetFullRowSelect(bool on) {
  setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  setAllColumnsShowFocus(on);
}

void CSkinListCtrl::SetTextColor(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Text, colour);
  setPalette(p);
}

int CSkinListCtrl::InsertItem(const QString& text) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, text);
  return indexOfTopLevelItem(item);
}

void CSkinListCtrl::SetItemText(int row, int column, const QString& text) {
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setText(column, text);
}

QString CSkinListCtrl::GetItemText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(column) : QString();
}

bool CSkinListCtrl::IsRowSelected(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item && item->isSelected();
}

int CSkinListCtrl::GetTopIndex() const { return verticalScrollBar()->value(); }

void CSkinListCtrl::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit Clicked();
}
