#pragma once
#include <QColor>

// Colours shared by the artwork. Faces are rectangles, so the corners around a
// rounded face take the colour of the background it sits on.
namespace tarvix::res::palette {

inline QColor Mix(const QColor& from, const QColor& to, double t) {
  auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

// Main window (bitmap 267): title strip, body and bottom strip.
inline constexpr int kTitleStripHeight = 52;
inline const QColor kTitleTop(50, 57, 70);
inline const QColor kTitleBottom(24, 28, 36);
inline const QColor kAccent(24, 150, 214);
inline const QColor kBodyTop(236, 238, 242);
inline const QColor kBodyBottom(220, 223, 229);
inline constexpr int kBottomStripTop = 530;
inline const QColor kBottomTop(46, 52, 64);
inline const QColor kBottomBottom(12, 14, 18);
inline const QColor kHeading(38, 46, 60);
inline const QColor kRuleDark(150, 157, 170);

inline QColor TitleStripAt(double y) { return Mix(kTitleTop, kTitleBottom, y / kTitleStripHeight); }
inline QColor BottomStripAt(double y) {
  return Mix(kBottomTop, kBottomBottom, (y - kBottomStripTop) / (574.0 - kBottomStripTop));
}
// The body is a gentle gradient; faces on it use its middle.
inline const QColor kBodyMiddle = Mix(kBodyTop, kBodyBottom, 0.5);

// Dialogs (bitmaps 268 to 274): dark grey to black with a grey frame.
inline const QColor kDialogTop(74, 74, 78);
inline const QColor kDialogBottom(0, 0, 0);
inline const QColor kDialogFrame(128, 128, 132);
inline const QColor kDialogMiddle = Mix(kDialogTop, kDialogBottom, 0.35);

// Faces.
inline const QColor kCaption(255, 255, 255);
inline const QColor kGlow(0, 214, 255);

}  // namespace tarvix::res::palette
