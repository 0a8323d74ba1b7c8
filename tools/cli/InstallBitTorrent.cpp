#include "tools/cli/InstallBitTorrent.h"

#include <ostream>

#include "tools/cli/AddonTool.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {

int InstallBitTorrent::Run(CliContext& context, const CliArgs& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    context.err << "tarvix install-bittorrent: an ADDRESS, and nothing else, is needed\n";
    return kUsageError;
  }
  if (!SelectListedDevice(context, args[0])) return kFailure;
  AddonTool tool(context, args[0], {});
  return ExitStatusOf(tool.InstallBitTorrent());
}

}  // namespace tarvix::cli
