#pragma once

#include <string>

namespace tarvix::platform {

// Login name of the effective user; the numeric id when it has no entry.
std::string EffectiveUserName();

}  // namespace tarvix::platform
