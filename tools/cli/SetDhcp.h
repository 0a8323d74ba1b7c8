#pragma once
#include "Command.h"
#include "LanApply.h"

namespace tarvix::cli {

// Switches a device to DHCP, as the window's apply button does with "Receive
// DHCP" enabled.
class SetDhcp final : public Command {
 public:
  std::string_view Name() const override { return "set-dhcp"; }
  std::string_view Arguments() const override { return "ADDRESS [--port LAN2]"; }
  std::string_view Help() const override {
    return "switch a device to DHCP\n"
           "\n"
           "  ADDRESS      the device's address as discover lists it\n"
           "  --port LAN2  the port to change on a device with two (default: the port\n"
           "               the device was found through)\n";
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  SetArguments args_;
};

}  // namespace tarvix::cli
