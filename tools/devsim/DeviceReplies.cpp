#include "tools/devsim/DeviceReplies.h"

#include <string>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

constexpr std::size_t kBasicNameOffset = 56;
constexpr std::size_t kExtendedNameOffset = 68;
constexpr std::size_t kModelNameOffset = 100;

Bytes Header(std::uint8_t type, const Device& device, const ClientId& client) {
  Bytes reply(kReplyHeaderSize, 0);
  reply[0] = type;
  PutBytes(reply, kClientIdOffset, client);
  PutBytes(reply, kDeviceIdOffset, device.deviceId());
  return reply;
}

std::size_t NameOffset(std::uint8_t type) {
  if (type == kTypeDiscoverModel) return kModelNameOffset;
  if (type == kTypeDiscoverExtended) return kExtendedNameOffset;
  return kBasicNameOffset;
}

void PutCountedName(Bytes& reply, std::size_t offset, const std::string& name) {
  PutU32(reply, offset, static_cast<std::uint32_t>(name.size()));
  PutBytes(reply, offset + 4,
           ByteView(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
}

}  // namespace

Bytes BuildDiscoverReply(const Device& device, const ClientId& client) {
  const auto& config = device.config();
  const auto type = config.replyType;
  auto reply = Header(type, device, client);
  reply.resize(kBasicNameOffset, 0);
  reply[kReplyDhcpFlagOffset] = static_cast<std::uint8_t>(device.dhcpFlag());
  PutTextField(reply, kReplyNetmaskOffset, kAddressFieldWidth, device.netmask());
  PutTextField(reply, kReplyGatewayOffset, kAddressFieldWidth, device.gateway());
  if (type != kTypeDiscoverBasic) {
    reply.resize(kExtendedNameOffset, 0);
    reply[kReplySelectorAOffset] = config.selectorA;
    reply[kReplySelectorBOffset] = config.selectorB;
  }
  if (type == kTypeDiscoverModel)
    PutTextField(reply, kReplyModelOffset, kReplyModelWidth, config.model);
  PutCountedName(reply, NameOffset(type), config.name);
  return reply;
}

Bytes BuildQueryReply(const Device& device, const ClientId& client, ByteView value) {
  auto reply = Header(kTypeQueryReply, device, client);
  PutBytes(reply, kQueryValueOffset, value);
  return reply;
}

Bytes BuildSetReply(const Device& device, const ClientId& client) {
  return Header(kTypeSetReply, device, client);
}

}  // namespace tarvix::devsim
