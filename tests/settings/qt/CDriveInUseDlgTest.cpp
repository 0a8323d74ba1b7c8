#include "settings/qt/CDriveInUseDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "skin/CSkinButton.h"
#include "tests/settings/qt/DialogProbe.h"
#include "settings/qt/QtDialogRunners.h"
#include "settings/qt/QtMessageBoxes.h"

namespace tarvix::settings {
namespace {

using testing::ControlById;
using testing::Pixels;

TEST(CDriveInUseDlg, FollowsItsTemplate) {
  CDriveInUseDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), "");
  EXPECT_EQ(dialog.size(), QSize(247, 119));
  EXPECT_EQ(dialog.SkinSettings().backgroundId, 270);
  EXPECT_EQ(ControlById<QWidget>(&dialog, 1)->geometry(), Pixels(15, 44, 62, 16));
  EXPECT_EQ(ControlById<QWidget>(&dialog, 2)->geometry(), Pixels(81, 44, 62, 16));
  EXPECT_TRUE(ControlById<QPushButton>(&dialog, 1)->isDefault());
  EXPECT_EQ(ControlById<CSkinButton>(&dialog, 1)->GetFaces().normal, 306);
  EXPECT_EQ(ControlById<CSkinButton>(&dialog, 2)->GetFaces().normal, 304);
  QStringList labels;
  for (QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  labels.sort();
  EXPECT_EQ(labels, (QStringList{"Do you still want to use this drive letter?",
                                 "The drive letter has been used."}));
}

TEST(CDriveInUseDlg, AnswersOneOnlyForOk) {
  CDriveInUseDlg dialog;
  ControlById<QPushButton>(&dialog, 1)->click();
  EXPECT_EQ(dialog.answer(), 1);
  ControlById<QPushButton>(&dialog, 2)->click();
  EXPECT_EQ(dialog.answer(), 0);
}

TEST(QtDriveInUseDialogRunner, EscapeAndCloseCountAsCancel) {
  qt::QtDriveInUseDialogRunner runner(nullptr);
  testing::WhenModal([](QWidget* modal) { ControlById<QPushButton>(modal, 1)->click(); });
  EXPECT_EQ(runner.Run(), 1);
  testing::WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(runner.Run(), 0);
  testing::WhenModal([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(runner.Run(), 0);
}

TEST(QtMessageBoxes, ShowsTextCaptionIconAndOk) {
  qt::QtMessageBoxes boxes(nullptr);
  QString seen;
  testing::WhenModal([&seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = box->text() + "|" + box->windowTitle() + "|" + QString::number(box->icon()) + "|" +
           QString::number(box->standardButtons());
    box->accept();
  });
  boxes.Show("Failed to map drive.", "Error", MessageIcon::Stop);
  EXPECT_EQ(seen, QString("Failed to map drive.|Error|%1|%2")
                      .arg(int(QMessageBox::Critical))
                      .arg(int(QMessageBox::Ok)));
}

// Boxes open in the middle of an operation, whose busy cursor must not hide that
// the box waits for the user; the busy cursor comes back once it is closed.
TEST(QtMessageBoxes, ShowNormalPointerOverBusyWindow) {
  qt::QtMessageBoxes boxes(nullptr);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Qt::CursorShape whileOpen = Qt::WaitCursor;
  testing::WhenModal([&whileOpen](QWidget* modal) {
    whileOpen = QApplication::overrideCursor()->shape();
    modal->close();
  });
  boxes.Show("Successfully mapped drive.", "Confirm", MessageIcon::Information);
  EXPECT_EQ(whileOpen, Qt::ArrowCursor);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace tarvix::settings
