#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {
struct Protocol;
}

namespace tarvix::cli {

// What every verb of the command-line tool works with; the network is started.
struct CliContext {
  Protocol& protocol;
  std::ostream& out;
  std::ostream& err;
};

using CliArgs = std::vector<std::string>;

// Exit statuses shared by the verbs.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// One verb of the tool: its name, its usage line and what it does.
class Command {
 public:
  virtual ~Command() = default;
  // "discover", "set-static", ...
  virtual std::string_view Name() const = 0;
  // The arguments after the name, as the usage shows them: "ADDRESS [--json]".
  virtual std::string_view Arguments() const = 0;
  virtual int Run(CliContext& context, const CliArgs& args) = 0;
};

// Every verb, in the order the usage lists them.
const std::vector<std::unique_ptr<Command>>& AllCommands();
// The verb named `name`, or null.
Command* FindCommand(std::string_view name);
// "usage: tarvix discover [--json]\n       tarvix info ...\n".
std::string UsageText();

}  // namespace tarvix::cli
