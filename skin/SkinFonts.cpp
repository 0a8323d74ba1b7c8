#include "skin/SkinFonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>
#include <array>

namespace tarvix::skin {
namespace {

// The metric-compatible faces and where Debian puts them (fonts-liberation2,
// fonts-wine). Fontconfig finds Liberation Sans by itself, but not Wine's Tahoma,
// which lives in Wine's own folder; a face fontconfig does not know is loaded
// from its files for this process. A face that is missing altogether leaves
// Qt's usual sans-serif substitute, wider, so texts may be cut.
struct FaceFiles {
  const char* family;
  std::array<const char*, 2> files;
};
constexpr FaceFiles kFaces[] = {
    {"Liberation Sans",
     {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"}},
    {"Tahoma", {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}},
};

void LoadMissingFaces() {
  static const bool loaded = [] {
    const QStringList known = QFontDatabase::families();
    for (const FaceFiles& face : kFaces) {
      if (known.contains(QLatin1String(face.family), Qt::CaseInsensitive)) continue;
      for (const char* file : face.files) QFontDatabase::addApplicationFont(QLatin1String(file));
    }
    return true;
  }();
  (void)loaded;
}

QFont FontOf(const QStringList& families) {
  LoadMissingFaces();
  QFont font(families);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// MulDiv(8, 96, 72): Windows rounds 10.67 to an 11-pixel em.
constexpr int kTemplatePoints = 8;
constexpr int kTemplateEmPixels = (kTemplatePoints * 96 + 36) / 72;

unsigned ReadBigEndian16(const QByteArray& table, int offset) {
  return (static_cast<unsigned>(static_cast<unsigned char>(table[offset])) << 8) |
         static_cast<unsigned char>(table[offset + 1]);
}

// Windows sizes a TrueType face's cell by the OS/2 table's usWinAscent and
// usWinDescent. Qt reports other metrics for some faces (Wine's Tahoma asks for
// its typographic ones, a fifth smaller), so the cell is read from the tables.
// 0 when the face has no such tables.
double WindowsCellPerEm(const QRawFont& face) {
  const QByteArray os2 = face.fontTable("OS/2");
  const QByteArray head = face.fontTable("head");
  constexpr int kWinAscent = 74, kWinDescent = 76, kUnitsPerEm = 18;
  if (os2.size() < kWinDescent + 2 || head.size() < kUnitsPerEm + 2) return 0;
  const unsigned unitsPerEm = ReadBigEndian16(head, kUnitsPerEm);
  const unsigned cell = ReadBigEndian16(os2, kWinAscent) + ReadBigEndian16(os2, kWinDescent);
  return unitsPerEm == 0 ? 0 : static_cast<double>(cell) / unitsPerEm;
}

}  // namespace

QFont TemplateFont() {
  QFont font = FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(kTemplateEmPixels);
  return font;
}

QFont WindowsFont(const QString& face, int cellHeight, QFont::Weight weight) {
  QStringList families{face};
  if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    families << QStringLiteral("Liberation Sans");
  QFont font = FontOf(families);
  font.setWeight(weight);
  font.setPixelSize(EmPixelsForCellHeight(font, cellHeight));
  return font;
}

// The regular weight: Windows' thinnest weight would pick a hairline face where
// the system has one, while Tahoma itself only comes in regular and bold.
QFont TahomaFont(int cellHeight) { return WindowsFont(QStringLiteral("Tahoma"), cellHeight); }

QFont ListFont() { return TahomaFont(13); }

// "Tahoma 14" names no face anywhere, so Windows' font matching would pick some
// default face for it; the header is drawn in the face the name means instead.
QFont HeaderFont() { return TahomaFont(14); }

int EmPixelsForCellHeight(const QFont& font, int cellHeight) {
  // Measured large, so the proportion carries no rounding of small sizes.
  constexpr int kProbePixels = 256;
  QFont probe(font);
  probe.setPixelSize(kProbePixels);
  double cellPerEm = WindowsCellPerEm(QRawFont::fromFont(probe));
  if (cellPerEm <= 0) {
    const QFontMetricsF metrics(probe);
    cellPerEm = (metrics.ascent() + metrics.descent()) / kProbePixels;
  }
  return qMax(1, qRound(cellHeight / cellPerEm));
}

}  // namespace tarvix::skin
