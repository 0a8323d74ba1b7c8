#include "tools/cli/CommandLine.h"

#include <algorithm>
#include <ostream>

namespace tarvix::cli {
namespace {

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

Request Answer(int status) { return Request{nullptr, status}; }

// --help and --version stand alone; anything after them is a mistake rather
// than something silently dropped.
Request ReadToolOption(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const std::string& option = args[0];
  if (!IsHelp(option) && option != "--version") {
    err << "tarvix: unknown option '" << option << "'\n" << UsageText();
    return Answer(kUsageError);
  }
  if (args.size() > 1) {
    err << "tarvix: unexpected argument '" << args[1] << "' after " << option << "\n";
    return Answer(kUsageError);
  }
  out << (IsHelp(option) ? HelpText() : VersionText());
  return Answer(kSuccess);
}

}  // namespace

std::string VersionText() { return std::string("tarvix ") + TARVIX_VERSION + "\n"; }

Request ReadCommandLine(const CliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << UsageText();
    return Answer(kUsageError);
  }
  if (args[0].starts_with("-")) return ReadToolOption(args, out, err);
  Command* command = FindCommand(args[0]);
  if (!command) {
    err << "tarvix: unknown command '" << args[0] << "'\n" << UsageText();
    return Answer(kUsageError);
  }
  const CliArgs rest(args.begin() + 1, args.end());
  if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
    out << HelpText(*command);
    return Answer(kSuccess);
  }
  if (!command->Parse(rest, err)) {
    err << "usage: tarvix " << command->Name() << " " << command->Arguments() << "\n";
    return Answer(kUsageError);
  }
  return Request{command, kSuccess};
}

}  // namespace tarvix::cli
