#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Installs the BitTorrent add-on, as the window's (hidden) BitTorrent button
// does: the administrator check, the support check, the installation, then the
// device restarts.
class InstallBitTorrent final : public Command {
 public:
  std::string_view Name() const override { return "install-bittorrent"; }
  std::string_view Arguments() const override { return "ADDRESS"; }
  int Run(CliContext& context, const CliArgs& args) override;
};

}  // namespace tarvix::cli
