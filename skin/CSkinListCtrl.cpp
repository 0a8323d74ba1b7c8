#include "skin/CSkinListCtrl.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "skin/COffscreenDC.h"
#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinHeaderCtrl.h"
#include "skin/CSkinVScrollBar.h"
#include "skin/DialogUnits.h"

namespace {

const QColor kSelectedText(0, 0, 0);
const QColor kSelectedBackground(190, 190, 190);
constexpr int kBarThickness = 14;

// Draws a selected row's cells in the list's own selected colours instead of the
// style's highlight, with no focus or hover look. Only the drawing changes: the row
// stays selected for the program.
class SelectedRowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (!(option->state & QStyle::State_Selected)) return;
    option->state &= ~QStyle::State_Selected;
    option->backgroundBrush = kSelectedBackground;
    option->palette.setColor(QPalette::Text, kSelectedText);
  }
};

QAbstractSlider::SliderAction ActionFor(int request) {
  switch (request) {
    case 0: return QAbstractSlider::SliderSingleStepSub;
    case 1: return QAbstractSlider::SliderSingleStepAdd;
    case 2: return QAbstractSlider::SliderPageStepSub;
    case 3: return QAbstractSlider::SliderPageStepAdd;
    default: return QAbstractSlider::SliderNoAction;
  }
}

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
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setItemDelegate(new SelectedRowDelegate(this));
  QPalette p = palette();
  // Where a style paints a selection of its own, it is the same light grey.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Highlight, kSelectedBackground);
    p.setColor(group, QPalette::HighlightedText, kSelectedText);
  }
  p.setColor(QPalette::Base, Qt::white);
  setPalette(p);
}

CSkinListCtrl::~CSkinListCtrl() {
  // The bars belong to the parent but live only as long as the list.
  delete vbar_;
  delete hbar_;
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

void CSkinListCtrl::AttachScrollBars() {
  if (vbar_ || !parentWidget()) return;
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vbar_ = new CSkinVScrollBar(parentWidget());
  hbar_ = new CSkinHScrollBar(parentWidget());
  for (CSkinScrollBar* bar :
       {static_cast<CSkinScrollBar*>(vbar_), static_cast<CSkinScrollBar*>(hbar_)}) {
    bar->SetList(this);
    bar->setProperty(tarvix::skin::kControlIdProperty, 0xFFFF);
    bar->setVisible(!isHidden());
  }
  PlaceScrollBars();
}

CSkinVScrollBar* CSkinListCtrl::VerticalBar() const { return vbar_; }
CSkinHScrollBar* CSkinListCtrl::HorizontalBar() const { return hbar_; }

void CSkinListCtrl::PlaceScrollBars() {
  if (!vbar_) return;
  const QRect frame = geometry();  // in the parent's coordinates, like the bars
  const int left = frame.x();
  const int top = frame.y();
  const int right = frame.x() + frame.width();
  const int bottom = frame.y() + frame.height();
  vbar_->setGeometry(right, top, kBarThickness, bottom - top - 1);
  hbar_->setGeometry(left, bottom, right - left - 2, kBarThickness);
  hbar_->Synchronise();
  vbar_->Synchronise();
}

void CSkinListCtrl::SynchroniseBars() {
  if (!vbar_) return;
  vbar_->Synchronise();
  hbar_->Synchronise();
}

int CSkinListCtrl::ScrollPosition(Qt::Orientation direction) const {
  return (direction == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar())->value();
}

int CSkinListCtrl::ScrollLimit(Qt::Orientation direction) const {
  return (direction == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar())->maximum();
}

void CSkinListCtrl::SendScroll(Qt::Orientation direction, int request) {
  (direction == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar())
      ->triggerAction(ActionFor(request));
}

void CSkinListCtrl::ScrollBy(int dx, int dy) {
  if (dx != 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
  const int rowHeight = FirstRowHeight();
  if (dy != 0 && rowHeight > 0)
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy / rowHeight);
}

int CSkinListCtrl::FirstRowHeight() const {
  return GetItemCount() > 0 ? rowHeight(model()->index(0, 0)) : 0;
}

void CSkinListCtrl::paintEvent(QPaintEvent* event) {
  QWidget* surface = viewport();
  COffscreenDC offscreen(surface, surface->rect());
  QPainter& painter = offscreen.Painter();
  painter.fillRect(surface->rect(), Qt::white);
  SynchroniseBars();
  drawTree(&painter, event->region());
}

void CSkinListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  // Cell by cell through the delegate: the style's own row drawing would lay its
  // selection look (a gradient in some styles) under the row's grey.
  QStyleOptionViewItem cell = option;
  for (int visual = 0; visual < header()->count(); ++visual) {
    const int column = header()->logicalIndex(visual);
    if (header()->isSectionHidden(column)) continue;
    const QModelIndex at = index.siblingAtColumn(column);
    cell.rect = QRect(columnViewportPosition(column), option.rect.y(), columnWidth(column),
                      option.rect.height());
    cell.state.setFlag(QStyle::State_Selected, selectionModel()->isSelected(at));
    itemDelegateForIndex(at)->paint(painter, cell, at);
  }
}

void CSkinListCtrl::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit Clicked();
}

void CSkinListCtrl::wheelEvent(QWheelEvent* event) {
  SynchroniseBars();
  QTreeWidget::wheelEvent(event);
}

void CSkinListCtrl::keyPressEvent(QKeyEvent* event) {
  SynchroniseBars();
  QTreeWidget::keyPressEvent(event);
}

void CSkinListCtrl::keyReleaseEvent(QKeyEvent* event) {
  SynchroniseBars();
  QTreeWidget::keyReleaseEvent(event);
}

void CSkinListCtrl::moveEvent(QMoveEvent* event) {
  QTreeWidget::moveEvent(event);
  PlaceScrollBars();
}

void CSkinListCtrl::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  PlaceScrollBars();
}

void CSkinListCtrl::showEvent(QShowEvent* event) {
  QTreeWidget::showEvent(event);
  if (vbar_) {
    vbar_->show();
    hbar_->show();
  }
}

void CSkinListCtrl::hideEvent(QHideEvent* event) {
  QTreeWidget::hideEvent(event);
  // Only a list hidden by itself takes its bars along; a hidden window hides all.
  if (vbar_ && isHidden()) {
    vbar_->hide();
    hbar_->hide();
  }
}
