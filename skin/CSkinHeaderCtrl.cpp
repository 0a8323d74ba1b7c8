#include "skin/CSkinHeaderCtrl.h"

#include "skin/COffscreenDC.h"
#include "skin/SkinBitmapStore.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "skin/SkinFonts.h"

using namespace tarvix::skin;

namespace {

constexpr int kMaxTitle = 255;

}  // namespace

CSkinHeaderCtrl::CSkinHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsMovable(false);
  setSectionsClickable(false);
  setStretchLastSection(false);
  setHighlightSections(false);
  setFont(tarvix::skin::HeaderFont());
}

QSize CSkinHeaderCtrl::sizeHint() const { return QSize(QHeaderView::sizeHint().width(), kHeight); }

void CSkinHeaderCtrl::paintEvent(QPaintEvent*) {
  QWidget* surface = viewport();
  const QRect client = surface->rect();
  COffscreenDC offscreen(surface, client);
  QPainter& painter = offscreen.Painter();
  const qreal ratio = surface->devicePixelRatioF();
  const QPixmap back = LoadSkinBitmap(kHeaderBack, ratio);
  const QPixmap divider = LoadSkinBitmap(kHeaderDivider, ratio);
  painter.fillRect(client, Qt::black);
  StretchBitmap(painter, back, QRect(0, 0, 1, kHeight),
                QRect(client.left(), 0, client.width(), kHeight));
  painter.setFont(HeaderFont());
  painter.setPen(Qt::black);
  for (int index = 0; index < count(); ++index) {
    if (isSectionHidden(index)) continue;
    const int left = sectionViewportPosition(index);
    const int right = left + sectionSize(index);
    // The background column repeated from left to right inclusive (the first
    // column on screen counts from 0); one stretched copy draws the same pixels.
    const int from = visualIndex(index) == 0 ? 0 : left;
    StretchBitmap(painter, back, QRect(0, 0, 1, kHeight),
                  QRect(from, 0, right - left + 1, kHeight));
    if (index != 0) CopyBitmap(painter, divider, QPoint(left - 2, 0), QSize(12, kHeight));
    const QRect textArea = QRect(left, 0, right - left, height()).adjusted(2, 2, -2, -2);
    const QString title =
        model() ? model()->headerData(index, orientation()).toString().left(kMaxTitle) : QString();
    painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(title, Qt::ElideRight, textArea.width()));
  }
}
