// set-static and set-dhcp: the apply button of the main window, driven from
// the command line. The settings flow itself is shared with the window; this
// file only stands in for the window's controls, message boxes and login dialog.
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/ApplyLanSettings.h"
#include "protocol/FixedText.h"
#include "settings/LanForm.h"
#include "settings/LoginDialogRunner.h"
#include "settings/MessageBoxes.h"
#include "settings/PanelView.h"
#include "protocol/Protocol.h"
#include "settings/ProtocolOperations.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsState.h"
#include "tools/cli/Verbs.h"
#include "platform/linux/LinuxSystemInfo.h"

namespace {

using tarvix::FieldText;
using tarvix::settings::LanField;
using tarvix::settings::Octets;
using OptionalOctets = std::optional<Octets>;

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

// Successes go to standard output, everything else to standard error, in the
// words the window would show.
class StreamMessageBoxes final : public tarvix::settings::MessageBoxes {
 public:
  StreamMessageBoxes(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  void Show(std::string_view text, std::string_view caption,
            tarvix::settings::MessageIcon) override {
    (caption == tarvix::settings::text::kCaptionConfirm ? out_ : err_) << text << "\n";
  }

 private:
  std::ostream& out_;
  std::ostream& err_;
};

// Reads a line from the terminal with echo off; none without a terminal.
std::optional<std::string> AskHidden(const char* prompt) {
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  termios saved{};
  const bool isTerminal = tcgetattr(fd, &saved) == 0;
  termios quiet = saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  if (isTerminal) tcsetattr(fd, TCSAFLUSH, &quiet);
  (void)!write(fd, prompt, std::char_traits<char>::length(prompt));
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line.push_back(c);
  if (isTerminal) tcsetattr(fd, TCSAFLUSH, &saved);
  (void)!write(fd, "\n", 1);
  close(fd);
  return line;
}

// The login dialog of the tool: the password comes from TARVIX_PASSWORD, or is
// asked on the terminal; with neither it is a Cancel.
class TerminalLogin final : public tarvix::settings::LoginDialogRunner {
 public:
  std::optional<tarvix::settings::LoginEntry> Run(
      const tarvix::settings::LoginPreset& preset) override {
    std::optional<std::string> password;
    if (const char* fromEnv = std::getenv("TARVIX_PASSWORD")) password = fromEnv;
    else password = AskHidden("Administrator password: ");
    if (!password) return std::nullopt;
    return tarvix::settings::LoginEntry{preset.userName, *password};
  }
};

// The address controls as the tool's arguments fill them.
class ArgumentForm final : public tarvix::settings::LanForm {
 public:
  ArgumentForm(OptionalOctets address, OptionalOctets netmask, OptionalOctets gateway,
               int dhcpChoice, std::string port)
      : fields_{address, netmask, gateway}, dhcpChoice_(dhcpChoice), port_(std::move(port)) {}

  bool IsBlank(LanField field) const override { return !Field(field).has_value(); }
  Octets Read(LanField field) const override { return Field(field).value_or(Octets{}); }
  // There is no control to focus; the message names the octet.
  void SetFieldFocus(LanField, int) override {}
  int DhcpChoice() const override { return dhcpChoice_; }
  std::string PortSelectorText() const override { return port_; }

 private:
  const OptionalOctets& Field(LanField field) const {
    return fields_[static_cast<int>(field) - 1];
  }
  OptionalOctets fields_[3];
  int dhcpChoice_;
  std::string port_;
};

// The device is selected by its address; nothing else of the panel is used.
// The window searches again after a change to show the new list; the tool ends
// right after, so its search is left out.
class SelectedDevicePanel final : public tarvix::settings::PanelView {
 public:
  bool DeviceSelected() const override { return true; }
  void ClearDeviceSelected() override {}
  std::optional<tarvix::settings::DeviceRow> SelectedDeviceRow() const override { return {}; }
  std::optional<std::string> SelectedVolumeName() const override { return {}; }
  std::optional<std::string> SelectedVolumeLocation() const override { return {}; }
  std::optional<std::string> DriveComboText() const override { return {}; }
  void SetSelectedHost(std::string_view) override {}
  void RefreshMappedDrives() override {}
  void FillDriveLetterCombo() override {}
  void FillVolumeList(const tarvix::settings::DeviceRow&) override {}
  void Search() override {}
};

struct SetArguments {
  std::string device;
  std::vector<std::string> values;  // NEW_ADDRESS NETMASK [GATEWAY] for set-static
  std::optional<std::string> port;
};

std::optional<SetArguments> ParseArguments(const CliArgs& args, std::ostream& err,
                                           const char* verb) {
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

OptionalOctets ToOctets(std::string_view text) {
  uint8_t bytes[4];
  if (!tarvix::ParseAddress(text, bytes)) return std::nullopt;
  return Octets{bytes[0], bytes[1], bytes[2], bytes[3]};
}

// A gateway that is empty or 0.0.0.0 shows as a blank control.
OptionalOctets GatewayOctets(std::string_view text) {
  OptionalOctets octets = ToOctets(text);
  if (octets && *octets == Octets{0, 0, 0, 0}) return std::nullopt;
  return octets;
}

// The port entries as a click on the device row leaves them: a device that
// reported no ports is described by its list entry.
void LoadPorts(tarvix::Protocol& p, const tarvix::DeviceNode& node) {
  tarvix::LanInfo& lan = p.session.lanInfo;
  lan.ports[0].name[0] = '\0';
  p.commands.QueryLanInfo();
  if (lan.IsPresent()) return;
  tarvix::CopyField(lan.ports[0].address, FieldText(node.address));
  tarvix::CopyField(lan.ports[0].netmask, FieldText(node.netmask));
  tarvix::CopyField(lan.ports[0].gateway, FieldText(node.gateway));
  tarvix::CopyField(lan.ports[0].dhcpFlag, FieldText(node.dhcpFlag));
}

std::vector<std::string> PortNames(const tarvix::LanInfo& lan) {
  if (!lan.IsPresent()) return {};
  std::vector<std::string> names{std::string(FieldText(lan.ports[0].name))};
  if (names[0] == "LAN1") names.emplace_back(FieldText(lan.ports[1].name));
  return names;
}

// The port the window would select: the second when the device was found
// through it.
std::string DefaultPort(const tarvix::LanInfo& lan, const std::vector<std::string>& names,
                        std::string_view listedAddress) {
  if (names.empty()) return {};
  const bool foundThroughSecond =
      names.size() > 1 && FieldText(lan.ports[0].address) != listedAddress;
  return names[foundThroughSecond ? 1 : 0];
}

std::optional<std::string> ChoosePort(CliContext& context, const char* verb,
                                      const std::optional<std::string>& wanted,
                                      std::string_view listedAddress) {
  const tarvix::LanInfo& lan = context.protocol.session.lanInfo;
  const std::vector<std::string> names = PortNames(lan);
  if (!wanted) return DefaultPort(lan, names, listedAddress);
  for (const std::string& name : names)
    if (name == *wanted) return name;
  context.err << "tarvix " << verb << ": the device reports no port '" << *wanted << "'\n";
  return std::nullopt;
}

int Apply(CliContext& context, const char* verb, tarvix::settings::LanForm& form) {
  tarvix::Protocol& p = context.protocol;
  tarvix::settings::ProtocolOperations operations(p.commands);
  tarvix::settings::SettingsState state;
  StreamMessageBoxes messages(context.out, context.err);
  TerminalLogin login;
  tarvix::platform::LinuxSystemInfo system;
  tarvix::settings::SettingsContext settings{p.session, operations, state,
                                             messages,  login,      system};
  SelectedDevicePanel panel;
  using tarvix::settings::LanApplyResult;
  const LanApplyResult result = tarvix::settings::ApplyLanSettings(settings, form, panel);
  if (result == LanApplyResult::Applied) return 0;
  // The window lets the next search tell; the tool has no next search.
  if (result == LanApplyResult::NotAcknowledged)
    context.err << "tarvix " << verb << ": the device did not acknowledge the new settings\n";
  return kFailure;
}

struct Selected {
  const tarvix::DeviceNode* node;
  std::string port;
};

std::optional<Selected> SelectDevice(CliContext& context, const char* verb,
                                     const SetArguments& args) {
  if (!SelectListedDevice(context, args.device)) return std::nullopt;
  const tarvix::DeviceNode* node = context.protocol.devices.FindByAddress(args.device);
  if (!node) return std::nullopt;
  LoadPorts(context.protocol, *node);
  auto port = ChoosePort(context, verb, args.port, args.device);
  if (!port) return std::nullopt;
  return Selected{node, *port};
}

bool CheckAddressTexts(const std::vector<std::string>& texts, std::ostream& err,
                       const char* verb) {
  for (const std::string& text : texts) {
    if (ToOctets(text)) continue;
    err << "tarvix " << verb << ": '" << text << "' is not a dotted address\n";
    return false;
  }
  return true;
}

}  // namespace

int RunSetStatic(CliContext& context, const CliArgs& args) {
  const char* verb = "set-static";
  auto parsed = ParseArguments(args, context.err, verb);
  if (!parsed) return kUsageError;
  if (parsed->values.size() < 2 || parsed->values.size() > 3) {
    context.err << "tarvix set-static: NEW_ADDRESS and NETMASK are needed, GATEWAY may follow\n";
    return kUsageError;
  }
  if (!CheckAddressTexts(parsed->values, context.err, verb)) return kUsageError;
  auto selected = SelectDevice(context, verb, *parsed);
  if (!selected) return kFailure;
  const auto& v = parsed->values;
  ArgumentForm form(ToOctets(v[0]), ToOctets(v[1]),
                    v.size() > 2 ? GatewayOctets(v[2]) : std::nullopt,
                    tarvix::settings::kDhcpDisable, selected->port);
  return Apply(context, verb, form);
}

// The address controls keep the device's listed values, as after a click; a
// device that reported its ports still has them checked and sent.
int RunSetDhcp(CliContext& context, const CliArgs& args) {
  const char* verb = "set-dhcp";
  auto parsed = ParseArguments(args, context.err, verb);
  if (!parsed) return kUsageError;
  if (!parsed->values.empty()) {
    context.err << "tarvix set-dhcp: unexpected argument '" << parsed->values[0] << "'\n";
    return kUsageError;
  }
  auto selected = SelectDevice(context, verb, *parsed);
  if (!selected) return kFailure;
  const tarvix::DeviceNode& node = *selected->node;
  ArgumentForm form(ToOctets(FieldText(node.address)), ToOctets(FieldText(node.netmask)),
                    GatewayOctets(FieldText(node.gateway)), tarvix::settings::kDhcpEnable,
                    selected->port);
  return Apply(context, verb, form);
}
