// Button faces: each pair is a normal and a highlighted face with a white caption.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "res/SkinArtParts.h"
#include "res/SkinPalette.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

namespace tarvix::res::art {
namespace {

namespace pal = palette;
using namespace tarvix::skin;

enum class Look { CloseDisc, MinimizeDisc, BlackFace, RoundedFace, OkFace };
// What a face sits on; its corners take that colour.
enum class Ground { TitleStrip, Body, BottomStrip, Dialog };

struct FacePair {
  int normal;
  int lit;
  Look look;
  Ground ground;
  int top;  // the face's top in the main window, where its ground is a gradient
  const char* caption;
};

constexpr std::array<FacePair, 15> kFaces{{
    {kFaceClose, kFaceCloseLit, Look::CloseDisc, Ground::TitleStrip, 5, ""},
    {kFaceMinimize, kFaceMinimizeLit, Look::MinimizeDisc, Ground::TitleStrip, 5, ""},
    {kFaceDownload, kFaceDownloadLit, Look::BlackFace, Ground::Dialog, 0, "Download"},
    {kFaceNext, kFaceNextLit, Look::BlackFace, Ground::Dialog, 0, "Next"},
    {kFaceSearch, kFaceSearchLit, Look::RoundedFace, Ground::Body, 0, "Refresh"},
    {kFaceWeb, kFaceWebLit, Look::RoundedFace, Ground::Body, 0, "Configuration"},
    {kFaceLanguage, kFaceLanguageLit, Look::BlackFace, Ground::Body, 0, "Language"},
    {kFaceBitTorrent, kFaceBitTorrentLit, Look::BlackFace, Ground::Body, 0, "Bit Torrent"},
    {kFaceApply, kFaceApplyLit, Look::RoundedFace, Ground::Body, 0, "Apply"},
    {kFaceConnect, kFaceConnectLit, Look::RoundedFace, Ground::Body, 0, "Connect"},
    {kFaceDisconnect, kFaceDisconnectLit, Look::RoundedFace, Ground::Body, 0, "Disconnect"},
    {kFaceAbout, kFaceAboutLit, Look::RoundedFace, Ground::BottomStrip, 540, "About"},
    {kFaceExit, kFaceExitLit, Look::RoundedFace, Ground::BottomStrip, 540, "Exit"},
    {kFaceCancel, kFaceCancelLit, Look::BlackFace, Ground::Dialog, 0, "Cancel"},
    {kFaceOk, kFaceOkLit, Look::OkFace, Ground::Dialog, 0, "Ok"},
}};

void FillGround(QPainter& p, const FacePair& face, QSize size) {
  const QRectF area(0, 0, size.width(), size.height());
  switch (face.ground) {
    case Ground::TitleStrip:
    case Ground::BottomStrip: {
      QLinearGradient gradient(0, 0, 0, size.height());
      auto at = [&face](double y) {
        return face.ground == Ground::TitleStrip ? pal::TitleStripAt(face.top + y)
                                                 : pal::BottomStripAt(face.top + y);
      };
      gradient.setColorAt(0, at(0));
      gradient.setColorAt(1, at(size.height()));
      p.fillRect(area, gradient);
      return;
    }
    case Ground::Body: p.fillRect(area, pal::kBodyMiddle); return;
    case Ground::Dialog: p.fillRect(area, pal::kDialogMiddle); return;
  }
}

void DrawCaption(QPainter& p, const char* caption, QSize size) {
  p.setPen(pal::kCaption);
  p.setFont(WindowsFont(QStringLiteral("Arial"), 15, QFont::Bold));
  p.drawText(QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter,
             QString::fromLatin1(caption));
}

void DrawDisc(QPainter& p, Look look, bool lit, QSize size) {
  const QColor disc = look == Look::CloseDisc
                          ? (lit ? QColor(200, 24, 28) : QColor(238, 112, 112))
                          : (lit ? QColor(32, 112, 232) : QColor(142, 148, 158));
  const double r = size.width() / 2.0;
  p.setPen(QPen(disc.darker(130), 1));
  p.setBrush(disc);
  p.drawEllipse(QPointF(r, r), r - 0.5, r - 0.5);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  if (look == Look::CloseDisc) {
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
  } else {
    p.drawLine(QPointF(4.5, 8.5), QPointF(11.5, 8.5));
  }
}

void DrawBlackFace(QPainter& p, bool lit, QSize size) {
  const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, lit ? QColor(40, 128, 236) : QColor(34, 34, 36));
  fill.setColorAt(1, lit ? QColor(10, 64, 160) : QColor(0, 0, 0));
  p.setPen(QPen(lit ? QColor(130, 190, 255) : QColor(100, 100, 104), 1));
  p.setBrush(fill);
  p.drawRoundedRect(box, 3, 3);
}

void DrawRoundedFace(QPainter& p, Look look, bool lit, QSize size) {
  const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
  const int lighter = look == Look::OkFace && lit ? 28 : 0;
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, QColor(84 + lighter, 92 + lighter, 106 + lighter));
  fill.setColorAt(1, QColor(30 + lighter, 34 + lighter, 44 + lighter));
  p.setPen(QPen(QColor(16, 18, 24), 1));
  p.setBrush(fill);
  p.drawRoundedRect(box, 7, 7);
  if (look == Look::RoundedFace && lit) {
    // The glow: a bright rim with a softer halo inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal::kGlow, 1.5));
    p.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), 6.5, 6.5);
    QColor halo = pal::kGlow;
    halo.setAlpha(90);
    p.setPen(QPen(halo, 1.5));
    p.drawRoundedRect(box.adjusted(2.25, 2.25, -2.25, -2.25), 5, 5);
  }
}

}  // namespace

bool DrawFace(QPainter& painter, int id, QSize size) {
  for (const FacePair& face : kFaces) {
    if (id != face.normal && id != face.lit) continue;
    const bool lit = id == face.lit;
    painter.setRenderHint(QPainter::Antialiasing);
    FillGround(painter, face, size);
    switch (face.look) {
      case Look::CloseDisc:
      case Look::MinimizeDisc: DrawDisc(painter, face.look, lit, size); break;
      case Look::BlackFace: DrawBlackFace(painter, lit, size); break;
      case Look::RoundedFace:
      case Look::OkFace: DrawRoundedFace(painter, face.look, lit, size); break;
    }
    DrawCaption(painter, face.caption, size);
    return true;
  }
  return false;
}

}  // namespace tarvix::res::art
