// How long the window's event loop can stall while the protocol waits, and how long
// start-up takes to the first shown window. Runs inside the network lab with one
// link and no device, with Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen lab/lab.sh run 1 -- build/bench/window_stall_bench
// The web launch probes 10.77.1.250, a lab address with nothing behind it: the
// connection attempt gets no answer at all and waits out its whole time-out.
// The language installation asks the same silent address for its disk state,
// ten times, until it gives up.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "addons/ProcessLauncherAdapter.h"
#include "app/CMainDlg.h"
#include "app/ControlIds.h"
#include "app/QtEventClock.h"
#include "platform/linux/TcpReachabilityChecker.h"
#include "protocol/FixedText.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "settings/LoginDialogRunner.h"
#include "settings/MessageBoxes.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "tests/app/WindowControls.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeFileService.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeSystemInfo.h"
#include "tests/support/LabGuard.h"

using namespace tarvix::testing;

namespace {

// Asks for a repaint every 5 ms and remembers the longest gap between two paints.
class PaintProbe : public QWidget {
 public:
  PaintProbe() {
    resize(50, 50);
    connect(&timer_, &QTimer::timeout, this, [this] { update(); });
    timer_.start(5);
    clock_.start();
  }
  void Reset() {
    longest_ = 0;
    last_ = clock_.elapsed();
  }
  qint64 Longest() const { return longest_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    qint64 now = clock_.elapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
    QPainter(this).fillRect(rect(), Qt::white);
  }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 longest_ = 0;
};

constexpr const char* kSilentAddress = "10.77.1.250";

void ListSilentDevice(tarvix::Protocol& p) {
  uint8_t id[10] = {2, 0, 0, 0, 0, 1, 10, 77, 1, 250};
  p.devices.AppendDevice("silent", kSilentAddress, "255.255.255.0", "", id, "", "0", 0);
  tarvix::CopyField(p.session.selectedAddress, kSilentAddress);
}

// Message boxes that only remember the last text, so the launch never stops in a
// modal box.
class QuietMessages final : public tarvix::settings::MessageBoxes {
 public:
  void Show(std::string_view text, std::string_view, tarvix::settings::MessageIcon) override {
    last = text;
  }
  std::string last;
};

class NoLogin final : public tarvix::settings::LoginDialogRunner {
 public:
  std::optional<tarvix::settings::LoginEntry> Run(const tarvix::settings::LoginPreset&) override {
    return std::nullopt;
  }
};

// The web button on a device row whose address does not answer on its web port:
// the probe waits out its time-out, the window says the device is gone and
// searches again.
void LaunchWebOnSilentDevice(CMainDlg& window, PaintProbe& probe, QuietMessages& messages) {
  CSkinListCtrl& list = *DeviceListOf(window);
  const int row = list.InsertItem(QStringLiteral("silent"));
  list.SetItemText(row, 1, QString::fromLatin1(kSilentAddress));
  list.setCurrentItem(list.topLevelItem(row));
  auto* web = qobject_cast<CSkinButton*>(window.Control(tarvix::app::kWebButton));
  QElapsedTimer launch;
  probe.Reset();
  launch.start();
  web->click();
  const double seconds = static_cast<double>(launch.elapsed()) / 1000.0;
  std::printf(
      "longest paint gap during a web launch to a device silent on its web port: "
      "%lld ms over %.2f s (target < 50 ms); shown: \"%s\"\n",
      static_cast<long long>(probe.Longest()), seconds, messages.last.c_str());
}

// The hidden language button for a selected device that never answers: the
// language dialog's disk check asks ten times, pausing a second after each
// question, and gives up before the dialog shows.
void InstallLanguageOnSilentDevice(CMainDlg& window, tarvix::Protocol& protocol, PaintProbe& probe,
                                   QuietMessages& messages) {
  ListSilentDevice(protocol);
  window.setSelectedHost(kSilentAddress);
  window.setDeviceSelected(1);
  auto* language = qobject_cast<CSkinButton*>(window.Control(tarvix::app::kLanguageButton));
  QElapsedTimer install;
  probe.Reset();
  install.start();
  language->click();
  const double seconds = static_cast<double>(install.elapsed()) / 1000.0;
  std::printf(
      "longest paint gap during a language install to a device silent on its disk "
      "state: %lld ms over %.2f s (target < 50 ms); shown: \"%s\"\n",
      static_cast<long long>(probe.Longest()), seconds, messages.last.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string why;
  if (!tarvix::lab::InsideLab(&why)) {
    std::printf("SKIPPED: %s (run it through lab/lab.sh run 1 -- %s)\n", why.c_str(),
                "window_stall_bench");
    return 77;
  }
  QApplication application(argc, argv);
  tarvix::PosixSocketApi sockets;
  tarvix::app::QtEventClock clock;
  tarvix::Protocol protocol(sockets, clock);
  protocol.network.StartNetwork();
  protocol.commands.SetTraceSink(nullptr);
  tarvix::testing::FakeDriveService drives;
  tarvix::testing::FakeSystemInfo system;

  // Made before the window, so they outlive a probe that still runs when it closes.
  tarvix::platform::TcpReachabilityChecker reachability;
  tarvix::testing::FakeBrowserService browsers;
  tarvix::testing::FakeProcessLauncher launcher;
  QuietMessages messages;
  NoLogin login;

  QElapsedTimer startup;
  startup.start();
  CMainDlg window(protocol, drives, system);
  window.show();
  double shownSeconds = static_cast<double>(startup.elapsed()) / 1000.0;
  double nominalSearch = 0.99 * protocol.network.Interfaces().count;

  PaintProbe probe;
  probe.show();
  QApplication::processEvents();
  const struct {
    const char* name;
    int (tarvix::DeviceCommands::*run)();
  } operations[] = {{"QuerySsl (miss limit 20)", &tarvix::DeviceCommands::QuerySsl},
                    {"QueryCodepage (miss limit 10)", &tarvix::DeviceCommands::QueryCodepage},
                    {"VerifyLogin (no flush)", &tarvix::DeviceCommands::VerifyLogin}};
  std::printf("start-up to first shown window: %.3f s = %.3f x nominal search (%.2f s)\n",
              shownSeconds, shownSeconds / nominalSearch, nominalSearch);
  for (const auto& op : operations) {
    ListSilentDevice(protocol);
    probe.Reset();
    (protocol.commands.*op.run)();
    std::printf("longest paint gap during %s: %lld ms (target < 50 ms)\n", op.name,
                static_cast<long long>(probe.Longest()));
  }
  probe.Reset();
  protocol.Search();
  std::printf("longest paint gap during a search: %lld ms (target < 50 ms)\n",
              static_cast<long long>(probe.Longest()));

  window.AttachSettings({reachability, browsers, launcher}, {&messages, &login, nullptr});
  LaunchWebOnSilentDevice(window, probe, messages);
  tarvix::mock::FakeFileService files;
  tarvix::addons::ProcessLauncherAdapter addonLauncher(launcher);
  window.AttachAddons({files, addonLauncher}, {&messages, nullptr, {}});
  InstallLanguageOnSilentDevice(window, protocol, probe, messages);
  protocol.network.StopNetwork();
  return 0;
}
