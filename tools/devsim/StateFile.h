#pragma once
#include <string>
#include <vector>

#include "tools/devsim/Device.h"

namespace tarvix::devsim {

// key=value lines that tests and scripts read to see what the devices went
// through: per device its current address settings, port text, code page and
// the text commands in the order received. See README.md.
std::string RenderState(const std::vector<Device>& devices);

// Replaces the file in one step, so a reader never sees half of it.
bool WriteStateFile(const std::string& path, const std::string& text);

}  // namespace tarvix::devsim
