#include "tools/cli/SetDhcp.h"

#include <ostream>

#include "protocol/DeviceList.h"
#include "protocol/FixedText.h"
#include "tools/cli/ArgumentForm.h"
#include "tools/cli/LanApply.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {

bool SetDhcp::Parse(const CliArgs& args, std::ostream& err) {
  auto parsed = ParseSetArguments(args, err, Name());
  if (!parsed) return false;
  if (!parsed->values.empty()) {
    err << "tarvix set-dhcp: unexpected argument '" << parsed->values[0] << "'\n";
    return false;
  }
  args_ = std::move(*parsed);
  return true;
}

// The address controls keep the device's listed values, as after a click; a
// device that reported its ports still has them checked and sent.
int SetDhcp::Run(CliContext& context) {
  auto selected = SelectDevicePort(context, Name(), args_);
  if (!selected) return kFailure;
  const DeviceNode& node = *selected->node;
  ArgumentForm form(ToOctets(FieldText(node.address)), ToOctets(FieldText(node.netmask)),
                    GatewayOctets(FieldText(node.gateway)), settings::kDhcpEnable, selected->port);
  return ApplyForm(context, Name(), form);
}

}  // namespace tarvix::cli
