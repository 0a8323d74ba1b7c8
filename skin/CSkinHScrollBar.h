#pragma once
#include "skin/CSkinScrollBar.h"

// The bar below a list: 14 pixels high, as wide as the list less 2.
class CSkinHScrollBar final : public CSkinScrollBar {
  Q_OBJECT

 public:
  explicit CSkinHScrollBar(QWidget* parent = nullptr);

 protected:
  Qt::Orientation Direction() const override { return Qt::Horizontal; }
  int Along(const QPoint& point) const override { return point.x(); }
  QColor BackgroundColour() const override { return Qt::white; }
  void DrawParts(QPainter& painter, bool canScroll) const override;
  QRect Arrow1PressZone() const override;
  QRect Arrow1ReleaseZone() const override { return Arrow1PressZone(); }
  QRect Arrow2Zone() const override;
  QRect ThumbZone() const override;
  bool ReleaseStepNeedsHeld() const override { return false; }
  int SyncLength() const override { return width() - 60; }
  int DragLength() const override { return width() - 75; }
  int DragOrigin() const override { return 25; }
  void ScrollListBy(int units) override;
  int Clamped(int thumb) const override;
};
