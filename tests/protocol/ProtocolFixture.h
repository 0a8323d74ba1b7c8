#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "protocol/FixedText.h"
#include "protocol/Packet.h"
#include "protocol/Protocol.h"
#include "tests/mock/CountingClock.h"
#include "tests/mock/FakeSocketApi.h"
#include "tests/mock/ReplyBuilder.h"

namespace tarvix::testing {

// A started protocol on scripted sockets with a known client identity.
class ProtocolFixture : public ::testing::Test {
 protected:
  static constexpr uint8_t kClientId[10] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0, 0, 0, 0};
  static constexpr uint8_t kOtherClient[10] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBD, 0, 0, 0, 0};

  explicit ProtocolFixture(std::vector<std::string> addresses = {"10.77.1.1"}) {
    sockets.localAddresses = std::move(addresses);
  }

  void SetUp() override {
    ASSERT_TRUE(protocol.network.StartNetwork());
    ClientId id;
    std::memcpy(id.bytes, kClientId, 10);
    protocol.network.SetClientId(id);
    protocol.commands.SetTraceSink([this](std::string_view line) { trace += line; });
  }

  // Lists `device` as found on `interfaceIndex` and selects it.
  void ListAndSelect(const FakeDevice& device, int interfaceIndex = 0) {
    uint8_t id[10];
    std::memcpy(id, device.ownBytes, 6);
    std::memcpy(id + 6, device.address, 4);
    std::string address = FormatAddress(device.address);
    protocol.devices.AppendDevice(device.name, address, device.netmask, device.gateway, id,
                                  device.model, std::string(1, device.dhcp), interfaceIndex);
    CopyField(protocol.session.selectedAddress, address);
  }

  int PausesOf(int ms) const {
    int n = 0;
    for (int p : clock.pauses) n += p == ms;
    return n;
  }

  FakeSocketApi sockets;
  CountingClock clock;
  Protocol protocol{sockets, clock};
  std::string trace;
};

}  // namespace tarvix::testing
