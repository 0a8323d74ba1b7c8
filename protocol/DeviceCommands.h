#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "protocol/ProtocolConstants.h"

namespace tarvix {

class Network;
class DeviceList;
class ShareList;
struct DeviceSession;

// The query and set operations on the selected device. Each returns 1 on success and
// 0 on failure (VerifyLogin returns the device's verdict) and blocks until it ends.
class DeviceCommands {
 public:
  // Receives the trace lines of successful text queries ("ssl=1\n", ...).
  using TraceSink = std::function<void(std::string_view)>;

  DeviceCommands(Network& network, DeviceList& devices, DeviceSession& session, ShareList& shares);

  void SetTraceSink(TraceSink sink) { trace_ = std::move(sink); }

  int VerifyLogin();
  int QueryShareList();
  int QueryCodepage();
  int QueryIdeOk();
  int QueryShareName();
  int QueryBtFirmware();
  int QueryDomain();
  int QuerySsl();
  int QueryLanInfo();
  int SetDhcp();
  int SetStaticAddress();
  int SendTextCommand(uint8_t command, std::string_view text);

 private:
  struct QuerySpec {
    uint8_t command;
    int missLimit;
    // What the reply's reader needs; the value text needs no more than the header.
    size_t replyLength = kReplyHeaderSize;
  };
  // Runs one value query; on success the reply is in the network's receive area.
  int RunQuery(const QuerySpec& query, const uint8_t* payload, size_t payloadLength,
               int flushPolls);
  int QueryText(uint8_t command, int missLimit, char* field, size_t width, const char* key);
  std::string_view ReplyValue() const;

  Network& network_;
  DeviceList& devices_;
  DeviceSession& session_;
  ShareList& shares_;
  TraceSink trace_;
};

}  // namespace tarvix
