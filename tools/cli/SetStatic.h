#pragma once
#include "Command.h"
#include "LanApply.h"

namespace tarvix::cli {

// Gives a device a fixed address, as the window's apply button does with
// "Receive DHCP" disabled.
class SetStatic final : public Command {
 public:
  std::string_view Name() const override { return "set-static"; }
  std::string_view Arguments() const override {
    return "ADDRESS NEW_ADDRESS NETMASK [GATEWAY] [--port LAN2]";
  }
  std::string_view Help() const override {
    return "give a device a fixed address, netmask and gateway\n"
           "\n"
           "  ADDRESS      the device's address as discover lists it\n"
           "  NEW_ADDRESS NETMASK [GATEWAY]\n"
           "               the new settings; no GATEWAY, or 0.0.0.0, leaves it empty\n"
           "  --port LAN2  the port to change on a device with two (default: the port\n"
           "               the device was found through)\n";
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  SetArguments args_;
};

}  // namespace tarvix::cli
