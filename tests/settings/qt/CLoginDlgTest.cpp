#include "settings/qt/CLoginDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "settings/qt/QtDialogRunners.h"
#include "skin/CSkinButton.h"
#include "tests/settings/qt/DialogProbe.h"

namespace tarvix::settings {
namespace {

using testing::ControlById;
using testing::Pixels;

struct Placement {
  int id;
  QRect rect;
};

TEST(CLoginDlg, FollowsItsTemplate) {
  CLoginDlg dialog({"", false});
  EXPECT_EQ(dialog.windowTitle(), "Login");
  EXPECT_EQ(dialog.size(), QSize(307, 147));
  EXPECT_EQ(dialog.font().family(), "Arial");
  EXPECT_EQ(dialog.font().pixelSize(), 11);  // Arial 8: 8 points at 96 dots per inch
  for (Placement p :
       {Placement{1016, Pixels(60, 26, 69, 14)}, Placement{1017, Pixels(60, 47, 69, 14)},
        Placement{1, Pixels(135, 26, 62, 16)}, Placement{2, Pixels(135, 46, 62, 16)}}) {
    QWidget* control = ControlById<QWidget>(&dialog, p.id);
    ASSERT_NE(control, nullptr) << p.id;
    EXPECT_EQ(control->geometry(), p.rect) << p.id;
  }
  QStringList labels;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    labels << label->text() + "@" + QString::number(label->x()) + "," + QString::number(label->y());
  labels.sort();
  EXPECT_EQ(labels, (QStringList{"Password :@19,87", "User name :@19,50"}));
}

TEST(CLoginDlg, SkinAndButtonFaces) {
  CLoginDlg dialog({"", false});
  EXPECT_EQ(dialog.SkinSettings().backgroundId, 272);
  EXPECT_FALSE(dialog.SkinSettings().dragByClientArea);
  EXPECT_EQ(dialog.SkinSettings().excludedIds, (std::vector<int>{1016, 1017}));
  auto* okButton = ControlById<CSkinButton>(&dialog, 1);
  auto* cancelButton = ControlById<CSkinButton>(&dialog, 2);
  ASSERT_NE(okButton, nullptr);
  ASSERT_NE(cancelButton, nullptr);
  const auto ok = okButton->GetFaces();
  const auto cancel = cancelButton->GetFaces();
  EXPECT_EQ((std::vector<int>{ok.normal, ok.pressed, ok.hover, ok.disabled}),
            (std::vector<int>{306, 307, 307, 307}));
  EXPECT_EQ((std::vector<int>{cancel.normal, cancel.pressed, cancel.hover, cancel.disabled}),
            (std::vector<int>{304, 305, 305, 305}));
}

TEST(CLoginDlg, SeventeenthCharacterCannotBeTyped) {
  CLoginDlg dialog({"", false});
  for (int id : {1016, 1017}) {
    auto* edit = ControlById<QLineEdit>(&dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    QTest::keyClicks(edit, "abcdefghijklmnopq");
    EXPECT_EQ(edit->text(), "abcdefghijklmnop") << id;
  }
}

TEST(CLoginDlg, PasswordIsHidden) {
  CLoginDlg dialog({"", false});
  auto* password = ControlById<QLineEdit>(&dialog, 1017);
  auto* user = ControlById<QLineEdit>(&dialog, 1016);
  ASSERT_NE(password, nullptr);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(password->echoMode(), QLineEdit::Password);
  EXPECT_EQ(user->echoMode(), QLineEdit::Normal);
}

TEST(CLoginDlg, PresetDecidesTheUserName) {
  CLoginDlg admin({"admin", true});
  auto* user = ControlById<QLineEdit>(&admin, 1016);
  auto* password = ControlById<QLineEdit>(&admin, 1017);
  ASSERT_NE(user, nullptr);
  ASSERT_NE(password, nullptr);
  EXPECT_EQ(user->text(), "admin");
  EXPECT_FALSE(user->isEnabled());
  EXPECT_TRUE(password->isEnabled());
  CLoginDlg share({"", false});
  auto* shareUser = ControlById<QLineEdit>(&share, 1016);
  ASSERT_NE(shareUser, nullptr);
  EXPECT_EQ(shareUser->text(), "");
  EXPECT_TRUE(shareUser->isEnabled());
}

TEST(CLoginDlg, OkReadsBothEditsCancelReadsNothing) {
  CLoginDlg dialog({"", false});
  auto* user = ControlById<QLineEdit>(&dialog, 1016);
  auto* password = ControlById<QLineEdit>(&dialog, 1017);
  auto* ok = ControlById<QPushButton>(&dialog, 1);
  auto* cancel = ControlById<QPushButton>(&dialog, 2);
  ASSERT_NE(user, nullptr);
  ASSERT_NE(password, nullptr);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  QTest::keyClicks(user, "bob");
  QTest::keyClicks(password, "pw");
  cancel->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.userName(), "");
  ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.userName(), "bob");
  EXPECT_EQ(dialog.password(), "pw");
}

TEST(QtLoginDialogRunner, ReturnsTheEntryOrNothingOnCancel) {
  qt::QtLoginDialogRunner runner(nullptr);
  testing::WhenModal([](QWidget* modal) {
    auto* password = testing::ControlOrClose<QLineEdit>(modal, 1017);
    if (!password) return;
    QTest::keyClicks(password, "secret");
    QTest::keyClick(password, Qt::Key_Return);
  });
  auto entry = runner.Run({"admin", true});
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->userName, "admin");
  EXPECT_EQ(entry->password, "secret");
  testing::WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_FALSE(runner.Run({"", false}));
}

}  // namespace
}  // namespace tarvix::settings
