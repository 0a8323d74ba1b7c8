#pragma once
#include <array>
#include <string>

namespace tarvix::settings {

// The three address controls, numbered as the octet checks name them.
enum class LanField { Address = 1, Netmask = 2, Gateway = 3 };

// Four octets as the checks take them: ints, so callers may pass wider values.
using Octets = std::array<int, 4>;

// Choices of the "Receive DHCP" combo.
inline constexpr int kDhcpNoChoice = -1;
inline constexpr int kDhcpDisable = 0;
inline constexpr int kDhcpEnable = 1;

// The window's address controls, DHCP combo and hidden port selector, as the
// LAN settings flow reads and steers them.
class LanForm {
 public:
  virtual ~LanForm() = default;
  virtual bool IsBlank(LanField field) const = 0;
  // A blank control reads as 0.0.0.0.
  virtual Octets Read(LanField field) const = 0;
  // Keyboard focus to one octet (0..3) of a control.
  virtual void SetFieldFocus(LanField field, int octet) = 0;
  // kDhcpDisable, kDhcpEnable or kDhcpNoChoice.
  virtual int DhcpChoice() const = 0;
  // Text of the port selector's current item; empty when it has none.
  virtual std::string PortSelectorText() const = 0;
};

}  // namespace tarvix::settings
