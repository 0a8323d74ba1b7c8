#pragma once
#include "tools/cli/Command.h"
#include "tools/cli/LanApply.h"

namespace tarvix::cli {

// Switches a device to DHCP, as the window's apply button does with "Receive
// DHCP" enabled.
class SetDhcp final : public Command {
 public:
  std::string_view Name() const override { return "set-dhcp"; }
  std::string_view Arguments() const override { return "ADDRESS [--port LAN2]"; }
  std::string Help() const override { return SetVerbHelp("switch a device to DHCP", ""); }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  SetArguments args_;
};

}  // namespace tarvix::cli
