#pragma once
#include <string>
#include <string_view>

namespace tarvix {

// One network port of a device, laid out exactly as it travels (60 bytes).
struct LanPortEntry {
  char name[10];
  char address[16];
  char netmask[16];
  char gateway[16];
  char dhcpFlag[2];
};
static_assert(sizeof(LanPortEntry) == 60);

// Both ports of a device (120 bytes); sent as held in memory, including bytes that
// the last parse did not overwrite.
struct LanInfo {
  LanPortEntry ports[2];

  // Present when the first port has a name.
  bool IsPresent() const { return ports[0].name[0] != '\0'; }
  // A device reports a second port only when it names its first LAN1; the
  // second entry of any other record holds whatever was there before.
  bool HasSecondPort() const;
  // How many entries the device reported: 0, 1 or 2.
  int PortCount() const { return IsPresent() ? (HasSecondPort() ? 2 : 1) : 0; }
};
static_assert(sizeof(LanInfo) == 120);

inline constexpr size_t kMaxPortTextLength = 511;

// Reads the device's port text into `info`. Fields the text does not reach keep their
// contents; pieces wider than their field are cut.
void ParsePortText(std::string_view text, LanInfo& info);

// Every empty field (two adjacent separators) becomes "NULL"; never longer than 511.
std::string WidenPortText(std::string_view text);

}  // namespace tarvix
