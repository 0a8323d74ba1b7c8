#include "tools/cli/LanApply.h"

#include <ostream>

#include "settings/ApplyLanSettings.h"
#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "settings/ProtocolOperations.h"
#include "tools/cli/SelectedDevicePanel.h"
#include "settings/SettingsState.h"
#include "tools/cli/StreamMessageBoxes.h"
#include "tools/cli/TerminalLogin.h"
#include "tools/cli/Utils.h"
#include "platform/linux/LinuxSystemInfo.h"

namespace tarvix::cli {
namespace {

// The port entries as a click on the device row leaves them: a device that
// reported no ports is described by its list entry.
void LoadPorts(Protocol& p, const DeviceNode& node) {
  LanInfo& lan = p.session.lanInfo;
  lan.ports[0].name[0] = '\0';
  p.commands.QueryLanInfo();
  if (lan.IsPresent()) return;
  CopyField(lan.ports[0].address, FieldText(node.address));
  CopyField(lan.ports[0].netmask, FieldText(node.netmask));
  CopyField(lan.ports[0].gateway, FieldText(node.gateway));
  CopyField(lan.ports[0].dhcpFlag, FieldText(node.dhcpFlag));
}

std::vector<std::string> PortNames(const LanInfo& lan) {
  if (!lan.IsPresent()) return {};
  std::vector<std::string> names{std::string(FieldText(lan.ports[0].name))};
  if (names[0] == "LAN1") names.emplace_back(FieldText(lan.ports[1].name));
  return names;
}

// The port the window would select: the second when the device was found
// through it.
std::string DefaultPort(const LanInfo& lan, const std::vector<std::string>& names,
                        std::string_view listedAddress) {
  if (names.empty()) return {};
  const bool foundThroughSecond =
      names.size() > 1 && FieldText(lan.ports[0].address) != listedAddress;
  return names[foundThroughSecond ? 1 : 0];
}

std::optional<std::string> ChoosePort(CliContext& context, std::string_view verb,
                                      const std::optional<std::string>& wanted,
                                      std::string_view listedAddress) {
  const LanInfo& lan = context.protocol.session.lanInfo;
  const std::vector<std::string> names = PortNames(lan);
  if (!wanted) return DefaultPort(lan, names, listedAddress);
  for (const std::string& name : names)
    if (name == *wanted) return name;
  context.err << "tarvix " << verb << ": the device reports no port '" << *wanted << "'\n";
  return std::nullopt;
}

}  // namespace

std::optional<SetArguments> ParseSetArguments(const CliArgs& args, std::ostream& err,
                                              std::string_view verb) {
  SetArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size()) parsed.port = args[++i];
    else if (!args[i].empty() && args[i][0] != '-') parsed.values.push_back(args[i]);
    else {
      err << "tarvix " << verb << ": unexpected argument '" << args[i] << "'\n";
      return std::nullopt;
    }
  }
  if (parsed.values.empty()) {
    err << "tarvix " << verb << ": an ADDRESS is needed\n";
    return std::nullopt;
  }
  parsed.device = parsed.values.front();
  parsed.values.erase(parsed.values.begin());
  return parsed;
}

std::string SetVerbHelp(std::string_view summary, std::string_view values) {
  std::string text(summary);
  text += "\n\n  ADDRESS      the device's address as discover lists it\n";
  text += values;
  text +=
      "  --port LAN2  the port to change on a device with two (default: the port\n"
      "               the device was found through)\n";
  return text;
}

std::optional<SelectedPort> SelectDevicePort(CliContext& context, std::string_view verb,
                                             const SetArguments& args) {
  if (!SelectListedDevice(context, args.device)) return std::nullopt;
  const DeviceNode* node = context.protocol.devices.FindByAddress(args.device);
  if (!node) return std::nullopt;
  LoadPorts(context.protocol, *node);
  auto port = ChoosePort(context, verb, args.port, args.device);
  if (!port) return std::nullopt;
  return SelectedPort{node, *port};
}

int ApplyForm(CliContext& context, std::string_view verb, settings::LanForm& form) {
  Protocol& p = context.protocol;
  settings::ProtocolOperations operations(p.commands);
  settings::SettingsState state;
  StreamMessageBoxes messages(context.out, context.err);
  TerminalLogin login;
  platform::LinuxSystemInfo system;
  settings::SettingsContext settings{p.session, operations, state, messages, login, system};
  SelectedDevicePanel panel;
  const settings::LanApplyResult result = settings::ApplyLanSettings(settings, form, panel);
  if (result == settings::LanApplyResult::Applied) return kSuccess;
  // The window lets the next search tell; the tool has no next search.
  if (result == settings::LanApplyResult::NotAcknowledged)
    context.err << "tarvix " << verb << ": the device did not acknowledge the new settings\n";
  return kFailure;
}

}  // namespace tarvix::cli
