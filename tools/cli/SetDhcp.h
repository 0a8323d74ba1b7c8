#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Switches a device to DHCP, as the window's apply button does with "Receive
// DHCP" enabled.
class SetDhcp final : public Command {
 public:
  std::string_view Name() const override { return "set-dhcp"; }
  std::string_view Arguments() const override { return "ADDRESS [--port LAN2]"; }
  int Run(CliContext& context, const CliArgs& args) override;
};

}  // namespace tarvix::cli
