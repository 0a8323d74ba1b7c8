#pragma once
#include <QFont>
#include <QString>

// The fonts every window of the program draws its texts in. The layouts were
// measured in Windows fonts that a Linux desktop lacks; the faces asked for here
// are the Windows ones first, then metric-compatible stand-ins of the same
// widths, so texts keep fitting the places the templates give them.
namespace tarvix::skin {

// Arial 8, the font of the dialog templates: 8 points at 96 dots per inch, an
// 11-pixel em. Liberation Sans stands in where Arial is missing.
QFont TemplateFont();

// Tahoma at a Windows font height, which (positive) is the cell height, ascent
// plus descent, not the em size.
QFont TahomaFont(int cellHeight);

// Any face at a Windows font height (the cell height); Arial falls back to its
// metric-compatible Liberation Sans. The skin artwork draws its captions so.
QFont WindowsFont(const QString& face, int cellHeight, QFont::Weight weight = QFont::Normal);

// The device and volume lists: Tahoma, height 13.
QFont ListFont();

// The lists' column header: height 14, asked for as "Tahoma 14" and drawn in Tahoma.
QFont HeaderFont();

// The em in pixels at which the face `font` resolves to has a Windows cell of
// `cellHeight` pixels.
int EmPixelsForCellHeight(const QFont& font, int cellHeight);

}  // namespace tarvix::skin
