#pragma once
#include <string>

#include "tools/cli/Command.h"

namespace tarvix::cli {

// Asks one listed device for its ports, volumes and values.
class Info final : public Command {
 public:
  std::string_view Name() const override { return "info"; }
  std::string_view Arguments() const override { return "ADDRESS [--json]"; }
  std::string Help() const override {
    return "ports, volumes and the values of one listed device\n"
           "\n"
           "  ADDRESS   the device's address as discover lists it\n"
           "  --json    one JSON object; a value the device did not give is null\n";
  }
  bool Parse(const CliArgs& args, std::ostream& err) override;
  int Run(CliContext& context) override;

 private:
  std::string address_;
  bool json_ = false;
};

}  // namespace tarvix::cli
