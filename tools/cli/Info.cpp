#include "tools/cli/Info.h"

#include <optional>
#include <ostream>
#include <string>

#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "tools/cli/Json.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {
namespace {

struct ValueQuery {
  const char* key;
  int (DeviceCommands::*run)();
  char* field;
  size_t width;
};

struct InfoResult {
  bool lanAnswered = false;
  bool sharesAnswered = false;
  std::optional<std::string> values[6];
};

// Emptied before each query, so a failure is told apart from an old value.
std::optional<std::string> RunValueQuery(Protocol& p, const ValueQuery& q) {
  CopyField(q.field, q.width, "");
  if (!(p.commands.*q.run)()) return std::nullopt;
  return std::string(FieldText(q.field, q.width));
}

void PrintPortsJson(std::ostream& out, const LanInfo& lan, bool present) {
  out << "[";
  for (int i = 0; present && i < lan.PortCount(); ++i) {
    const LanPortEntry& e = lan.ports[i];
    out << (i ? ", " : "") << "{\"name\": " << JsonString(FieldText(e.name))
        << ", \"address\": " << JsonString(FieldText(e.address))
        << ", \"netmask\": " << JsonString(FieldText(e.netmask))
        << ", \"gateway\": " << JsonString(FieldText(e.gateway))
        << ", \"dhcp\": " << JsonString(FieldText(e.dhcpFlag)) << "}";
  }
  out << "]";
}

void PrintSharesJson(std::ostream& out, const ShareList& shares) {
  out << "[";
  const char* separator = "";
  for (const ShareNode& n : shares) {
    out << separator << JsonString(FieldText(n.name));
    separator = ", ";
  }
  out << "]";
}

void PrintPlain(std::ostream& out, const std::string& address, Protocol& p, const InfoResult& r,
                const ValueQuery* queries) {
  out << "Device " << address << "\n";
  const LanInfo& lan = p.session.lanInfo;
  if (!r.lanAnswered || !lan.IsPresent()) out << "  Ports: none reported\n";
  for (int i = 0; r.lanAnswered && i < lan.PortCount(); ++i) {
    const LanPortEntry& e = lan.ports[i];
    out << "  Port " << FieldText(e.name) << ": " << FieldText(e.address) << " netmask "
        << FieldText(e.netmask) << " gateway "
        << (e.gateway[0] ? FieldText(e.gateway) : std::string_view("(none)")) << " dhcp "
        << FieldText(e.dhcpFlag) << "\n";
  }
  out << "  Shares:";
  for (const ShareNode& n : p.shares) out << " " << FieldText(n.name);
  out << (r.sharesAnswered ? "\n" : " (no answer)\n");
  for (int i = 0; i < 6; ++i)
    out << "  " << queries[i].key << ": " << (r.values[i] ? *r.values[i] : "(no answer)") << "\n";
}

void PrintJson(std::ostream& out, const std::string& address, Protocol& p, const InfoResult& r,
               const ValueQuery* queries) {
  out << "{\"address\": " << JsonString(address) << ", \"ports\": ";
  PrintPortsJson(out, p.session.lanInfo, r.lanAnswered && p.session.lanInfo.IsPresent());
  out << ", \"shares\": ";
  PrintSharesJson(out, p.shares);
  for (int i = 0; i < 6; ++i)
    out << ", \"" << queries[i].key << "\": " << (r.values[i] ? JsonString(*r.values[i]) : "null");
  out << "}\n";
}

}  // namespace

bool Info::Parse(const CliArgs& args, std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--json")
      json_ = true;
    else if (address_.empty() && !a.empty() && a[0] != '-')
      address_ = a;
    else {
      err << "tarvix info: unexpected argument '" << a << "'\n";
      return false;
    }
  }
  if (address_.empty()) {
    err << "tarvix info: an ADDRESS is needed\n";
    return false;
  }
  return true;
}

int Info::Run(CliContext& context) {
  if (!SelectListedDevice(context, address_)) return kFailure;
  Protocol& p = context.protocol;
  DeviceSession& s = p.session;
  const ValueQuery queries[6] = {
      {"ssl", &DeviceCommands::QuerySsl, s.ssl, sizeof s.ssl},
      {"domain", &DeviceCommands::QueryDomain, s.domain, sizeof s.domain},
      {"codepage", &DeviceCommands::QueryCodepage, s.codepage, sizeof s.codepage},
      {"ideok", &DeviceCommands::QueryIdeOk, s.ideOk, sizeof s.ideOk},
      {"sharename", &DeviceCommands::QueryShareName, s.shareName, sizeof s.shareName},
      {"bt_firmware", &DeviceCommands::QueryBtFirmware, s.btFirmware, sizeof s.btFirmware},
  };
  InfoResult result;
  s.lanInfo.ports[0].name[0] = '\0';
  result.lanAnswered = p.commands.QueryLanInfo() == 1;
  result.sharesAnswered = p.commands.QueryShareList() == 1;
  for (int i = 0; i < 6; ++i) result.values[i] = RunValueQuery(p, queries[i]);
  if (json_)
    PrintJson(context.out, address_, p, result, queries);
  else
    PrintPlain(context.out, address_, p, result, queries);
  return kSuccess;
}

}  // namespace tarvix::cli
