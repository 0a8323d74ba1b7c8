// Every label of every window shows its whole text: it fits the label's rectangle
// in the label's own font, and no other control covers any of it. The windows'
// layouts were measured in Arial and Tahoma; these hold only in those faces or
// their metric-compatible stand-ins, so the faces actually resolved are checked
// first, with the package that brings them.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <cmath>
#include <string>

#include "settings/qt/CDriveInUseDlg.h"
#include "settings/qt/CLoginDlg.h"
#include "skin/CSkinListCtrl.h"
#include "skin/SkinFonts.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowControls.h"

namespace tarvix::testing {
namespace {

std::string Text(const QString& text) { return text.toStdString(); }

std::string Describe(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

void ExpectTemplateFace(const QFont& font, const std::string& where) {
  const QFontInfo face(font);
  EXPECT_TRUE(face.family() == "Arial" || face.family() == "Liberation Sans")
      << where << " is drawn in " << Text(face.family())
      << ", not Arial or its metric-compatible Liberation Sans (package fonts-liberation2)";
  EXPECT_EQ(face.pixelSize(), 11) << where << ": Arial 8 is an 11-pixel em";
}

void ExpectTahomaFace(const QFont& font, const std::string& where) {
  const QFontInfo face(font);
  EXPECT_EQ(Text(face.family()), "Tahoma")
      << where << " is not drawn in Tahoma (Wine's metric-compatible Tahoma: package fonts-wine)";
}

// Each label of `dialog`: its face, its text inside its rectangle, and no other
// visible control over that rectangle.
void ExpectLabelsShowWhole(const QWidget& dialog, const std::string& name) {
  const QList<QLabel*> labels = dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  ASSERT_FALSE(labels.isEmpty()) << name;
  for (const QLabel* label : labels) {
    const std::string where = name + " label \"" + Text(label->text()) + "\"";
    ExpectTemplateFace(label->font(), where);
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const QRect ink = metrics.boundingRect(label->text());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), room.width()) << where;
    EXPECT_GE(ink.left(), 0) << where;
    EXPECT_LE(ink.right(), room.width() - 1) << where << " ink " << Describe(ink);
    EXPECT_LE(metrics.height(), room.height()) << where;
    for (const QWidget* other : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == label || !other->isVisibleTo(&dialog)) continue;
      EXPECT_FALSE(other->geometry().intersects(label->geometry()))
          << where << " at " << Describe(label->geometry()) << " is covered by "
          << Text(other->objectName()) << " at " << Describe(other->geometry());
    }
  }
}

using LabelFitTest = MainWindowFixture;

TEST_F(LabelFitTest, MainWindowLabelsShowWhole) { ExpectLabelsShowWhole(Open(), "main window"); }

TEST_F(LabelFitTest, MainWindowLabelsKeepTheirTemplatePlaces) {
  // A label is wider than the template says only where its text needs it, and
  // narrower only where the template runs it into its control.
  const CMainDlg& opened = Open();
  QStringList places;
  for (const QLabel* label : opened.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    places << QStringLiteral("%1@%2,%3 %4x%5")
                  .arg(label->text())
                  .arg(label->x())
                  .arg(label->y())
                  .arg(label->width())
                  .arg(label->height());
  places.sort();
  EXPECT_EQ(Text(places.join(" | ")),
            "Available Drive Letters :@292,385 117x14 | Gateway :@21,315 54x14 | "
            "I P :@21,259 21x14 | Netmask :@21,287 50x14 | Receive DHCP :@247,257 80x14");
}

TEST(LabelFit, LoginDialogLabelsShowWhole) {
  for (bool locked : {false, true}) {
    CLoginDlg dialog({locked ? "admin" : "", locked});
    ExpectLabelsShowWhole(dialog, "login dialog");
  }
}

TEST(LabelFit, DriveInUseDialogLabelsShowWhole) {
  CDriveInUseDlg dialog;
  ExpectLabelsShowWhole(dialog, "drive-in-use dialog");
}

TEST_F(LabelFitTest, ListsAndTheirHeadersUseTahoma) {
  CMainDlg& opened = Open();
  for (const CSkinListCtrl* list : {DeviceListOf(opened), VolumeListOf(opened)}) {
    ExpectTahomaFace(list->font(), "list " + Text(list->objectName()));
    ExpectTahomaFace(list->header()->font(), "header of " + Text(list->objectName()));
    // Heights 13 and 14: the header keeps its own font under the list's.
    EXPECT_EQ(QFontInfo(list->font()).pixelSize(), 11);
    EXPECT_EQ(QFontInfo(list->header()->font()).pixelSize(), 12);
  }
}

TEST(WindowFonts, WindowsHeightsAreCellHeights) {
  // Tahoma's Windows cell is 2472/2048 of its em: height 13 is the 11-pixel em
  // Windows draws the lists in, the header's 14 a 12-pixel em.
  EXPECT_EQ(skin::ListFont().pixelSize(), 11);
  EXPECT_EQ(skin::HeaderFont().pixelSize(), 12);
  ExpectTahomaFace(skin::ListFont(), "the list font");
  // Arial 8 is an em size: 11 pixels.
  ExpectTemplateFace(skin::TemplateFont(), "the template font");
  // Ems are whole pixels: the nearest one, whose cell is within half a step of
  // the height asked for.
  constexpr double kCellPerEm = 2472.0 / 2048.0;
  for (int height : {10, 13, 14, 20, 31}) {
    const QFont font = skin::TahomaFont(height);
    EXPECT_EQ(skin::EmPixelsForCellHeight(font, height), font.pixelSize()) << height;
    EXPECT_LE(std::abs(font.pixelSize() * kCellPerEm - height), kCellPerEm / 2) << height;
  }
}

TEST(WindowFonts, EveryDialogUsesTheOneTemplateFont) {
  CLoginDlg login({"", false});
  CDriveInUseDlg driveInUse;
  EXPECT_EQ(login.font(), skin::TemplateFont());
  EXPECT_EQ(driveInUse.font(), skin::TemplateFont());
}

}  // namespace
}  // namespace tarvix::testing
