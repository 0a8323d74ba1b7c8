#include "protocol/DeviceList.h"

#include <cstring>
#include <new>

#include "protocol/DeviceSession.h"
#include "protocol/FixedText.h"

namespace tarvix {

bool DeviceList::AppendDevice(std::string_view name, std::string_view address,
                              std::string_view netmask, std::string_view gateway,
                              const uint8_t* deviceId, std::string_view model,
                              std::string_view dhcpFlag, int interfaceIndex) {
  DeviceNode* node = new (std::nothrow) DeviceNode{};
  if (!node) return false;
  CopyField(node->name, name);
  CopyField(node->address, address);
  CopyField(node->netmask, netmask);
  CopyField(node->gateway, gateway);
  CopyField(node->dhcpFlag, dhcpFlag);
  std::memcpy(node->deviceId, deviceId, kDeviceIdSize);
  CopyField(node->model, model);
  node->interfaceIndex = interfaceIndex;
  if (tail) tail->next = node;
  else head = node;
  tail = node;
  ++count;
  return true;
}

DeviceNode* DeviceList::FindByAddress(std::string_view address) const {
  for (DeviceNode* n = head; n; n = n->next)
    if (FieldText(n->address) == address) return n;
  return nullptr;
}

bool DeviceList::ContainsAddress(std::string_view address) const {
  return FindByAddress(address) != nullptr;
}

void DeviceList::ClearDevices() {
  while (head) {
    DeviceNode* next = head->next;
    delete head;
    head = next;
  }
  tail = nullptr;
  count = 0;
}

DeviceNode* FindSelectedDevice(const DeviceList& devices, const DeviceSession& session) {
  return devices.FindByAddress(FieldText(session.selectedAddress));
}

}  // namespace tarvix
