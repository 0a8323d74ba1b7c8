// Dialog backgrounds: the main window (267) and the dark dialogs (268 to 274).
#include <QLinearGradient>
#include <QPainter>

#include "res/IconArt.h"
#include "res/SkinArt.h"
#include "res/SkinArtParts.h"
#include "res/SkinPalette.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

namespace tarvix::res::art {
namespace {

namespace pal = palette;

// Where the main window's sections begin, in pixels of the 430 x 574 window: each
// heading sits in free space above its controls (device list at y 77, address
// fields from y 253, volume list at y 386).
struct Section {
  const char* title;
  int baseline;
};
constexpr Section kSections[] = {
    {"Network Storage Device", 70},
    {"LAN", 236},
    {"Drive Mapping", 366},
};
constexpr int kMarginLeft = 21;
constexpr int kMarginRight = 21;

void FillVertical(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  p.fillRect(area, gradient);
}

void DrawTitleStrip(QPainter& p, int width) {
  FillVertical(p, QRectF(0, 0, width, pal::kTitleStripHeight), pal::kTitleTop, pal::kTitleBottom);
  p.fillRect(QRectF(0, pal::kTitleStripHeight, width, 2), pal::kAccent);
  // Our own mark where a maker's logo would stand.
  p.save();
  p.translate(10, 7);
  p.scale(38.0 / 64, 38.0 / 64);
  DrawProgramMark(p);
  p.restore();
  p.setPen(pal::kCaption);
  p.setFont(skin::WindowsFont(QStringLiteral("Arial"), 22, QFont::Bold));
  p.drawText(QRectF(54, 0, 300, pal::kTitleStripHeight), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Tarvix Storage Utility"));
}

QFont HeadingFont() { return skin::WindowsFont(QStringLiteral("Arial"), 15, QFont::Bold); }

// A dark line with a white one under it, like an etched groove.
QRect RuleUnder(const Section& section, int width) {
  return QRect(kMarginLeft, section.baseline + 3, width - kMarginLeft - kMarginRight, 2);
}

void DrawSections(QPainter& p, int width) {
  p.setFont(HeadingFont());
  for (const Section& section : kSections) {
    p.setPen(pal::kHeading);
    p.drawText(QPointF(kMarginLeft, section.baseline), QString::fromLatin1(section.title));
    const QRect rule = RuleUnder(section, width);
    p.fillRect(QRect(rule.left(), rule.top(), rule.width(), 1), pal::kRuleDark);
    p.fillRect(QRect(rule.left(), rule.top() + 1, rule.width(), 1), Qt::white);
  }
}

void DrawMainWindow(QPainter& p, QSize size) {
  const int w = size.width();
  const int h = size.height();
  FillVertical(p, QRectF(0, 0, w, h), pal::kBodyTop, pal::kBodyBottom);
  DrawTitleStrip(p, w);
  DrawSections(p, w);
  FillVertical(p, QRectF(0, pal::kBottomStripTop, w, h - pal::kBottomStripTop), pal::kBottomTop,
               pal::kBottomBottom);
  p.fillRect(QRectF(0, pal::kBottomStripTop, w, 1), pal::kAccent);
  // A dark edge, so the light body does not bleed into a light desktop.
  p.setPen(QPen(QColor(60, 66, 78), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

void DrawDialog(QPainter& p, QSize size) {
  FillVertical(p, QRectF(0, 0, size.width(), size.height()), pal::kDialogTop, pal::kDialogBottom);
  p.setPen(QPen(pal::kDialogFrame, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
}

}  // namespace

}  // namespace tarvix::res::art

namespace tarvix::res {

std::vector<ArtHeading> MainWindowHeadings() {
  const QFontMetrics metrics(art::HeadingFont());
  std::vector<ArtHeading> headings;
  for (const art::Section& section : art::kSections) {
    const QString title = QString::fromLatin1(section.title);
    const QRect text = metrics.boundingRect(title).translated(art::kMarginLeft, section.baseline);
    headings.push_back(
        {title, text, art::RuleUnder(section, skin::FindSkinBitmap(skin::kBgMainWindow).width)});
  }
  return headings;
}

}  // namespace tarvix::res

namespace tarvix::res::art {

bool DrawBackground(QPainter& painter, int id, QSize size) {
  if (id == skin::kBgMainWindow) {
    DrawMainWindow(painter, size);
    return true;
  }
  if (id >= skin::kBgAbout && id <= skin::kBgModelChoice) {
    DrawDialog(painter, size);
    return true;
  }
  return false;
}

}  // namespace tarvix::res::art
