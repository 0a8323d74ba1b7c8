#pragma once
#include <QPointer>
#include <QString>
#include <QTreeWidget>

class CSkinHeaderCtrl;
class CSkinHScrollBar;
class CSkinVScrollBar;

// A report list: rows of texts under a header, single selection. The row-and-column
// calls mirror a list view's so the window code reads like the rest of the program.
// It paints on white through one off-screen surface, shows selected rows black on
// light grey whether or not it has the focus, and leaves scrolling to two skinned
// bars that stand outside its right and bottom edges.
class CSkinListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CSkinListCtrl(QWidget* parent = nullptr);
  ~CSkinListCtrl() override;

  void InsertColumn(int column, const QString& title, int widthPixels);
  void SetFullRowSelect(bool on);
  void SetTextColor(const QColor& colour);

  // Appends a row with `text` in column 0 and returns its index.
  int InsertItem(const QString& text);
  void SetItemText(int row, int column, const QString& text);
  QString GetItemText(int row, int column) const;
  int GetItemCount() const { return topLevelItemCount(); }
  void DeleteAllItems() { clear(); }
  bool IsRowSelected(int row) const;
  // The first row shown at the top of the list (0 for an empty list).
  int GetTopIndex() const;

  CSkinHeaderCtrl* Header() const { return header_; }

  // Hides the list's own scroll bars and puts the two skinned bars beside it, as
  // children of the list's parent. Once per list, after it has its parent.
  void AttachScrollBars();
  CSkinVScrollBar* VerticalBar() const;
  CSkinHScrollBar* HorizontalBar() const;

  // What the bars read and do. Vertically the scroll position counts rows,
  // horizontally pixels; the limit is the greatest position.
  int ScrollPosition(Qt::Orientation direction) const;
  int ScrollLimit(Qt::Orientation direction) const;
  // A line or page step (the bars' request codes 0 to 3).
  void SendScroll(Qt::Orientation direction, int request);
  // Scrolls by pixels; vertically by the whole rows that they make.
  void ScrollBy(int dx, int dy);
  // The height of the first row, 0 for an empty list.
  int FirstRowHeight() const;

 signals:
  // A click anywhere in the list, once the selection has followed it.
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void PlaceScrollBars();
  void SynchroniseBars();

  CSkinHeaderCtrl* header_;
  QPointer<CSkinVScrollBar> vbar_;
  QPointer<CSkinHScrollBar> hbar_;
};
