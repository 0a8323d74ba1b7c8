#include "app/CStorageUtilityApp.h"

#include "app/CMainDlg.h"
#include "app/QtEventClock.h"
#include "protocol/Protocol.h"

int CStorageUtilityApp::Run(tarvix::SocketApi& sockets, tarvix::platform::DriveService& drives,
                            const tarvix::platform::SystemInfo& system,
                            const tarvix::settings::SettingsServices* settings,
                            const tarvix::app::AddonServices* addons) {
  // Embedded controls and the three-dimensional look need no switch in Qt. The
  // white dialog colours are those of the window's own skin.
  tarvix::app::QtEventClock clock;
  tarvix::Protocol protocol(sockets, clock);
  if (!protocol.network.StartNetwork()) return 1;
  {
    CMainDlg window(protocol, drives, system);
    if (settings) window.AttachSettings(*settings);
    if (addons) window.AttachAddons(*addons);
    window.exec();
  }
  return 0;
}
