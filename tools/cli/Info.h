#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Asks one listed device for its ports, volumes and values.
class Info final : public Command {
 public:
  std::string_view Name() const override { return "info"; }
  std::string_view Arguments() const override { return "ADDRESS [--json]"; }
  int Run(CliContext& context, const CliArgs& args) override;
};

}  // namespace tarvix::cli
