#pragma once
#include <QString>
#include <QTreeWidget>

class CSkinHeaderCtrl;

// A report list: rows of texts under a header, single selection. The row-and-column
// calls mirror a list view's so the window code reads like the rest of the program.
class CSkinListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CSkinListCtrl(QWidget* parent = nullptr);

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

 signals:
  // A click anywhere in the list, once the selection has followed it.
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  CSkinHeaderCtrl* header_;
};
