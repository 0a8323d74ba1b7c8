#pragma once
#include "tools/cli/Command.h"
#include "tools/cli/LanApply.h"

namespace tarvix::cli {

// Gives a device a fixed address, as the window's apply button does with
// "Receive DHCP" disabled.
class SetStatic final : public Command {
 public:
  std::string_view Name() const override { return "set-static"; }
  std::string_view Arguments() const override {
    return "ADDRESS NEW_ADDRESS NETMASK [GATEWAY] [--port LAN2]";
  }
  std::string Help() const override {
    return SetVerbHelp(
        "give a device a fixed address, netmask and gateway",
        "  NEW_ADDRESS NETMASK [GATEWAY]\n"
        "               the new settings; no GATEWAY, or 0.0.0.0, leaves it empty\n");
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  SetArguments args_;
};

}  // namespace tarvix::cli
