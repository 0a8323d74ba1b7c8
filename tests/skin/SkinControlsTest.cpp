#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "skin/CSkinButton.h"
#include "skin/CSkinHeaderCtrl.h"
#include "skin/CSkinListCtrl.h"

namespace {

TEST(SkinButton, DisabledFaceDefaultsToTheNormalFace) {
  CSkinButton button;
  button.SetFaces(284, 285, 285, 0);
  EXPECT_EQ(button.GetFaces().disabled, 284);
  button.SetFaces(0, 0, 0, 0);
  EXPECT_EQ(button.GetFaces().disabled, 0);
  EXPECT_FALSE(button.autoDefault());
}

TEST(SkinListCtrl, RowsColumnsAndSelection) {
  CSkinListCtrl list;
  list.InsertColumn(0, QStringLiteral("Name"), 94);
  list.InsertColumn(1, QStringLiteral("IP"), 85);
  EXPECT_EQ(list.columnCount(), 2);
  EXPECT_EQ(list.columnWidth(0), 94);
  EXPECT_NE(list.Header(), nullptr);
  const int row = list.InsertItem(QStringLiteral("nas"));
  list.SetItemText(row, 1, QStringLiteral("10.0.0.2"));
  EXPECT_EQ(list.InsertItem(QStringLiteral("two")), 1);
  EXPECT_EQ(list.GetItemText(0, 1), QStringLiteral("10.0.0.2"));
  EXPECT_EQ(list.GetItemText(5, 1), QString());
  EXPECT_FALSE(list.IsRowSelected(1));
  list.setCurrentItem(list.topLevelItem(1));
  EXPECT_TRUE(list.IsRowSelected(1));
  EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST(SkinListCtrl, AClickAnywhereReportsAfterTheSelectionMoved) {
  CSkinListCtrl list;
  list.InsertColumn(0, QStringLiteral("Name"), 94);
  list.InsertItem(QStringLiteral("nas"));
  list.resize(200, 120);
  list.show();
  bool selectedAtClick = false;
  QObject::connect(&list, &CSkinListCtrl::Clicked,
                   [&] { selectedAtClick = list.IsRowSelected(0); });
  QSignalSpy clicks(&list, &CSkinListCtrl::Clicked);
  const QRect rowRect = list.visualItemRect(list.topLevelItem(0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowRect.center());
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, 110));
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_TRUE(selectedAtClick);
}

}  // namespace
