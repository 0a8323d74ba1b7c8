#pragma once
#include <QColor>
#include <QProgressBar>

// A progress bar drawn flat: the button-face grey with a solid blue bar growing
// from the left. Range and position are the progress bar's own.
class CSkinProgressCtrl : public QProgressBar {
  Q_OBJECT

 public:
  static inline const QColor kBarColour{4, 134, 232};

  explicit CSkinProgressCtrl(QWidget* parent = nullptr);

  // The bar's right edge in pixels from the left for this range and position.
  static int BarWidth(int lower, int upper, int position, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
