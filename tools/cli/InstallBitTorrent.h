#pragma once
#include <string>

#include "tools/cli/Command.h"

namespace tarvix::cli {

// Installs the BitTorrent add-on, as the window's (hidden) BitTorrent button
// does: the administrator check, the support check, the installation, then the
// device restarts.
class InstallBitTorrent final : public Command {
 public:
  std::string_view Name() const override { return "install-bittorrent"; }
  std::string_view Arguments() const override { return "ADDRESS"; }
  std::string Help() const override {
    return "install the BitTorrent add-on; the device restarts\n\n"
           "  ADDRESS  the device's address as discover lists it\n";
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  std::string address_;
};

}  // namespace tarvix::cli
