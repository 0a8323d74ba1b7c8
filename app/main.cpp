#include <QApplication>

#include "CMainDlg.h"
#include "CStorageUtilityApp.h"
#include "PosixSocketApi.h"
#include "platform/BookmarkDriveService.h"
#include "platform/DesktopEnvironment.h"
#include "platform/GtkBookmarks.h"
#include "platform/LibSmbAuthenticator.h"
#include "platform/LinuxSystemInfo.h"
#include "platform/PosixProcessLauncher.h"
#include "platform/TcpReachabilityChecker.h"
#include "platform/XdgBrowserService.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tarvix::PosixSocketApi sockets;
  tarvix::platform::LinuxSystemInfo system;
  tarvix::platform::LibSmbAuthenticator authenticator;
  const auto environment = tarvix::platform::DesktopEnvironment::FromProcess();
  tarvix::platform::BookmarkDriveService drives(
      tarvix::platform::GtkBookmarks::DefaultPath(environment.configHome), authenticator);
  // Declared before the window is made, so they outlive a probe still running
  // when it closes.
  tarvix::platform::TcpReachabilityChecker reachability;
  const tarvix::platform::XdgBrowserService browsers(environment);
  tarvix::platform::PosixProcessLauncher launcher;
  const tarvix::app::SettingsServices settings{reachability, browsers, launcher};
  return CStorageUtilityApp().Run(sockets, drives, system, &settings);
}
