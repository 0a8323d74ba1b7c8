#include <QApplication>

#include "addons/ProcessLauncherAdapter.h"

#include "app/CMainDlg.h"
#include "app/CStorageUtilityApp.h"
#include "platform/linux/BookmarkDriveService.h"
#include "platform/linux/DesktopEnvironment.h"
#include "platform/linux/GtkBookmarks.h"
#include "platform/linux/LibSmbAuthenticator.h"
#include "platform/linux/LinuxFileService.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "platform/linux/PosixProcessLauncher.h"
#include "platform/linux/TcpReachabilityChecker.h"
#include "platform/linux/XdgBrowserService.h"
#include "protocol/PosixSocketApi.h"
#include "settings/SettingsServices.h"

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
  const tarvix::settings::SettingsServices settings{reachability, browsers, launcher};
  tarvix::platform::LinuxFileService files;
  tarvix::addons::ProcessLauncherAdapter addonLauncher(launcher);
  const tarvix::app::AddonServices addons{files, addonLauncher};
  return CStorageUtilityApp().Run(sockets, drives, system, &settings, &addons);
}
