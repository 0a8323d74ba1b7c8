#include "skin/CSkinScrollBar.h"

#include <QMouseEvent>
#include <cmath>
#include <limits>

#include "skin/COffscreenDC.h"
#include "skin/CSkinListCtrl.h"

namespace {

// trunc() of the thumb arithmetic, safe for the quotients of a tiny or empty list.
int Truncate(double value) {
  if (!std::isfinite(value)) return 0;
  constexpr double kLimit = 1e9;
  return static_cast<int>(std::fmax(-kLimit, std::fmin(kLimit, value)));
}

}  // namespace

CSkinScrollBar::CSkinScrollBar(int initialThumb, QWidget* parent)
    : QWidget(parent), thumb_(initialThumb) {
  SetTimerSource(std::make_unique<QtSkinTimerSource>());
}

CSkinScrollBar::~CSkinScrollBar() = default;

void CSkinScrollBar::SetTimerSource(std::unique_ptr<SkinTimerSource> timers) {
  timers_ = std::move(timers);
  timers_->SetHandler([this](int id) { OnTimer(id); });
}

int CSkinScrollBar::ScrollPosition() const {
  return list_ ? list_->ScrollPosition(Direction()) : 0;
}

int CSkinScrollBar::ScrollLimit() const { return list_ ? list_->ScrollLimit(Direction()) : 0; }

void CSkinScrollBar::Synchronise() {
  const int limit = ScrollLimit();
  const int before = thumb_;
  if (limit <= 0) {
    thumb_ = 20;
  } else {
    scale_ = static_cast<double>(SyncLength()) / limit;
    thumb_ = Truncate(scale_ * ScrollPosition()) + 20;
  }
  thumb_ = Clamped(thumb_);
  // The list synchronises on every paint of its own; repaint only what moved.
  if (thumb_ != before || paintedScrollable_ != (limit > 0)) update();
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
  COffscreenDC offscreen(this, rect());
  QPainter& painter = offscreen.Painter();
  painter.fillRect(rect(), BackgroundColour());
  paintedScrollable_ = ScrollLimit() > 0;
  DrawParts(painter, paintedScrollable_);
}

void CSkinScrollBar::Send(Request request) {
  if (list_) list_->SendScroll(Direction(), request);
  Synchronise();
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
  // The bar keeps every press (Qt holds the pointer for it until the release), so
  // none reaches the dialog beneath.
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  if (ThumbZone().contains(point)) grabbed_ = true;
  if (Arrow2Zone().contains(point)) {
    arrow2Held_ = true;
    timers_->Start(kFirstDelayTimer, kFirstDelayMs);
  }
  if (Arrow1PressZone().contains(point)) {
    arrow1Held_ = true;
    timers_->Start(kFirstDelayTimer, kFirstDelayMs);
  }
}

void CSkinScrollBar::OnTimer(int id) {
  if (id == kFirstDelayTimer) {
    for (bool held : {arrow2Held_, arrow1Held_}) {
      if (!held) continue;
      timers_->Stop(kFirstDelayTimer);
      timers_->Start(kRepeatTimer, kRepeatMs);
    }
  } else if (id == kRepeatTimer) {
    if (arrow2Held_) Send(kLineForward);
    if (arrow1Held_) Send(kLineBack);
  }
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  Synchronise();
  timers_->Stop(kRepeatTimer);
  timers_->Stop(kFirstDelayTimer);
  const QPoint point = event->position().toPoint();
  const bool needsHeld = ReleaseStepNeedsHeld();
  bool stepped = false;
  if (Arrow1ReleaseZone().contains(point) && (!needsHeld || arrow1Held_)) {
    Send(kLineBack);
    stepped = true;
  }
  if (Arrow2Zone().contains(point) && (!needsHeld || arrow2Held_)) {
    Send(kLineForward);
    stepped = true;
  }
  if (!stepped && !ThumbZone().contains(point) && !grabbed_)
    Send(Along(point) > thumb_ ? kPageForward : kPageBack);
  arrow2Held_ = arrow1Held_ = grabbed_ = false;
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!grabbed_) return;
  // The pointer holds the thumb at its middle.
  thumb_ = Along(event->position().toPoint()) - 13;
  const int limit = ScrollLimit();
  if (limit > 0) {
    scale_ = static_cast<double>(DragLength()) / limit;
    if (scale_ > 0) {
      const int target = Truncate((thumb_ - DragOrigin()) / scale_);
      ScrollListBy(target - ScrollPosition());
    }
  }
  thumb_ = Clamped(thumb_);
  update();
}
