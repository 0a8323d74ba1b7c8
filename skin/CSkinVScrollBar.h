#pragma once
#include "skin/CSkinScrollBar.h"

// The bar right of a list: 14 pixels wide, as high as the list less 1.
class CSkinVScrollBar final : public CSkinScrollBar {
  Q_OBJECT

 public:
  explicit CSkinVScrollBar(QWidget* parent = nullptr);

 protected:
  Qt::Orientation Direction() const override { return Qt::Vertical; }
  int Along(const QPoint& point) const override { return point.y(); }
  QColor BackgroundColour() const override { return Qt::black; }
  void DrawParts(QPainter& painter, bool canScroll) const override;
  QRect Arrow1PressZone() const override;
  QRect Arrow1ReleaseZone() const override;
  QRect Arrow2Zone() const override;
  QRect ThumbZone() const override;
  bool ReleaseStepNeedsHeld() const override { return true; }
  int SyncLength() const override { return height() - 80; }
  int DragLength() const override { return height() - 80; }
  int DragOrigin() const override { return 20; }
  void ScrollListBy(int units) override;
  int Clamped(int thumb) const override;
};
