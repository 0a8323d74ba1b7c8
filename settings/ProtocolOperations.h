#pragma once
#include "protocol/DeviceCommands.h"
#include "settings/DeviceOperations.h"

namespace tarvix::settings {

// The settings flows' operations carried out by the management protocol.
class ProtocolOperations final : public DeviceOperations {
 public:
  explicit ProtocolOperations(DeviceCommands& commands) : commands_(commands) {}

  int VerifyLogin() override { return commands_.VerifyLogin(); }
  int QueryDomain() override { return commands_.QueryDomain(); }
  int QueryLanInfo() override { return commands_.QueryLanInfo(); }
  int SetDhcp() override { return commands_.SetDhcp(); }
  int SetStaticAddress() override { return commands_.SetStaticAddress(); }

 private:
  DeviceCommands& commands_;
};

}  // namespace tarvix::settings
