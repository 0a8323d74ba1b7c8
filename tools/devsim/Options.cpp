#include "tools/devsim/Options.h"

namespace tarvix::devsim {

namespace {

std::string* PathOption(Options& options, const std::string& name) {
  if (name == "--config") return &options.configPath;
  if (name == "--log") return &options.logPath;
  if (name == "--state") return &options.statePath;
  if (name == "--ready") return &options.readyPath;
  return nullptr;
}

bool SetInterface(Options& options, const std::string& value, std::string& error) {
  const auto address = ParseIpv4(value);
  if (!address) error = "--interface needs an IPv4 address, got '" + value + "'";
  if (address) options.interfaceAddress = *address;
  return address.has_value();
}

}  // namespace

OptionsResult ParseOptions(const std::vector<std::string>& arguments) {
  OptionsResult result;
  auto& options = result.options;
  bool interfaceGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      return result;
    }
    if (i + 1 >= arguments.size()) return {options, name + " needs a value (or is unknown)"};
    const auto& value = arguments[++i];
    if (auto* path = PathOption(options, name)) {
      *path = value;
    } else if (name == "--interface") {
      if (interfaceGiven) return {options, "--interface may be given once"};
      if (!SetInterface(options, value, result.error)) return result;
      interfaceGiven = true;
    } else {
      return {options, "unknown option " + name};
    }
  }
  if (options.configPath.empty()) return {options, "--config is required"};
  if (!interfaceGiven) return {options, "--interface is required"};
  return result;
}

const char* UsageText() {
  return "usage: tarvix-devsim --config FILE --interface ADDR [--log FILE] [--state FILE]\n"
         "                     [--ready FILE]\n"
         "Plays the storage devices of FILE on the management protocol group\n"
         "224.0.0.1:13579, on the interface with address ADDR. Runs only inside\n"
         "a network namespace of the lab (lab/lab.sh).\n";
}

}  // namespace tarvix::devsim
