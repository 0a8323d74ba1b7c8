#include "protocol/DeviceCommands.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "protocol/DeviceList.h"
#include "protocol/DeviceSession.h"
#include "protocol/FixedText.h"
#include "protocol/Network.h"
#include "protocol/Packet.h"
#include "protocol/ShareList.h"

namespace tarvix {
namespace {

constexpr int kQueryFlushPolls = 11;
constexpr int kMissShort = 10;
constexpr int kMissNormal = 20;
constexpr int kMissDhcp = 100;
constexpr int kMissStatic = 300;
constexpr uint8_t kLoginSeparator[2] = {0x55, 0xAA};

void StdoutTrace(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void MoveNode(DeviceNode& node, std::string_view newAddress) {
  CopyField(node.address, newAddress);
  uint8_t bytes[4] = {0, 0, 0, 0};
  ParseAddress(newAddress, bytes);
  std::memcpy(node.deviceId + 6, bytes, 4);
}

}  // namespace

DeviceCommands::DeviceCommands(Network& network, DeviceList& devices, DeviceSession& session,
                               ShareList& shares)
    : network_(network),
      devices_(devices),
      session_(session),
      shares_(shares),
      trace_(StdoutTrace) {}

std::string_view DeviceCommands::ReplyValue() const {
  return ReadValueText(network_.ReceiveArea(), network_.ReceivedLength());
}

int DeviceCommands::RunQuery(const QuerySpec& query, const uint8_t* payload, size_t payloadLength,
                             int flushPolls) {
  DeviceNode* node = FindSelectedDevice(devices_, session_);
  if (!node) return 0;
  uint8_t request[kRequestBufferSize];
  size_t length = BuildQueryRequest(network_.Id(), node->deviceId, query.command, payload,
                                    payloadLength, request);
  if (length == 0) return 0;
  return network_.RunExchange(node->interfaceIndex, request, length, kQueryReply,
                              session_.selectedAddress, flushPolls, query.missLimit,
                              query.replyLength);
}

int DeviceCommands::QueryText(uint8_t command, int missLimit, char* field, size_t width,
                              const char* key) {
  if (!RunQuery({command, missLimit}, nullptr, 0, kQueryFlushPolls)) return 0;
  std::string_view value = ReplyValue();
  if (trace_) trace_(std::string(key) + "=" + std::string(value) + "\n");
  CopyField(field, width, value);
  return 1;
}

int DeviceCommands::VerifyLogin() {
  std::string_view user = FieldText(session_.loginUser);
  std::string_view password = FieldText(session_.loginPassword);
  uint8_t payload[64];
  size_t n = 0;
  std::memcpy(payload, user.data(), user.size());
  n += user.size();
  std::memcpy(payload + n, kLoginSeparator, 2);
  n += 2;
  std::memcpy(payload + n, password.data(), password.size());
  n += password.size();
  // A reply cut before its verdict byte is not accepted: byte 28 of the receive area
  // would still hold an earlier reply's byte, and a refusal would pass for a yes.
  if (!RunQuery({kCmdLoginCheck, kMissShort, kLoginReplyLength}, payload, n, 0)) return 0;
  return ReadLoginVerdict(network_.ReceiveArea(), network_.ReceivedLength());
}

int DeviceCommands::QueryShareList() {
  shares_.Clear();
  if (!RunQuery({kCmdShareList, kMissNormal}, nullptr, 0, kQueryFlushPolls)) return 0;
  shares_.AppendShareText(ReplyValue());
  return 1;
}

int DeviceCommands::QueryCodepage() {
  return QueryText(kCmdCodepage, kMissShort, session_.codepage, sizeof session_.codepage,
                   "codepage");
}
int DeviceCommands::QueryIdeOk() {
  return QueryText(kCmdIdeOk, kMissNormal, session_.ideOk, sizeof session_.ideOk, "ideok");
}
int DeviceCommands::QueryShareName() {
  return QueryText(kCmdShareName, kMissNormal, session_.shareName, sizeof session_.shareName,
                   "sharename");
}
int DeviceCommands::QueryBtFirmware() {
  return QueryText(kCmdBtFirmware, kMissNormal, session_.btFirmware, sizeof session_.btFirmware,
                   "bt_firmware");
}
int DeviceCommands::QueryDomain() {
  return QueryText(kCmdDomain, kMissNormal, session_.domain, sizeof session_.domain, "domain");
}
int DeviceCommands::QuerySsl() {
  return QueryText(kCmdSsl, kMissNormal, session_.ssl, sizeof session_.ssl, "ssl");
}

int DeviceCommands::QueryLanInfo() {
  if (!RunQuery({kCmdLanInfo, kMissNormal}, nullptr, 0, kQueryFlushPolls)) return 0;
  ParsePortText(ReplyValue(), session_.lanInfo);
  return 1;
}

int DeviceCommands::SetDhcp() {
  DeviceNode* node = FindSelectedDevice(devices_, session_);
  if (!node) return 0;
  const bool present = session_.lanInfo.IsPresent();
  uint8_t request[kRequestBufferSize];
  size_t length =
      BuildSetRequest(network_.Id(), node->deviceId, kCmdSetDhcp, {}, {},
                      present ? reinterpret_cast<const uint8_t*>(&session_.lanInfo) : nullptr,
                      present ? sizeof(LanInfo) : 0, request);
  if (!network_.RunExchange(node->interfaceIndex, request, length, kSetReply, nullptr, 0,
                            kMissDhcp))
    return 0;
  // The exchange accepts only replies that carry the whole header, so the address that
  // the device reports (bytes 17-20) is always there.
  std::string reported = ReportedAddress(network_.ReceiveArea(), network_.ReceivedLength());
  MoveNode(*node, reported);
  CopyField(session_.selectedAddress, reported);
  return 1;
}

int DeviceCommands::SetStaticAddress() {
  DeviceNode* node = FindSelectedDevice(devices_, session_);
  if (!node) return 0;
  const bool present = session_.lanInfo.IsPresent();
  std::string_view pending = FieldText(session_.pendingAddress);
  const uint8_t* payload = present ? reinterpret_cast<const uint8_t*>(&session_.lanInfo)
                                   : reinterpret_cast<const uint8_t*>(pending.data());
  uint8_t request[kRequestBufferSize];
  size_t length =
      BuildSetRequest(network_.Id(), node->deviceId, present ? kCmdSetLanInfo : kCmdSetAddress,
                      FieldText(session_.pendingNetmask), FieldText(session_.pendingGateway),
                      payload, present ? sizeof(LanInfo) : pending.size(), request);
  if (!network_.RunExchange(node->interfaceIndex, request, length, kSetReply, nullptr, 0,
                            kMissStatic))
    return 0;
  MoveNode(*node, pending);
  CopyField(node->netmask, FieldText(session_.pendingNetmask));
  CopyField(node->gateway, FieldText(session_.pendingGateway));
  CopyField(session_.selectedAddress, pending);
  return 1;
}

int DeviceCommands::SendTextCommand(uint8_t command, std::string_view text) {
  DeviceNode* node = FindSelectedDevice(devices_, session_);
  if (!node) return 0;
  uint8_t request[kRequestBufferSize];
  size_t length =
      BuildSetRequest(network_.Id(), node->deviceId, command, FieldText(session_.pendingNetmask),
                      FieldText(session_.pendingGateway),
                      reinterpret_cast<const uint8_t*>(text.data()), text.size(), request);
  if (length == 0) return 0;
  return network_.RunExchange(node->interfaceIndex, request, length, kSetReply,
                              session_.pendingAddress, 0, kMissShort);
}

}  // namespace tarvix
