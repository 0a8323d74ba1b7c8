#pragma once
#include <QHeaderView>

// The column header of a skinned list, drawn from the header bitmaps: a light
// gradient, a divider before every column but the first, titles centred and cut
// with an ellipsis where the column is too narrow.
class CSkinHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  // The height of the header artwork.
  static constexpr int kHeight = 17;

  explicit CSkinHeaderCtrl(QWidget* parent = nullptr);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
