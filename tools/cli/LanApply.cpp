#include "tools/cli/LanApply.h"

#include <ostream>

#include "platform/linux/LinuxSystemInfo.h"
#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "settings/ApplyLanSettings.h"
#include "settings/PortSelection.h"
#include "settings/ProtocolOperations.h"
#include "settings/SettingsState.h"
#include "tools/cli/SelectedDevicePanel.h"
#include "tools/cli/StreamMessageBoxes.h"
#include "tools/cli/TerminalLogin.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {
namespace {

// The ports as a click on the device row leaves them: asked for afresh, and a
// device that reported none described by its list entry.
settings::PortSelection LoadPorts(Protocol& p, const DeviceNode& node) {
  LanInfo& lan = p.session.lanInfo;
  lan.ports[0].name[0] = '\0';
  p.commands.QueryLanInfo();
  return settings::SelectPorts(lan, {FieldText(node.address), FieldText(node.netmask),
                                     FieldText(node.gateway), FieldText(node.dhcpFlag)});
}

// The port asked for, or the one the window would select.
std::optional<std::string> ChoosePort(CliContext& context, std::string_view verb,
                                      const settings::PortSelection& ports,
                                      const std::optional<std::string>& wanted) {
  if (!wanted) {
    if (ports.items.empty()) return std::string();
    return ports.items[static_cast<size_t>(ports.selected)];
  }
  for (const std::string& name : ports.items)
    if (name == *wanted) return name;
  context.err << "tarvix " << verb << ": the device reports no port '" << *wanted << "'\n";
  return std::nullopt;
}

}  // namespace

std::optional<SetArguments> ParseSetArguments(const CliArgs& args, std::ostream& err,
                                              std::string_view verb) {
  SetArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size())
      parsed.port = args[++i];
    else if (!args[i].empty() && args[i][0] != '-')
      parsed.values.push_back(args[i]);
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
  const settings::PortSelection ports = LoadPorts(context.protocol, *node);
  auto port = ChoosePort(context, verb, ports, args.port);
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
