#include "tools/cli/SetStatic.h"

#include <ostream>

#include "tools/cli/ArgumentForm.h"
#include "tools/cli/LanApply.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {
namespace {

bool CheckAddressTexts(const std::vector<std::string>& texts, std::ostream& err) {
  for (const std::string& text : texts) {
    if (ToOctets(text)) continue;
    err << "tarvix set-static: '" << text << "' is not a dotted address\n";
    return false;
  }
  return true;
}

}  // namespace

int SetStatic::Run(CliContext& context, const CliArgs& args) {
  auto parsed = ParseSetArguments(args, context.err, Name());
  if (!parsed) return kUsageError;
  const std::vector<std::string>& v = parsed->values;
  if (v.size() < 2 || v.size() > 3) {
    context.err << "tarvix set-static: NEW_ADDRESS and NETMASK are needed, GATEWAY may follow\n";
    return kUsageError;
  }
  if (!CheckAddressTexts(v, context.err)) return kUsageError;
  auto selected = SelectDevicePort(context, Name(), *parsed);
  if (!selected) return kFailure;
  ArgumentForm form(ToOctets(v[0]), ToOctets(v[1]),
                    v.size() > 2 ? GatewayOctets(v[2]) : std::nullopt, settings::kDhcpDisable,
                    selected->port);
  return ApplyForm(context, Name(), form);
}

}  // namespace tarvix::cli
