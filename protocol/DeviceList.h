#pragma once
#include <cstdint>
#include <string_view>

#include "protocol/AppendOnlyList.h"
#include "protocol/ProtocolConstants.h"

namespace tarvix {

struct DeviceNode {
  char name[256]{};
  char address[kAddressTextSize]{};
  char netmask[kAddressTextSize]{};
  char gateway[kAddressTextSize]{};
  char dhcpFlag[8]{};
  uint8_t deviceId[kDeviceIdSize]{};
  char model[34]{};
  int interfaceIndex = 0;
};

// The devices found by the last search, in the order their replies were accepted,
// keyed by address text. The list owns its nodes; iterate it with range-for.
class DeviceList : public AppendOnlyList<DeviceNode> {
 public:
  // False when the node could not be made; the list is then unchanged.
  bool AppendDevice(std::string_view name, std::string_view address, std::string_view netmask,
                    std::string_view gateway, const uint8_t* deviceId, std::string_view model,
                    std::string_view dhcpFlag, int interfaceIndex);
  bool ContainsAddress(std::string_view address) const;
  // The first node whose address equals `address` byte for byte, or null.
  DeviceNode* FindByAddress(std::string_view address);
  const DeviceNode* FindByAddress(std::string_view address) const;
  void ClearDevices() { RemoveAll(); }
  void ReleaseDevices() { RemoveAll(); }

  // The first node, or null.
  const DeviceNode* Head() const { return First(); }
};

struct DeviceSession;
// The node of the device that the session's selected address names, or null.
DeviceNode* FindSelectedDevice(DeviceList& devices, const DeviceSession& session);

}  // namespace tarvix
