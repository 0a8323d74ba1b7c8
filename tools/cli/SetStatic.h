#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Gives a device a fixed address, as the window's apply button does with
// "Receive DHCP" disabled.
class SetStatic final : public Command {
 public:
  std::string_view Name() const override { return "set-static"; }
  std::string_view Arguments() const override {
    return "ADDRESS NEW_ADDRESS NETMASK [GATEWAY] [--port LAN2]";
  }
  int Run(CliContext& context, const CliArgs& args) override;
};

}  // namespace tarvix::cli
