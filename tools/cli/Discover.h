#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Searches once and lists every device found, one a line or as JSON.
class Discover final : public Command {
 public:
  std::string_view Name() const override { return "discover"; }
  std::string_view Arguments() const override { return "[--json]"; }
  std::string Help() const override {
    return "search once and list every device found\n"
           "\n"
           "One device a line: name, address, netmask, gateway, model (tab-separated).\n"
           "  --json    a JSON array of objects with those five keys\n";
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  bool json_ = false;
};

}  // namespace tarvix::cli
