// How long the window's event loop can stall while the protocol waits, and how long
// start-up takes to the first shown window. Runs inside the network lab with one
// link and no device, with Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen lab/lab.sh run 1 -- build/bench/window_stall_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <string>
#include <cstdlib>

#include "app/CMainDlg.h"
#include "protocol/FixedText.h"
#include "tests/support/LabGuard.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "app/QtEventClock.h"
#include "platform/testing/FakeDriveService.h"
#include "platform/testing/FakeSystemInfo.h"

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

void ListSilentDevice(tarvix::Protocol& p) {
  uint8_t id[10] = {2, 0, 0, 0, 0, 1, 10, 77, 1, 250};
  p.devices.AppendDevice("silent", "10.77.1.250", "255.255.255.0", "", id, "", "0", 0);
  tarvix::CopyField(p.session.selectedAddress, "10.77.1.250");
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
  tarvix::platform::testing::FakeDriveService drives;
  tarvix::platform::testing::FakeSystemInfo system;

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
  protocol.network.StopNetwork();
  return 0;
}
