// Pictures of the add-on dialogs, for looking at them: with
// TARVIX_ADDON_SCREENSHOTS=DIR each dialog is shown and saved as
// DIR/addons-NAME.png (best under Xvfb, QT_QPA_PLATFORM=xcb). Skipped otherwise.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QProgressBar>
#include <QTest>

#include "addons/InstallationRunner.h"
#include "addons/LanguageChoice.h"
#include "addons/qt/CAboutDlg.h"
#include "addons/qt/CLanguageDlg.h"
#include "addons/qt/CLoadingDlg.h"
#include "addons/qt/CModelSelectDlg.h"
#include "addons/qt/CRestartDlg.h"
#include "addons/qt/CWidgetDlg.h"
#include "tests/addons/AddonHarness.h"
#include "tests/addons/qt/DialogDriver.h"

namespace tarvix::addons {
namespace {

// The dialogs' backgrounds are dark artwork with white labels; where the
// artwork is not in the build the labels would be white on white, so the
// pictures put a dark grey in its place.
void Darken(QWidget& dialog) {
  QPalette dark = dialog.palette();
  dark.setColor(QPalette::Window, QColor(48, 48, 48));
  dialog.setPalette(dark);
}

void Grab(QWidget& dialog, const char* name) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTest::qWait(100);
  const QString path = qEnvironmentVariable("TARVIX_ADDON_SCREENSHOTS") +
                       QStringLiteral("/addons-%1.png").arg(QString::fromLatin1(name));
  EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
}

void Save(QWidget& dialog, const char* name) {
  Darken(dialog);
  dialog.show();
  Grab(dialog, name);
}

TEST(AddonScreenshots, EveryDialog) {
  if (qEnvironmentVariableIsEmpty("TARVIX_ADDON_SCREENSHOTS"))
    GTEST_SKIP() << "set TARVIX_ADDON_SCREENSHOTS to a folder for the pictures";
  testing::AddonHarness h;
  testing::ManualTimers timers;
  InstallationRunner runner(h.context, "10.77.1.2");
  CLoadingDlg loading(runner, &timers);
  Save(loading, "loading");

  // The language dialog as it opens, after its checks (the device's code page is 950).
  LanguageChoice choice(h.context, "10.77.1.2");
  CLanguageDlg language(choice);
  Darken(language);
  testing::ModalScript user({{"CLanguageDlg", [](QWidget* dialog) {
                                Grab(*dialog, "language");
                                dialog->close();
                              }}});
  language.exec();

  CRestartDlg restart(h.state, nullptr, &timers);
  restart.ProgressBar()->setRange(1, 100);
  restart.ProgressBar()->setValue(45);
  Save(restart, "restart");

  CWidgetDlg widget(h.state);
  Save(widget, "widget");
  CModelSelectDlg model(h.state);
  Save(model, "model-choice");
  CAboutDlg about;
  Save(about, "about");
}

}  // namespace
}  // namespace tarvix::addons
