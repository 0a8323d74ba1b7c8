#include "tools/cli/SetDhcp.h"

#include <ostream>

#include "tools/cli/ArgumentForm.h"
#include "protocol/DeviceList.h"
#include "protocol/FixedText.h"
#include "tools/cli/LanApply.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {

// The address controls keep the device's listed values, as after a click; a
// device that reported its ports still has them checked and sent.
int SetDhcp::Run(CliContext& context, const CliArgs& args) {
  auto parsed = ParseSetArguments(args, context.err, Name());
  if (!parsed) return kUsageError;
  if (!parsed->values.empty()) {
    context.err << "tarvix set-dhcp: unexpected argument '" << parsed->values[0] << "'\n";
    return kUsageError;
  }
  auto selected = SelectDevicePort(context, Name(), *parsed);
  if (!selected) return kFailure;
  const DeviceNode& node = *selected->node;
  ArgumentForm form(ToOctets(FieldText(node.address)), ToOctets(FieldText(node.netmask)),
                    GatewayOctets(FieldText(node.gateway)), settings::kDhcpEnable,
                    selected->port);
  return ApplyForm(context, Name(), form);
}

}  // namespace tarvix::cli
