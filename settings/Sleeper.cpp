#include "settings/Sleeper.h"

#include <chrono>
#include <thread>

namespace tarvix::settings {

void SystemSleeper::Sleep(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tarvix::settings
