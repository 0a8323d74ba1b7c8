#pragma once
#include "addons/AddonOperations.h"
#include "protocol/DeviceCommands.h"

namespace tarvix::addons {

// The add-on operations carried out by the management protocol.
class ProtocolAddonOperations final : public AddonOperations {
 public:
  explicit ProtocolAddonOperations(DeviceCommands& commands) : commands_(commands) {}

  int QueryIdeOk() override { return commands_.QueryIdeOk(); }
  int QueryCodepage() override { return commands_.QueryCodepage(); }
  int QueryShareName() override { return commands_.QueryShareName(); }
  int QueryBtFirmware() override { return commands_.QueryBtFirmware(); }
  int SendTextCommand(std::uint8_t command, std::string_view text) override {
    return commands_.SendTextCommand(command, text);
  }

 private:
  DeviceCommands& commands_;
};

}  // namespace tarvix::addons
