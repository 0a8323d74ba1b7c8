#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include "app/MainDlgTemplate.h"
#include "res/SkinArt.h"
#include "skin/DialogUnits.h"
#include "skin/SkinBitmapStore.h"
#include "skin/SkinBitmaps.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

struct BmpHeader {
  bool magic = false;
  qint32 width = 0;
  qint32 height = 0;
  quint16 bitsPerPixel = 0;
  quint32 compression = 99;
};

BmpHeader ReadHeader(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(54);
  if (bytes.size() < 54) return {};
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  return {bytes.startsWith("BM"), qFromLittleEndian<qint32>(data + 18),
          qFromLittleEndian<qint32>(data + 22), qFromLittleEndian<quint16>(data + 28),
          qFromLittleEndian<quint32>(data + 30)};
}

TEST(SkinArtwork, EveryBitmapIsEmbeddedUncompressed24BitAtItsSizeAndTwiceIt) {
  for (const skin::SkinBitmapSize& entry : skin::kSkinBitmaps) {
    for (int scale : {1, 2}) {
      const QString path = scale == 1 ? QStringLiteral(":/skin/%1.bmp").arg(entry.id)
                                      : QStringLiteral(":/skin/%1@2x.bmp").arg(entry.id);
      const BmpHeader header = ReadHeader(path);
      EXPECT_TRUE(header.magic) << path.toStdString();
      EXPECT_EQ(header.bitsPerPixel, 24) << path.toStdString();
      EXPECT_EQ(header.compression, 0u) << path.toStdString();
      EXPECT_EQ(header.width, entry.width * scale) << path.toStdString();
      EXPECT_EQ(header.height, entry.height * scale) << path.toStdString();
    }
  }
}

TEST(SkinArtwork, CatalogueNamesEachIdOnce) {
  for (size_t i = 0; i < skin::kSkinBitmaps.size(); ++i)
    for (size_t j = i + 1; j < skin::kSkinBitmaps.size(); ++j)
      EXPECT_NE(skin::kSkinBitmaps[i].id, skin::kSkinBitmaps[j].id);
  EXPECT_EQ(skin::FindSkinBitmap(skin::kBgMainWindow).width, 430);
  EXPECT_EQ(skin::FindSkinBitmap(skin::kBgMainWindow).height, 574);
  EXPECT_EQ(skin::FindSkinBitmap(999).id, 0);
}

TEST(SkinArtwork, EmbeddedBitmapsAreWhatTheGeneratorDraws) {
  for (int id : {skin::kBgMainWindow, skin::kFaceOk, skin::kHScrollThumb}) {
    for (int scale : {1, 2}) {
      const QImage drawn = res::DrawSkinBitmap(id, scale);
      const QImage embedded =
          skin::LoadSkinBitmap(id, scale).toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(drawn, embedded) << id << "@" << scale;
    }
  }
  EXPECT_TRUE(res::DrawSkinBitmap(999, 1).isNull());
}

TEST(SkinArtwork, HighDensitySetServesRatiosFromOnePointFive) {
  struct Case {
    qreal ratio;
    int scale;
  };
  for (Case c : {Case{1.0, 1}, Case{1.25, 1}, Case{1.5, 2}, Case{2.0, 2}, Case{3.0, 2}})
    EXPECT_EQ(skin::ArtScaleFor(c.ratio), c.scale) << c.ratio;
  const QPixmap fine = skin::LoadSkinBitmap(skin::kHScrollThumb, 2.0);
  EXPECT_EQ(fine.size(), QSize(52, 28));
  EXPECT_EQ(fine.deviceIndependentSize(), QSizeF(26, 14));
  EXPECT_EQ(skin::LoadSkinBitmap(skin::kHScrollThumb, 1.0).size(), QSize(26, 14));
  EXPECT_TRUE(skin::LoadSkinBitmap(999, 1.0).isNull());
}

// The main window's background: the product name in white on the dark strip, and
// three headings that no visible control covers.
TEST(SkinArtwork, MainWindowHeadingsStayClearOfTheControls) {
  const std::vector<res::ArtHeading> headings = res::MainWindowHeadings();
  ASSERT_EQ(headings.size(), 3u);
  EXPECT_EQ(headings[0].title, "Network Storage Device");
  EXPECT_EQ(headings[1].title, "LAN");
  EXPECT_EQ(headings[2].title, "Drive Mapping");
  std::vector<QRect> controls;
  for (const app::TemplateControl& c : app::MainDialogTemplate().controls) {
    QRect area = skin::DluToPixels(c.x, c.y, c.w, c.h);
    if (c.kind == app::ControlKind::DropDown) area.setHeight(24);  // closed
    if (c.kind == app::ControlKind::List) {
      // The list's scroll bars stand outside its right and bottom edges.
      area.adjust(0, 0, 14, 14);
    }
    if (c.visible) controls.push_back(area);
  }
  for (const res::ArtHeading& heading : headings) {
    for (const QRect& control : controls) {
      EXPECT_FALSE(heading.text.intersects(control)) << heading.title.toStdString();
      EXPECT_FALSE(heading.rule.intersects(control)) << heading.title.toStdString();
    }
  }
}

TEST(SkinArtwork, MainWindowTitleIsWhiteOnDark) {
  const QImage background = Bitmap(skin::kBgMainWindow);
  int white = 0;
  for (int x = 50; x < 300; ++x)
    for (int y = 10; y < 42; ++y) white += background.pixel(x, y) == qRgb(255, 255, 255);
  EXPECT_GT(white, 100);  // the stems of the product name's letters
  EXPECT_LT(qGray(background.pixel(400, 40)), 60);
  EXPECT_GT(qGray(background.pixel(200, 300)), 200);  // the light body
}

}  // namespace
}  // namespace tarvix::testing
