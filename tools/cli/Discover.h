#pragma once
#include "tools/cli/Command.h"

namespace tarvix::cli {

// Searches once and lists every device found, one a line or as JSON.
class Discover final : public Command {
 public:
  std::string_view Name() const override { return "discover"; }
  std::string_view Arguments() const override { return "[--json]"; }
  int Run(CliContext& context, const CliArgs& args) override;
};

}  // namespace tarvix::cli
