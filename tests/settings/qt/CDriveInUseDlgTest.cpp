#include "settings/qt/CDriveInUseDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "settings/qt/QtDialogRunners.h"
#include "settings/qt/QtMessageBoxes.h"
#include "skin/CSkinButton.h"
#include "tests/settings/qt/DialogProbe.h"

namespace tarvix::settings {
namespace {

using testing::ControlById;
using testing::Pixels;

TEST(CDriveInUseDlg, FollowsItsTemplate) {
  CDriveInUseDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), "");
  EXPECT_EQ(dialog.size(), QSize(247, 119));
  EXPECT_EQ(dialog.SkinSettings().backgroundId, 270);
  auto* ok = ControlById<CSkinButton>(&dialog, 1);
  auto* cancel = ControlById<CSkinButton>(&dialog, 2);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(ok->geometry(), Pixels(15, 44, 62, 16));
  EXPECT_EQ(cancel->geometry(), Pixels(81, 44, 62, 16));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->GetFaces().normal, 306);
  EXPECT_EQ(cancel->GetFaces().normal, 304);
  QStringList labels;
  for (QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  labels.sort();
  EXPECT_EQ(labels, (QStringList{"Do you still want to use this drive letter?",
                                 "The drive letter has been used."}));
}

TEST(CDriveInUseDlg, AnswersOneOnlyForOk) {
  CDriveInUseDlg dialog;
  auto* ok = ControlById<QPushButton>(&dialog, 1);
  auto* cancel = ControlById<QPushButton>(&dialog, 2);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  ok->click();
  EXPECT_EQ(dialog.answer(), 1);
  cancel->click();
  EXPECT_EQ(dialog.answer(), 0);
}

TEST(QtDriveInUseDialogRunner, EscapeAndCloseCountAsCancel) {
  qt::QtDriveInUseDialogRunner runner(nullptr);
  testing::WhenModal([](QWidget* modal) {
    if (auto* ok = testing::ControlOrClose<QPushButton>(modal, 1)) ok->click();
  });
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
    if (!box) {
      ADD_FAILURE() << "the modal window is no message box";
      if (modal) modal->close();
      return;
    }
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
    const QCursor* cursor = QApplication::overrideCursor();
    EXPECT_NE(cursor, nullptr);
    if (cursor) whileOpen = cursor->shape();
    if (modal) modal->close();
  });
  boxes.Show("Successfully mapped drive.", "Confirm", MessageIcon::Information);
  EXPECT_EQ(whileOpen, Qt::ArrowCursor);
  const QCursor* after = QApplication::overrideCursor();
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(after->shape(), Qt::WaitCursor);
  QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace tarvix::settings
