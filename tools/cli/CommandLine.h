#pragma once
#include <iosfwd>

#include "tools/cli/Command.h"

namespace tarvix::cli {

// What the command line asks for: a verb to run on the network with its arguments
// taken, or an answer the arguments give alone (help, the version, a usage error),
// which is printed already.
struct Request {
  Command* command = nullptr;  // null when `status` is the whole answer
  int status = kSuccess;
};

// Reads the arguments after the program name. Help and the version go to `out`,
// mistakes to `err`; none of them needs the network.
Request ReadCommandLine(const CliArgs& args, std::ostream& out, std::ostream& err);

// "tarvix 5.1.0.3\n".
std::string VersionText();

}  // namespace tarvix::cli
