#pragma once
#include <string>
#include <vector>

#include "tools/devsim/Ipv4.h"

namespace tarvix::devsim {

struct Options {
  std::string configPath;
  Ipv4 interfaceAddress{};
  std::string logPath;
  std::string statePath;
  std::string readyPath;
  bool help = false;
};

struct OptionsResult {
  Options options;
  std::string error;  // empty on success

  bool ok() const { return error.empty(); }
};

OptionsResult ParseOptions(const std::vector<std::string>& arguments);

const char* UsageText();

}  // namespace tarvix::devsim
