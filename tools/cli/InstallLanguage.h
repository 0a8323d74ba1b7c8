#pragma once
#include <string>

#include "tools/cli/Command.h"

namespace tarvix::cli {

// Installs language support for a code page, as the window's (hidden) language
// button does: the disk state check, the firmware check, the installation,
// then the device restarts.
class InstallLanguage final : public Command {
 public:
  std::string_view Name() const override { return "install-language"; }
  std::string_view Arguments() const override { return "ADDRESS CODEPAGE [--wait]"; }
  std::string Help() const override;
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  std::string address_;
  int row_ = 0;
  bool wait_ = false;
};

}  // namespace tarvix::cli
