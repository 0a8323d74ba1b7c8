#pragma once
#include <QWidget>
#include <memory>

#include "skin/SkinTimerSource.h"

class CSkinListCtrl;

// What the two skinned list scroll bars share: two arrows, a track and a thumb drawn
// from bitmaps; line steps on the arrows with auto-repeat while one is held, page
// steps on the track, and a thumb that drags the list. Each bar supplies its own
// geometry: where its parts are drawn, its zones, and how the thumb maps to the list.
class CSkinScrollBar : public QWidget {
  Q_OBJECT

 public:
  // The scroll requests sent to the list; back is left or up.
  enum Request { kLineBack = 0, kLineForward = 1, kPageBack = 2, kPageForward = 3 };
  static constexpr int kRepeatTimer = 1;
  static constexpr int kFirstDelayTimer = 2;
  static constexpr int kFirstDelayMs = 250;
  static constexpr int kRepeatMs = 50;

  ~CSkinScrollBar() override;

  void SetList(CSkinListCtrl* list) { list_ = list; }
  // Puts the thumb where the list's scroll position says and repaints.
  void Synchronise();
  int ThumbPosition() const { return thumb_; }
  // Replaces the bar's timers (tests drive the auto-repeat with a clock of their own).
  void SetTimerSource(std::unique_ptr<SkinTimerSource> timers);

 protected:
  CSkinScrollBar(int initialThumb, QWidget* parent);

  virtual Qt::Orientation Direction() const = 0;
  // The point's coordinate along the bar.
  virtual int Along(const QPoint& point) const = 0;
  virtual QColor BackgroundColour() const = 0;
  // Track, arrow 1, arrow 2 and, when the list can scroll, the thumb, in that order.
  virtual void DrawParts(QPainter& painter, bool canScroll) const = 0;
  virtual QRect Arrow1PressZone() const = 0;
  virtual QRect Arrow1ReleaseZone() const = 0;
  virtual QRect Arrow2Zone() const = 0;
  virtual QRect ThumbZone() const = 0;
  // Whether a release on an arrow steps only when that arrow was pressed too.
  virtual bool ReleaseStepNeedsHeld() const = 0;
  // The pixels of travel per scroll limit, when synchronising and when dragging.
  virtual int SyncLength() const = 0;
  virtual int DragLength() const = 0;
  // The thumb position that stands for scroll position 0 in a drag.
  virtual int DragOrigin() const = 0;
  // Scrolls the list by `units` of its scroll position during a drag.
  virtual void ScrollListBy(int units) = 0;
  virtual int Clamped(int thumb) const = 0;

  // A zone from its left, top, right and bottom; right and bottom lie outside.
  static QRect Zone(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
  }
  int Thumb() const { return thumb_; }
  CSkinListCtrl* List() const { return list_; }

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void OnTimer(int id);
  void Send(Request request);
  int ScrollPosition() const;
  int ScrollLimit() const;

  bool arrow2Held_ = false;
  bool arrow1Held_ = false;
  bool grabbed_ = false;
  int thumb_;
  double scale_ = 0;
  CSkinListCtrl* list_ = nullptr;
  bool paintedScrollable_ = false;
  std::unique_ptr<SkinTimerSource> timers_;
};
