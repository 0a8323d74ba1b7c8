#include <ostream>

#include "protocol/DeviceList.h"
#include "protocol/FixedText.h"
#include "tools/cli/Json.h"
#include "protocol/Protocol.h"
#include "tools/cli/Verbs.h"

using tarvix::FieldText;

namespace {

void PrintPlain(std::ostream& out, const tarvix::DeviceNode& n) {
  out << FieldText(n.name) << '\t' << FieldText(n.address) << '\t' << FieldText(n.netmask) << '\t'
      << FieldText(n.gateway) << '\t' << FieldText(n.model) << '\n';
}

void PrintJson(std::ostream& out, const tarvix::DeviceNode& n, bool first) {
  out << (first ? "\n  " : ",\n  ") << "{\"name\": " << JsonString(FieldText(n.name))
      << ", \"address\": " << JsonString(FieldText(n.address))
      << ", \"netmask\": " << JsonString(FieldText(n.netmask))
      << ", \"gateway\": " << JsonString(FieldText(n.gateway))
      << ", \"model\": " << JsonString(FieldText(n.model)) << "}";
}

}  // namespace

int RunDiscover(CliContext& context, const CliArgs& args) {
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      json = true;
    } else {
      context.err << "tarvix discover: unknown option '" << a << "'\n";
      return 2;
    }
  }
  context.protocol.Search();
  const tarvix::DeviceNode* n = context.protocol.devices.Head();
  if (json) context.out << "[";
  for (bool first = true; n; n = n->next, first = false) {
    if (json) PrintJson(context.out, *n, first);
    else PrintPlain(context.out, *n);
  }
  if (json) context.out << (context.protocol.devices.IsEmpty() ? "]\n" : "\n]\n");
  return 0;
}

bool SelectListedDevice(CliContext& context, const std::string& address) {
  context.protocol.Search();
  if (!context.protocol.devices.ContainsAddress(address)) {
    context.err << "No device is listed at " << address << ".\n";
    return false;
  }
  tarvix::CopyField(context.protocol.session.selectedAddress, address);
  return true;
}
