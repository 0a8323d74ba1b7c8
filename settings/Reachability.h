#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "protocol/Clock.h"

#include "platform/ReachabilityChecker.h"
#include "settings/MessageBoxes.h"
#include "settings/PanelView.h"

namespace tarvix::settings {

inline constexpr int kReachable = 1;
inline constexpr int kUnreachable = -1;
inline constexpr int kReachPending = 0;

// The connection attempt gives up before the window stops waiting (checks at
// 0, 1 and 2 s), so its answer is always in by the last look.
inline constexpr std::chrono::milliseconds kReachabilityTimeout{1500};

// The device's web port: 443 for a device whose pages use https, else 80.
std::uint16_t WebPort(bool secure);

// The worker's job: tries the device's web port and stores 1 or -1.
void CheckReachability(platform::ReachabilityChecker& checker, const std::string& address,
                       bool secure, std::atomic<int>& reachResult);

// Looks at the worker's answer now and after one and two seconds. When the device
// cannot be reached, or has not answered by then, it says so, refreshes the drive
// lists, searches again and forgets the selected device. Leaves reachResult 0.
// The pauses go through `clock`: on the window thread that is the window's clock,
// so the window goes on painting while it waits.
bool WaitForReachability(std::atomic<int>& reachResult, Clock& clock, MessageBoxes& messages,
                         PanelView& panel);

}  // namespace tarvix::settings
