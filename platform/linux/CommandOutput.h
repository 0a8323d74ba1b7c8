#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvix::platform {

// Runs a program (searched in PATH, no shell) and returns what it wrote to
// standard output; none when it could not be started or did not exit with 0.
std::optional<std::string> RunForOutput(const std::vector<std::string>& argv);

}  // namespace tarvix::platform
