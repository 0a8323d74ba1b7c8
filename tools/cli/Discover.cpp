#include "tools/cli/Discover.h"

#include <ostream>

#include "protocol/DeviceList.h"
#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "tools/cli/Json.h"

namespace tarvix::cli {
namespace {

void PrintPlain(std::ostream& out, const DeviceNode& n) {
  out << FieldText(n.name) << '\t' << FieldText(n.address) << '\t' << FieldText(n.netmask) << '\t'
      << FieldText(n.gateway) << '\t' << FieldText(n.model) << '\n';
}

void PrintJson(std::ostream& out, const DeviceNode& n, bool first) {
  out << (first ? "\n  " : ",\n  ") << "{\"name\": " << JsonString(FieldText(n.name))
      << ", \"address\": " << JsonString(FieldText(n.address))
      << ", \"netmask\": " << JsonString(FieldText(n.netmask))
      << ", \"gateway\": " << JsonString(FieldText(n.gateway))
      << ", \"model\": " << JsonString(FieldText(n.model)) << "}";
}

}  // namespace

bool Discover::Parse(const CliArgs& args, std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--json") {
      json_ = true;
    } else {
      err << "tarvix discover: unknown option '" << a << "'\n";
      return false;
    }
  }
  return true;
}

int Discover::Run(CliContext& context) {
  context.protocol.Search();
  if (json_) context.out << "[";
  bool first = true;
  for (const DeviceNode& n : context.protocol.devices) {
    if (json_)
      PrintJson(context.out, n, first);
    else
      PrintPlain(context.out, n);
    first = false;
  }
  if (json_) context.out << (context.protocol.devices.IsEmpty() ? "]\n" : "\n]\n");
  return kSuccess;
}

}  // namespace tarvix::cli
