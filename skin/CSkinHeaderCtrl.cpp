#include "skin/CSkinHeaderCtrl.h"

#include "skin/SkinFonts.h"

CSkinHeaderCtrl::CSkinHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsMovable(false);
  setSectionsClickable(false);
  setStretchLastSection(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setHighlightSections(false);
  setFont(tarvix::skin::HeaderFont());
}
