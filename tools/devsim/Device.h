#pragma once
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/devsim/DeviceConfig.h"
#include "tools/devsim/Request.h"

namespace tarvix::devsim {

// One simulated device: its configuration and the state that set commands
// change while the process runs.
class Device {
 public:
  explicit Device(DeviceConfig config);

  const DeviceConfig& config() const { return config_; }
  const Ipv4& address() const { return address_; }
  const std::string& netmask() const { return netmask_; }
  const std::string& gateway() const { return gateway_; }
  char dhcpFlag() const { return dhcpFlag_; }
  const std::string& portText() const { return portText_; }
  const std::string& codepage() const { return codepage_; }
  const std::vector<std::pair<int, std::string>>& textCommands() const { return textCommands_; }

  // The DeviceId of every reply: own bytes, then the current address.
  std::array<std::uint8_t, 10> deviceId() const;

  // Requests go to the whole group; a device only takes those that name its
  // current address.
  bool IsAddressedBy(const Request& request) const;

  // Bytes that follow the query reply header (offset 28): a NUL-terminated
  // value text, or the single verdict byte of the login check. Nothing for
  // commands the device does not know, which it leaves unanswered.
  std::optional<Bytes> Answer(const Request& query) const;

  // Carries out a set command. False when the payload makes no sense to the
  // device; such a command is neither carried out nor acknowledged.
  bool Apply(const Request& set);

 private:
  bool ApplyStaticAddress(const Request& set);
  bool ApplyLanInfo(const Request& set);
  bool ApplyDhcp(const Request& set);
  void RecordText(const Request& set);
  void MoveTo(const Ipv4& address, const std::string& netmask, const std::string& gateway);
  void MoveToDhcpAddress();
  std::optional<std::string> ValueText(int command) const;
  bool LoginAccepted(ByteView payload) const;

  DeviceConfig config_;
  Ipv4 address_;
  std::string netmask_;
  std::string gateway_;
  char dhcpFlag_;
  std::string portText_;
  std::string codepage_;
  std::vector<std::pair<int, std::string>> textCommands_;
};

}  // namespace tarvix::devsim
