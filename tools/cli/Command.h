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

// One verb of the tool: its name, its usage line and what it does. A run reads
// the arguments first and starts the network only when they are sound, so a
// mistake in them never opens a socket.
class Command {
 public:
  virtual ~Command() = default;
  // "discover", "set-static", ...
  virtual std::string_view Name() const = 0;
  // The arguments after the name, as the usage shows them: "ADDRESS [--json]".
  virtual std::string_view Arguments() const = 0;
  // What the verb does in one line, then its arguments and options, one a line.
  virtual std::string Help() const = 0;
  // Takes the arguments after the name; prints what is wrong to `err` and returns
  // false on a usage error.
  virtual bool Parse(const CliArgs& args, std::ostream& err) = 0;
  // Does the work on the arguments Parse took.
  virtual int Run(CliContext& context) = 0;
};

// Every verb, in the order the usage lists them.
const std::vector<std::unique_ptr<Command>>& AllCommands();
// The verb named `name`, or null.
Command* FindCommand(std::string_view name);
// "usage: tarvix discover [--json]\n       tarvix info ...\n".
std::string UsageText();
// The usage, then every verb with the first line of its help: `tarvix --help`.
std::string HelpText();
// The verb's usage line and its help: `tarvix VERB --help`.
std::string HelpText(const Command& command);

}  // namespace tarvix::cli
