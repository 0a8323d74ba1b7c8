#include "tools/cli/InstallBitTorrent.h"

#include <ostream>

#include "tools/cli/AddonTool.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {

bool InstallBitTorrent::Parse(const CliArgs& args, std::ostream& err) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    err << "tarvix install-bittorrent: an ADDRESS, and nothing else, is needed\n";
    return false;
  }
  address_ = args[0];
  return true;
}

int InstallBitTorrent::Run(CliContext& context) {
  if (!SelectListedDevice(context, address_)) return kFailure;
  AddonTool tool(context, address_, {});
  return ExitStatusOf(tool.InstallBitTorrent());
}

}  // namespace tarvix::cli
