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

bool SetStatic::Parse(const CliArgs& args, std::ostream& err) {
  auto parsed = ParseSetArguments(args, err, Name());
  if (!parsed) return false;
  const std::vector<std::string>& v = parsed->values;
  if (v.size() < 2 || v.size() > 3) {
    err << "tarvix set-static: NEW_ADDRESS and NETMASK are needed, GATEWAY may follow\n";
    return false;
  }
  if (!CheckAddressTexts(v, err)) return false;
  args_ = std::move(*parsed);
  return true;
}

int SetStatic::Run(CliContext& context) {
  auto selected = SelectDevicePort(context, Name(), args_);
  if (!selected) return kFailure;
  const std::vector<std::string>& v = args_.values;
  ArgumentForm form(ToOctets(v[0]), ToOctets(v[1]),
                    v.size() > 2 ? GatewayOctets(v[2]) : std::nullopt, settings::kDhcpDisable,
                    selected->port);
  return ApplyForm(context, Name(), form);
}

}  // namespace tarvix::cli
