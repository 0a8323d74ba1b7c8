#include "protocol/DeviceList.h"

#include <cstring>

#include "protocol/DeviceSession.h"
#include "protocol/FixedText.h"

namespace tarvix {
namespace {

auto HasAddress(std::string_view address) {
  return [address](const DeviceNode& n) { return FieldText(n.address) == address; };
}

}  // namespace

bool DeviceList::AppendDevice(std::string_view name, std::string_view address,
                              std::string_view netmask, std::string_view gateway,
                              const uint8_t* deviceId, std::string_view model,
                              std::string_view dhcpFlag, int interfaceIndex) {
  DeviceNode node;
  CopyField(node.name, name);
  CopyField(node.address, address);
  CopyField(node.netmask, netmask);
  CopyField(node.gateway, gateway);
  CopyField(node.dhcpFlag, dhcpFlag);
  std::memcpy(node.deviceId, deviceId, kDeviceIdSize);
  CopyField(node.model, model);
  node.interfaceIndex = interfaceIndex;
  return Push(node);
}

const DeviceNode* DeviceList::FindByAddress(std::string_view address) const {
  return FirstWhere(HasAddress(address));
}

DeviceNode* DeviceList::FindByAddress(std::string_view address) {
  return FirstWhere(HasAddress(address));
}

bool DeviceList::ContainsAddress(std::string_view address) const {
  return FindByAddress(address) != nullptr;
}

DeviceNode* FindSelectedDevice(DeviceList& devices, const DeviceSession& session) {
  return devices.FindByAddress(FieldText(session.selectedAddress));
}

}  // namespace tarvix
