#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/LanForm.h"
#include "tools/cli/Command.h"

namespace tarvix {
struct DeviceNode;
}

namespace tarvix::cli {

// What both set verbs are given: the device, the values that follow it, and the
// port to change.
struct SetArguments {
  std::string device;
  std::vector<std::string> values;  // NEW_ADDRESS NETMASK [GATEWAY] for set-static
  std::optional<std::string> port;
};

std::optional<SetArguments> ParseSetArguments(const CliArgs& args, std::ostream& err,
                                              std::string_view verb);

// The help of a set verb: `summary`, then ADDRESS, the `values` lines and --port.
std::string SetVerbHelp(std::string_view summary, std::string_view values);

// The listed device and the port the change is for.
struct SelectedPort {
  const DeviceNode* node;
  std::string port;
};

// Searches, selects the device, and asks for its ports as a click on its row
// does; the port is the one asked for, or the one the window would select.
std::optional<SelectedPort> SelectDevicePort(CliContext& context, std::string_view verb,
                                             const SetArguments& args);

// Runs the apply button's flow on `form`: 0 when the device took the settings.
int ApplyForm(CliContext& context, std::string_view verb, settings::LanForm& form);

}  // namespace tarvix::cli
