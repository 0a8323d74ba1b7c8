#include <chrono>
#include <thread>

#include "protocol/Clock.h"

namespace tarvix {

void SystemClock::Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tarvix
