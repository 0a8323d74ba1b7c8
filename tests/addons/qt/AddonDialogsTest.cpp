// The add-on dialogs, real and offscreen: their templates and skins, and how
// each one ends.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

#include "addons/InstallationRunner.h"
#include "addons/LanguageChoice.h"
#include "addons/qt/CAboutDlg.h"
#include "addons/qt/CLanguageDlg.h"
#include "addons/qt/CLoadingDlg.h"
#include "addons/qt/CModelSelectDlg.h"
#include "addons/qt/CRestartDlg.h"
#include "addons/qt/CWidgetDlg.h"
#include "skin/CSkinButton.h"
#include "tests/addons/AddonHarness.h"
#include "tests/addons/qt/DialogDriver.h"
#include "tests/mock/ScriptedWorkerClock.h"
#include "tests/settings/qt/DialogProbe.h"

namespace tarvix::addons {
namespace {

using settings::testing::ControlById;
using settings::testing::Pixels;
using testing::AddonHarness;
using testing::ManualTimers;
using testing::ModalScript;
using testing::SpinUntil;

struct Placement {
  int id;
  QRect rect;
};

struct Faces {
  int id;
  int normal, highlighted;
};

void ExpectTemplate(QWidget& dialog, QSize size, const std::vector<Placement>& controls,
                    const std::vector<Faces>& faces) {
  EXPECT_EQ(dialog.size(), size) << dialog.metaObject()->className();
  EXPECT_EQ(dialog.windowTitle(), "");
  for (const Placement& p : controls) {
    QWidget* control = ControlById<QWidget>(&dialog, p.id);
    ASSERT_NE(control, nullptr) << p.id;
    EXPECT_EQ(control->geometry(), p.rect) << dialog.metaObject()->className() << " " << p.id;
  }
  for (const Faces& f : faces) {
    auto* button = ControlById<CSkinButton>(&dialog, f.id);
    ASSERT_NE(button, nullptr) << f.id;
    const CSkinButton::Faces got = button->GetFaces();
    EXPECT_EQ((std::vector<int>{got.normal, got.pressed, got.hover, got.disabled}),
              (std::vector<int>{f.normal, f.highlighted, f.highlighted, f.highlighted}))
        << f.id;
  }
}

QStringList Labels(QWidget& dialog) {
  QStringList labels;
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (!label->text().isEmpty()) labels << label->text();
  return labels;
}

void ExpectSkin(const CSkinDialog& dialog, int background, CSkinDialog::BackgroundMode mode) {
  const CSkinDialog::Settings& skin = dialog.SkinSettings();
  EXPECT_EQ(skin.backgroundId, background);
  EXPECT_EQ(skin.mode, mode) << background;
  EXPECT_EQ(skin.labelColour, QColor(255, 255, 255)) << background;
  EXPECT_TRUE(skin.excludedIds.empty());
  EXPECT_FALSE(skin.dragByClientArea);
}

using Mode = CSkinDialog::BackgroundMode;

TEST(AddonDialogs, LoadingFollowsItsTemplate) {
  AddonHarness h;
  InstallationRunner runner(h.context, "10.77.1.2");
  ManualTimers timers;
  CLoadingDlg dialog(runner, &timers);
  ExpectSkin(dialog, 273, Mode::Native);
  ExpectTemplate(dialog, QSize(330, 131), {}, {});
  EXPECT_EQ(
      Labels(dialog),
      (QStringList{"Loading.....", " Warning: Do not power down your device during this process.",
                   "Doing so may physically damage this device."}));
  EXPECT_TRUE(dialog.findChildren<QPushButton*>().isEmpty());
}

TEST(AddonDialogs, LanguageFollowsItsTemplate) {
  AddonHarness h;
  LanguageChoice choice(h.context, "10.77.1.2");
  CLanguageDlg dialog(choice);
  ExpectSkin(dialog, 273, Mode::Stretched);
  ExpectTemplate(dialog, QSize(339, 112),
                 {{1, Pixels(151, 17, 62, 16)}, {2, Pixels(151, 34, 62, 16)}}, {});
  auto* list = ControlById<QComboBox>(&dialog, 1022);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->pos(), Pixels(52, 19, 94, 59).topLeft());
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->itemText(i);
  EXPECT_EQ(rows, (QStringList{"Traditional Chinese", "Simplified Chinese", "Western European",
                               "Northern European", "Central European", "Turkish", "Korean Hangul",
                               "Cyrillic", "Japanese SJIS"}));
  EXPECT_EQ(Labels(dialog), QStringList{"Language :"});
  EXPECT_TRUE(ControlById<QPushButton>(&dialog, 1)->isDefault());
}

TEST(AddonDialogs, RestartFollowsItsTemplate) {
  AddonState state;
  ManualTimers timers;
  CRestartDlg dialog(state, nullptr, &timers);
  ExpectSkin(dialog, 271, Mode::Native);
  ExpectTemplate(dialog, QSize(303, 131), {{1023, Pixels(26, 41, 152, 10)}}, {});
  EXPECT_EQ(Labels(dialog), QStringList{"The system is restarting. Please wait a moment."});
  EXPECT_FALSE(dialog.ProgressBar()->isTextVisible());
}

TEST(AddonDialogs, WidgetPromptFollowsItsTemplate) {
  AddonState state;
  CWidgetDlg dialog(state);
  ExpectSkin(dialog, 269, Mode::Stretched);
  ExpectTemplate(dialog, QSize(514, 204),
                 {{1, Pixels(206, 92, 61, 16)}, {2, Pixels(269, 92, 62, 16)}},
                 {{1, 280, 281}, {2, 282, 283}});
  EXPECT_EQ(Labels(dialog).size(), 4);
  EXPECT_TRUE(Labels(dialog).contains(
      "If you wish to download and install YAHOO! Widgets Engine, please click on the "
      "\"Download\" button."));
}

TEST(AddonDialogs, ModelChoiceFollowsItsTemplate) {
  AddonState state;
  CModelSelectDlg dialog(state);
  ExpectSkin(dialog, 274, Mode::Stretched);
  ExpectTemplate(dialog, QSize(225, 201),
                 {{1029, Pixels(11, 42, 45, 10)},
                  {1030, Pixels(11, 56, 45, 10)},
                  {1031, Pixels(11, 70, 45, 10)},
                  {1, Pixels(11, 90, 62, 16)},
                  {2, Pixels(75, 90, 62, 16)}},
                 {{1, 306, 307}, {2, 304, 305}});
  for (int id : {1029, 1030, 1031})
    EXPECT_FALSE(ControlById<QRadioButton>(&dialog, id)->isChecked());
  EXPECT_EQ(ControlById<QRadioButton>(&dialog, 1031)->text(), "NV-B40");
}

TEST(AddonDialogs, AboutShowsNameAndVersion) {
  CAboutDlg dialog;
  ExpectSkin(dialog, 268, Mode::Stretched);
  EXPECT_EQ(dialog.font().pixelSize(), 12);  // Arial 9
  ExpectTemplate(dialog, QSize(467, 133), {{1, QRect(334, 91, 119, 30)}}, {{1, 306, 307}});
  const QStringList labels = Labels(dialog);
  ASSERT_EQ(labels.size(), 3);
  EXPECT_EQ(labels[0], "Tarvix Storage Utility");
  EXPECT_EQ(labels[2], "Version : 5.1.0.3");
  EXPECT_FALSE(dialog.findChildren<QLabel*>().front()->pixmap().isNull());
}

// Every label shows its whole text inside its dialog, in the template's face.
TEST(AddonDialogs, LabelsShowWhole) {
  AddonHarness h;
  InstallationRunner runner(h.context, "10.77.1.2");
  LanguageChoice choice(h.context, "10.77.1.2");
  ManualTimers timers;
  CLoadingDlg loading(runner, &timers);
  CLanguageDlg language(choice);
  CRestartDlg restart(h.state, nullptr, &timers);
  CWidgetDlg widget(h.state);
  CModelSelectDlg model(h.state);
  CAboutDlg about;
  for (QWidget* dialog :
       std::initializer_list<QWidget*>{&loading, &language, &restart, &widget, &model, &about}) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;  // the about box's icon
      const QFontMetrics metrics(label->font());
      EXPECT_TRUE(QFontInfo(label->font()).family() == "Arial" ||
                  QFontInfo(label->font()).family() == "Liberation Sans");
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
          << label->text().toStdString();
      EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
      EXPECT_TRUE(dialog->rect().contains(label->geometry())) << label->text().toStdString();
    }
  }
}

TEST(AddonDialogs, AboutClosesWithOKAndEscape) {
  for (auto key : {Qt::Key_Return, Qt::Key_Escape}) {
    CAboutDlg dialog;
    settings::testing::WhenModal([key](QWidget* modal) { QTest::keyClick(modal, key); });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
  }
}

// Keys and the close request while a dialog only the program may end is shown.
void PressEverythingThatWouldClose(QWidget* modal) {
  QTest::keyClick(modal, Qt::Key_Escape);
  QTest::keyClick(modal, Qt::Key_Return);
  QTest::keyClick(modal, Qt::Key_Enter, Qt::KeypadModifier);
  modal->close();
}

TEST(AddonDialogs, LoadingIgnoresTheUserAndInstallsFromItsTimer) {
  for (int mode : {0, 1}) {
    AddonHarness h;
    h.state.bitTorrentMode = mode;
    h.state.languageIndex = 0;
    InstallationRunner runner(h.context, "10.77.1.2");
    ManualTimers timers;
    CLoadingDlg dialog(runner, &timers);
    const int timer = mode == 1 ? 2 : 1;
    ModalScript user({{"CLoadingDlg", [&](QWidget* modal) {
                         PressEverythingThatWouldClose(modal);
                         EXPECT_TRUE(modal->isVisible());
                         EXPECT_TRUE(h.operations.Sent().empty());
                         EXPECT_TRUE(timers.Fire(timer));
                       }}});
    dialog.exec();
    EXPECT_EQ(timers.started, (std::vector<std::pair<int, int>>{{timer, 2000}}));
    EXPECT_EQ(timers.stopped, std::vector<int>{timer});
    EXPECT_EQ(h.operations.Sent().back(), mode == 1 ? "14 BT" : "8 950");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

TEST(AddonDialogs, LanguageGivesUpWithoutShowingItself) {
  AddonHarness h;
  h.operations.ideOk = {{}, "1"};
  LanguageChoice choice(h.context, "10.77.1.2");
  CLanguageDlg dialog(choice);
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Result(), LanguageDialogResult::GaveUp);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(h.state.flowAbandoned, -1);
}

TEST(AddonDialogs, LanguageRefusesAFirmwareCodepageAndTakesAnother) {
  AddonHarness h;
  h.operations.codepage = {{}, "857"};
  LanguageChoice choice(h.context, "10.77.1.2");
  CLanguageDlg dialog(choice);
  ModalScript user({{"CLanguageDlg", [&](QWidget* modal) {
                       auto* list = ControlById<QComboBox>(modal, 1022);
                       EXPECT_EQ(list->currentText(), "Turkish");  // preselected without a message
                       EXPECT_TRUE(h.messages.shown.empty());
                       QTest::keyClick(list, Qt::Key_Up);  // the user picks Central European
                       EXPECT_EQ(h.messages.shown.size(), 1u);
                       ControlById<QPushButton>(modal, 1)->click();
                       EXPECT_EQ(h.messages.shown.size(), 2u);
                       EXPECT_TRUE(modal->isVisible());
                       list->setCurrentIndex(7);
                       QTest::keyClick(modal, Qt::Key_Return);
                     }}});
  dialog.exec();
  EXPECT_EQ(dialog.Result(), LanguageDialogResult::Chosen);
  EXPECT_EQ(h.state.languageIndex, 7);
  EXPECT_EQ(h.state.flowAbandoned, 0);
}

TEST(AddonDialogs, LanguageEscapeCancels) {
  AddonHarness h;
  LanguageChoice choice(h.context, "10.77.1.2");
  CLanguageDlg dialog(choice);
  ModalScript user({{"CLanguageDlg", [](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); }}});
  dialog.exec();
  EXPECT_EQ(dialog.Result(), LanguageDialogResult::Cancelled);
  EXPECT_EQ(h.state.flowAbandoned, -1);
}

TEST(AddonDialogs, WidgetPromptAnswers) {
  struct Case {
    std::function<void(QWidget*)> press;
    int download;
  };
  const Case cases[] = {
      {[](QWidget* m) { ControlById<QPushButton>(m, 1)->click(); }, 1},
      {[](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); }, 1},
      {[](QWidget* m) { ControlById<QPushButton>(m, 2)->click(); }, 0},
      {[](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); }, 0},
      {[](QWidget* m) { m->close(); }, 0},
  };
  for (const Case& c : cases) {
    AddonState state;
    state.widgetDownload = 1 - c.download;
    CWidgetDlg dialog(state);
    ModalScript user({{"CWidgetDlg", c.press}});
    dialog.exec();
    EXPECT_EQ(state.widgetDownload, c.download);
  }
}

TEST(AddonDialogs, ModelChoiceAnswers) {
  struct Case {
    int checked;  // template id, 0: none
    int button;
    int choice;
  };
  const Case cases[] = {{0, 1, -1}, {1029, 1, 0}, {1031, 1, 2}, {1030, 2, -1}};
  for (const Case& c : cases) {
    AddonState state;
    CModelSelectDlg dialog(state);
    ModalScript user({{"CModelSelectDlg", [&c](QWidget* modal) {
                         if (c.checked) ControlById<QRadioButton>(modal, c.checked)->click();
                         ControlById<QPushButton>(modal, c.button)->click();
                       }}});
    dialog.exec();
    EXPECT_EQ(state.modelChoice, c.choice) << c.checked << " " << c.button;
  }
}

TEST(AddonDialogs, RestartFillsTheBarIn99StepsOf900MsAndClosesAfter90Seconds) {
  AddonState state;
  state.flowAbandoned = -1;
  mock::ScriptedWorkerClock clock;
  ManualTimers timers;
  CRestartDlg dialog(state, &clock, &timers);
  QProgressBar* bar = dialog.ProgressBar();
  ModalScript user({{"CRestartDlg", [&](QWidget* modal) {
                       PressEverythingThatWouldClose(modal);
                       EXPECT_TRUE(modal->isVisible());
                       // The worker's requests arrive through the event loop.
                       SpinUntil(
                           [&] { return clock.Pauses().size() == 99 && bar->value() == 100; });
                       EXPECT_EQ(clock.Pauses().size(), 99u) << "bar at " << bar->value();
                       EXPECT_EQ(bar->minimum(), 1);
                       EXPECT_TRUE(timers.Fire(1));
                     }}});
  dialog.exec();
  EXPECT_EQ(timers.started, (std::vector<std::pair<int, int>>{{1, 90000}}));
  EXPECT_EQ(clock.Pauses(), std::vector<int>(99, 900));
  EXPECT_EQ(bar->value(), 100);
  EXPECT_EQ(state.flowAbandoned, 0);
}

// The timer comes while the worker is in its tenth pause: the dialog stops it,
// and nothing the worker asked for before changes the bar afterwards.
TEST(AddonDialogs, RestartStopsItsWorkerAndLeavesTheBarAloneOnceClosed) {
  AddonState state;
  state.flowAbandoned = -1;
  mock::ScriptedWorkerClock clock;
  clock.holdAt = 10;
  ManualTimers timers;
  CRestartDlg dialog(state, &clock, &timers);
  QProgressBar* bar = dialog.ProgressBar();
  int changesAfterClose = 0;
  bool closed = false;
  QObject::connect(bar, &QProgressBar::valueChanged, [&] { changesAfterClose += closed; });
  ModalScript user({{"CRestartDlg", [&](QWidget*) {
                       EXPECT_TRUE(SpinUntil([&] { return clock.Holding(); }));
                       EXPECT_TRUE(timers.Fire(1));
                       closed = true;
                     }}});
  dialog.exec();
  const int value = bar->value();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(changesAfterClose, 0);
  EXPECT_EQ(bar->value(), value);
  EXPECT_LE(value, 11);
  EXPECT_EQ(state.flowAbandoned, 0);
}

}  // namespace
}  // namespace tarvix::addons
