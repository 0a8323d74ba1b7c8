#include <QApplication>

#include "CStorageUtilityApp.h"
#include "PosixSocketApi.h"
#include "platform/BookmarkDriveService.h"
#include "platform/DesktopEnvironment.h"
#include "platform/GtkBookmarks.h"
#include "platform/LibSmbAuthenticator.h"
#include "platform/LinuxSystemInfo.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tarvix::PosixSocketApi sockets;
  tarvix::platform::LinuxSystemInfo system;
  tarvix::platform::LibSmbAuthenticator authenticator;
  const auto environment = tarvix::platform::DesktopEnvironment::FromProcess();
  tarvix::platform::BookmarkDriveService drives(
      tarvix::platform::GtkBookmarks::DefaultPath(environment.configHome), authenticator);
  return CStorageUtilityApp().Run(sockets, drives, system);
}
