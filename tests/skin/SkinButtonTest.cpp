#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

using namespace tarvix::skin;

// A button on a parent, as in a dialog, so that leaving and focus behave as there.
class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.resize(200, 100);
    button = new CSkinButton(&host);
    button->setGeometry(10, 10, 93, 28);
    button->SetFaces(kFaceOk, kFaceOkLit, kFaceOkLit, kFaceOkLit);
    host.show();
  }

  // Which face the button shows in its top-left 93 x 25 pixels (the face's rows).
  int ShownFace() {
    const QImage shown = Grab(button);
    for (int id : {kFaceOk, kFaceOkLit, kFaceSearch, kFaceSearchLit})
      if (Shows(shown, QPoint(0, 0), Bitmap(id), QRect(0, 0, 93, 25))) return id;
    return 0;
  }

  QWidget host;
  CSkinButton* button = nullptr;
};

TEST_F(ButtonTest, FacesPerState) {
  EXPECT_EQ(ShownFace(), kFaceOk);
  MoveFree(button, QPoint(20, 10));
  EXPECT_EQ(ShownFace(), kFaceOkLit);  // hover
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(ShownFace(), kFaceOk);
  Press(button, QPoint(20, 10));
  EXPECT_EQ(ShownFace(), kFaceOkLit);  // pressed
  Release(button, QPoint(20, 10));
  button->setEnabled(false);
  EXPECT_EQ(ShownFace(), kFaceOkLit);  // the dialogs' disabled face
  button->setEnabled(true);
  button->SetFaces(kFaceSearch, kFaceSearchLit, kFaceSearchLit, 0);
  button->setEnabled(false);
  EXPECT_EQ(ShownFace(), kFaceSearch);  // no disabled face: the normal one
}

TEST_F(ButtonTest, DraggingOffAndBackSwitchesPressedAndNormalNeverHover) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  MoveFree(button, QPoint(20, 10));
  Press(button, QPoint(20, 10));
  EXPECT_EQ(ShownFace(), kFaceOkLit);
  MoveHeld(button, QPoint(150, 60));  // off the button
  EXPECT_EQ(ShownFace(), kFaceOk);
  MoveHeld(button, QPoint(30, 12));  // back on it
  EXPECT_EQ(ShownFace(), kFaceOkLit);
  EXPECT_TRUE(button->isDown());
  MoveHeld(button, QPoint(-20, 5));
  EXPECT_EQ(ShownFace(), kFaceOk);  // off again: normal, though hover was on before
  Release(button, QPoint(-20, 5));
  EXPECT_EQ(clicks.count(), 0);  // released outside
  EXPECT_EQ(ShownFace(), kFaceOk);
  MoveFree(button, QPoint(20, 10));  // only a move after the release re-arms hover
  EXPECT_EQ(ShownFace(), kFaceOkLit);
}

TEST_F(ButtonTest, ReleaseOverTheButtonActivatesIt) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  Press(button, QPoint(20, 10));
  MoveHeld(button, QPoint(150, 60));
  MoveHeld(button, QPoint(22, 11));
  Release(button, QPoint(22, 11));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, DoubleClickActivatesTwice) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  Press(button, QPoint(20, 10));
  Release(button, QPoint(20, 10));
  SendMouse(button, QEvent::MouseButtonDblClick, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
  Release(button, QPoint(20, 10));
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonTest, FocusDoesNotChangeTheLook) {
  const QImage unfocused = Grab(button);
  button->setFocus();
  ASSERT_TRUE(button->hasFocus() || !host.isActiveWindow());
  EXPECT_EQ(Grab(button), unfocused);
}

TEST_F(ButtonTest, ACaptionIsDrawnOverTheFace) {
  const QImage blank = Grab(button);
  button->setText(QStringLiteral("Go"));
  const QImage captioned = Grab(button);
  EXPECT_NE(captioned, blank);
  // The face still shows around the caption.
  EXPECT_EQ(captioned.pixel(3, 3), blank.pixel(3, 3));
}

TEST_F(ButtonTest, DisabledWithoutCaptionShowsOnlyItsFace) {
  button->setEnabled(false);
  EXPECT_TRUE(Shows(Grab(button), QPoint(0, 0), Bitmap(kFaceOkLit), QRect(0, 0, 93, 25)));
}

TEST_F(ButtonTest, WithoutFacesTheButtonIsAFlatButtonFaceFill) {
  for (int normal : {0, 999}) {  // none, and an id without a bitmap
    button->SetFaces(normal, normal, normal, normal);
    const QImage shown = Grab(button);
    const QRgb face = button->palette().color(QPalette::Button).rgb();
    for (QPoint p : {QPoint(0, 0), QPoint(46, 14), QPoint(92, 27)}) EXPECT_EQ(shown.pixel(p), face);
  }
}

TEST(SkinButtonKind, FollowsTheLowByteOfTheStyle) {
  using Kind = CSkinButton::Kind;
  struct Case {
    unsigned style;
    Kind kind;
  };
  const Case cases[] = {
      {0x0, Kind::PushButton}, {0x1, Kind::PushButton},         {0x2, Kind::PushButton},
      {0x3, Kind::CheckBox},   {0x4, Kind::PushButton},         {0x9, Kind::RadioButton},
      {0xB, Kind::CheckBox},   {0x50010009, Kind::RadioButton}, {0x50010000, Kind::PushButton}};
  for (const Case& c : cases) EXPECT_EQ(CSkinButton::KindFromStyle(c.style), c.kind) << c.style;
}

TEST_F(ButtonTest, PushButtonNeverStaysChecked) {
  button->SetCheck(1);
  EXPECT_EQ(button->GetCheck(), 0);
}

TEST_F(ButtonTest, CheckBoxTogglesOnReleaseOverItAndOnSpace) {
  button->AttachStyle(0x3);
  Press(button, QPoint(20, 10));
  Release(button, QPoint(20, 10));
  EXPECT_EQ(button->GetCheck(), 1);
  EXPECT_EQ(ShownFace(), kFaceOkLit);  // checked shows the pressed face
  Press(button, QPoint(20, 10));
  Release(button, QPoint(150, 60));  // outside: no change
  EXPECT_EQ(button->GetCheck(), 1);
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(button->GetCheck(), 0);
}

TEST(SkinButtonRadio, CheckingOneClearsTheOthersOfItsGroupOnly) {
  QWidget dialog;
  auto makeRadio = [&dialog](bool groupStart) {
    auto* radio = new CSkinButton(&dialog);
    radio->AttachStyle(0x9);
    CSkinButton::SetGroupStart(radio, groupStart);
    return radio;
  };
  CSkinButton* a = makeRadio(true);
  CSkinButton* b = makeRadio(false);
  auto* label = new QLabel(&dialog);  // another class in the group ignores the notice
  CSkinButton* c = makeRadio(false);
  CSkinButton* other = makeRadio(true);  // the next group
  for (CSkinButton* radio : {a, c, other}) {
    radio->SetCheck(1);
    QApplication::sendPostedEvents();
  }
  EXPECT_EQ(a->GetCheck(), 0);
  EXPECT_EQ(c->GetCheck(), 1);
  b->SetCheck(1);
  EXPECT_EQ(c->GetCheck(), 1);  // the notice is posted, not sent
  QApplication::sendPostedEvents();
  EXPECT_EQ(a->GetCheck(), 0);
  EXPECT_EQ(b->GetCheck(), 1);
  EXPECT_EQ(c->GetCheck(), 0);
  EXPECT_EQ(other->GetCheck(), 1);
  EXPECT_NE(label, nullptr);
}

TEST(SkinButtonRadio, UncheckNoticeClearsACheckedButton) {
  QWidget dialog;
  auto* box = new CSkinButton(&dialog);
  box->AttachStyle(0x3);
  box->SetCheck(1);
  QCoreApplication::postEvent(box, new QEvent(CSkinButton::UncheckEventType()));
  QApplication::sendPostedEvents();
  EXPECT_EQ(box->GetCheck(), 0);
  EXPECT_EQ(int(CSkinButton::UncheckEventType()) - int(QEvent::User),
            WM_SKINBUTTON_UNCHECK - 0x400);
}

}  // namespace
}  // namespace tarvix::testing
