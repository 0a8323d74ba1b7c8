#pragma once
#include <QHeaderView>

// The column header of a skinned list.
class CSkinHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  explicit CSkinHeaderCtrl(QWidget* parent = nullptr);
};
