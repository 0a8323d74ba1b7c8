#include "tools/devsim/ConfigParser.h"

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

#include "common/Trim.h"

#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

namespace {

// Quotes keep leading or trailing blanks and make an empty value visible.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string* TextField(DeviceConfig& device, std::string_view key) {
  if (key == "netmask") return &device.netmask;
  if (key == "gateway") return &device.gateway;
  if (key == "model") return &device.model;
  if (key == "shares") return &device.shares;
  if (key == "port") return &device.portText;
  if (key == "ssl") return &device.ssl;
  if (key == "domain") return &device.domain;
  if (key == "codepage") return &device.codepage;
  if (key == "ideok") return &device.ideOk;
  if (key == "sharename") return &device.shareName;
  if (key == "bt_firmware") return &device.btFirmware;
  if (key == "admin_user") return &device.adminUser;
  if (key == "admin_password") return &device.adminPassword;
  if (key == "disk") return &device.disk;
  return nullptr;
}

std::optional<std::uint8_t> ParseByte(std::string_view text) {
  unsigned value = 0;
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end || value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

class Parser {
 public:
  ConfigResult Run(std::string_view text);

 private:
  bool ParseLine(std::string_view line);
  bool StartSection(std::string_view line);
  bool FinishSection();
  bool SetKey(std::string_view key, std::string_view value);
  bool SetSpecialKey(std::string_view key, std::string_view value);
  bool SetFault(std::string_view key, std::string_view value);
  bool SetRefusedWrites(std::string_view value);
  bool Fail(const std::string& message);

  ConfigResult result_;
  DeviceConfig* current_ = nullptr;
  bool dhcpAddressGiven_ = false;
  bool addressGiven_ = false;
  std::set<std::string> names_;
};

ConfigResult Parser::Run(std::string_view text) {
  std::istringstream stream{std::string(text)};
  std::string line;
  int number = 0;
  while (std::getline(stream, line)) {
    ++number;
    if (!ParseLine(Trim(line))) {
      result_.error = "line " + std::to_string(number) + ": " + result_.error;
      return result_;
    }
  }
  if (!FinishSection()) return result_;
  if (result_.devices.empty()) Fail("no device defined");
  return result_;
}

bool Parser::ParseLine(std::string_view line) {
  if (line.empty() || line.front() == '#' || line.front() == ';') return true;
  if (line.front() == '[') return StartSection(line);
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return Fail("expected key = value");
  if (current_ == nullptr) return Fail("key outside a [device] section");
  return SetKey(Trim(line.substr(0, equals)), Unquote(Trim(line.substr(equals + 1))));
}

bool Parser::StartSection(std::string_view line) {
  if (line.back() != ']') return Fail("section header without ']'");
  const auto name = std::string(Trim(line.substr(1, line.size() - 2)));
  if (name.empty()) return Fail("empty device name");
  if (!names_.insert(name).second) return Fail("device '" + name + "' defined twice");
  if (!FinishSection()) return false;
  auto& device = result_.devices.emplace_back();
  device.name = name;
  const auto index = static_cast<std::uint8_t>(result_.devices.size() & 0xFFu);
  device.ownId = {0x02, 0x54, 0x56, 0x00, 0x00, index};
  current_ = &device;
  addressGiven_ = dhcpAddressGiven_ = false;
  return true;
}

bool Parser::FinishSection() {
  if (current_ == nullptr) return true;
  if (!addressGiven_) return Fail("device '" + current_->name + "' has no address");
  if (!dhcpAddressGiven_) current_->dhcpAddress = current_->address;
  if (!current_->refusedWrites.empty() && current_->disk.empty())
    return Fail("device '" + current_->name + "' refuses writes but has no disk");
  current_ = nullptr;
  return true;
}

bool Parser::SetKey(std::string_view key, std::string_view value) {
  if (auto* field = TextField(*current_, key)) {
    *field = std::string(value);
    return true;
  }
  if (key == "fault" || key.starts_with("fault.")) return SetFault(key, value);
  return SetSpecialKey(key, value);
}

bool Parser::SetSpecialKey(std::string_view key, std::string_view value) {
  auto& device = *current_;
  if (key == "address" || key == "dhcp_address") {
    const auto address = ParseIpv4(value);
    if (!address) return Fail("bad address '" + std::string(value) + "'");
    (key == "address" ? device.address : device.dhcpAddress) = *address;
    (key == "address" ? addressGiven_ : dhcpAddressGiven_) = true;
    return true;
  }
  if (key == "id") {
    const auto bytes = FromHex(value);
    if (!bytes || bytes->size() != 6) return Fail("id needs 6 hex bytes");
    std::copy(bytes->begin(), bytes->end(), device.ownId.begin());
    return true;
  }
  if (key == "dhcp") {
    if (value.size() != 1) return Fail("dhcp needs one character");
    device.dhcpFlag = value.front();
    return true;
  }
  if (key == "refuse_write") return SetRefusedWrites(value);
  const auto byte = ParseByte(value);
  if (key == "reply_type") {
    if (!byte || (*byte != 2 && *byte != 7 && *byte != 8)) return Fail("reply_type is 2, 7 or 8");
    device.replyType = *byte;
    return true;
  }
  if (key == "selector_a" || key == "selector_b") {
    if (!byte) return Fail("selector needs 0..255");
    (key == "selector_a" ? device.selectorA : device.selectorB) = *byte;
    return true;
  }
  return Fail("unknown key '" + std::string(key) + "'");
}

bool Parser::SetFault(std::string_view key, std::string_view value) {
  std::string error;
  const auto fault = ParseFault(value, error);
  if (!fault) return Fail(error);
  if (key == "fault") {
    current_->fault = *fault;
    return true;
  }
  const auto which = key.substr(6);
  if (which == "discovery") {
    current_->discoveryFault = *fault;
    return true;
  }
  const auto command = ParseByte(which);
  if (!command) return Fail("fault.<command> needs discovery or 0..255");
  current_->commandFaults[*command] = *fault;
  return true;
}

// Paths below the disk, '/' separated; none may leave it.
bool Parser::SetRefusedWrites(std::string_view value) {
  current_->refusedWrites.clear();
  while (!value.empty()) {
    const auto comma = value.find(',');
    const auto path = std::string(Trim(value.substr(0, comma)));
    value = comma == std::string_view::npos ? std::string_view{} : value.substr(comma + 1);
    if (path.empty()) continue;
    if (path.front() == '/' || path == ".." || path.starts_with("../") ||
        path.find("/../") != std::string::npos || path.ends_with("/.."))
      return Fail("refuse_write path '" + path + "' leaves the disk");
    current_->refusedWrites.push_back(path);
  }
  return true;
}

bool Parser::Fail(const std::string& message) {
  result_.error = message;
  return false;
}

}  // namespace

ConfigResult ParseConfig(std::string_view text) { return Parser{}.Run(text); }

ConfigResult LoadConfigFile(const std::string& path) {
  std::ifstream file(path);
  if (!file) return ConfigResult{{}, "cannot read " + path};
  std::ostringstream text;
  text << file.rdbuf();
  return ParseConfig(text.str());
}

}  // namespace tarvix::devsim
