#include "tools/devsim/Device.h"

#include <algorithm>

#include "tools/devsim/LanInfoRecord.h"

namespace tarvix::devsim {

namespace {

constexpr int kQueryShares = 3;
constexpr int kQueryLogin = 4;
constexpr int kQueryCodepage = 9;
constexpr int kQueryIdeOk = 11;
constexpr int kQueryShareName = 12;
constexpr int kQueryBtFirmware = 15;
constexpr int kQueryDomain = 18;
constexpr int kQuerySsl = 19;
constexpr int kQueryPorts = 20;

constexpr int kSetStaticAddress = 1;
constexpr int kSetDhcp = 2;
constexpr int kSetCodepage = 8;
constexpr int kSetLanInfo = 21;

constexpr std::uint8_t kLoginSeparator[] = {0x55, 0xAA};

std::string TextUpToNul(ByteView payload) {
  const auto nul = std::find(payload.begin(), payload.end(), std::uint8_t{0});
  return std::string(payload.begin(), nul);
}

Bytes Terminated(const std::string& text) {
  Bytes value(text.begin(), text.end());
  value.push_back(0);
  return value;
}

}  // namespace

Device::Device(DeviceConfig config)
    : config_(std::move(config)),
      address_(config_.address),
      netmask_(config_.netmask),
      gateway_(config_.gateway),
      dhcpFlag_(config_.dhcpFlag),
      portText_(config_.portText),
      codepage_(config_.codepage) {}

std::array<std::uint8_t, 10> Device::deviceId() const {
  std::array<std::uint8_t, 10> id{};
  std::copy(config_.ownId.begin(), config_.ownId.end(), id.begin());
  std::copy(address_.begin(), address_.end(), id.begin() + 6);
  return id;
}

bool Device::IsAddressedBy(const Request& request) const {
  return request.kind == RequestKind::Discover || request.target == address_;
}

std::optional<Bytes> Device::Answer(const Request& query) const {
  if (query.command == kQueryLogin) {
    return Bytes{static_cast<std::uint8_t>(LoginAccepted(query.payload) ? 1 : 0)};
  }
  const auto text = ValueText(query.command);
  if (!text) return std::nullopt;
  return Terminated(*text);
}

std::optional<std::string> Device::ValueText(int command) const {
  switch (command) {
    case kQueryShares: return config_.shares;
    case kQueryCodepage: return codepage_;
    case kQueryIdeOk: return config_.ideOk;
    case kQueryShareName: return config_.shareName;
    case kQueryBtFirmware: return config_.btFirmware;
    case kQueryDomain: return config_.domain;
    case kQuerySsl: return config_.ssl;
    case kQueryPorts: return portText_;
    default: return std::nullopt;
  }
}

bool Device::LoginAccepted(ByteView payload) const {
  Bytes expected(config_.adminUser.begin(), config_.adminUser.end());
  expected.insert(expected.end(), std::begin(kLoginSeparator), std::end(kLoginSeparator));
  expected.insert(expected.end(), config_.adminPassword.begin(), config_.adminPassword.end());
  return std::equal(payload.begin(), payload.end(), expected.begin(), expected.end());
}

bool Device::Apply(const Request& set) {
  switch (set.command) {
    case kSetStaticAddress: return ApplyStaticAddress(set);
    case kSetLanInfo: return ApplyLanInfo(set);
    case kSetDhcp: return ApplyDhcp(set);
    default: RecordText(set); return true;
  }
}

bool Device::ApplyStaticAddress(const Request& set) {
  const auto address = ParseIpv4(TextUpToNul(set.payload));
  if (!address) return false;
  MoveTo(*address, set.netmask, set.gateway);
  portText_ = WithFirstPort(portText_, {"", FormatIpv4(*address), netmask_, gateway_, "0"});
  return true;
}

// The device takes the first port's entry as its own: that is the address
// the program expects to find it under after the change.
bool Device::ApplyLanInfo(const Request& set) {
  const auto ports = ParseLanInfo(set.payload);
  if (!ports) return false;
  auto first = (*ports)[0];
  if (first.dhcp == "1") {
    MoveToDhcpAddress();
    first.address = FormatIpv4(address_);
  } else {
    const auto address = ParseIpv4(first.address);
    if (!address) return false;
    MoveTo(*address, first.netmask, first.gateway);
  }
  portText_ = PortTextFromPorts(first, (*ports)[1]);
  return true;
}

bool Device::ApplyDhcp(const Request& set) {
  if (!set.payload.empty()) {
    const auto ports = ParseLanInfo(set.payload);
    if (!ports) return false;
    auto first = (*ports)[0];
    first.address = FormatIpv4(config_.dhcpAddress);
    first.dhcp = "1";
    portText_ = PortTextFromPorts(first, (*ports)[1]);
  } else if (auto first = FirstPortOf(portText_)) {
    first->address = FormatIpv4(config_.dhcpAddress);
    first->dhcp = "1";
    portText_ = WithFirstPort(portText_, *first);
  }
  MoveToDhcpAddress();
  return true;
}

void Device::RecordText(const Request& set) {
  auto text = TextUpToNul(set.payload);
  if (set.command == kSetCodepage) codepage_ = text;
  textCommands_.emplace_back(set.command, std::move(text));
}

void Device::MoveTo(const Ipv4& address, const std::string& netmask, const std::string& gateway) {
  address_ = address;
  netmask_ = netmask;
  gateway_ = gateway;
  dhcpFlag_ = '0';
}

void Device::MoveToDhcpAddress() {
  address_ = config_.dhcpAddress;
  dhcpFlag_ = '1';
}

}  // namespace tarvix::devsim
