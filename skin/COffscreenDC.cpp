#include "skin/COffscreenDC.h"

#include <QWidget>

namespace {
long copiesMade = 0;
}

COffscreenDC::COffscreenDC(QWidget* target, const QRect& rect)
    : target_(target), rect_(rect), surface_(rect.size() * target->devicePixelRatioF()) {
  if (surface_.isNull()) return;  // nothing to show; the painter stays inactive
  surface_.setDevicePixelRatio(target->devicePixelRatioF());
  painter_.begin(&surface_);
  painter_.translate(-rect_.topLeft());
}

COffscreenDC::~COffscreenDC() {
  if (surface_.isNull()) return;
  painter_.end();
  QPainter screen(target_);
  screen.drawPixmap(rect_.topLeft(), surface_);
  ++copiesMade;
}

long COffscreenDC::CopiesMade() { return copiesMade; }
