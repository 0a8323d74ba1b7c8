#include "protocol/Network.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <string>

#include "protocol/FixedText.h"

namespace tarvix {
namespace {
constexpr int kPollMs = 10;
constexpr int kMissPauseMs = 100;
// Datagrams one look reads from a socket before the clock checks its time again.
constexpr int kReadsPerLook = 64;
}  // namespace

Network::Network(SocketApi& sockets, Clock& clock) : sockets_(sockets), clock_(clock) {}

bool Network::StartNetwork() {
  if (!sockets_.Startup()) return false;
  for (const std::string& address : sockets_.LocalAddresses()) {
    if (table_.count == kMaxInterfaces) break;
    CopyField(table_.addresses[table_.count], kAddressTextSize, address);
    ++table_.count;
  }
  clientId_ = ClientId::Make(std::time(nullptr));
  // All sending sockets first, then the receiving ones; failures only leave a slot
  // that finds no replies.
  for (int i = 0; i < table_.count; ++i) table_.sendSockets[i] = sockets_.OpenSendSocket();
  for (int i = 0; i < table_.count; ++i)
    table_.receiveSockets[i] = sockets_.OpenReceiveSocket(table_.addresses[i]);
  state_ = State::Started;
  return true;
}

void Network::StopNetwork() {
  if (state_ != State::Started) return;
  for (int i = 0; i < table_.count; ++i) {
    sockets_.Close(table_.sendSockets[i]);
    table_.sendSockets[i] = -1;
    sockets_.Close(table_.receiveSockets[i]);
    table_.receiveSockets[i] = -1;
  }
  sockets_.Cleanup();
  state_ = State::Stopped;
}

bool Network::ValidSlot(int i) const { return i >= 0 && i < table_.count; }

bool Network::SendToGroup(int i, const uint8_t* bytes, size_t length) {
  if (!ValidSlot(i)) return false;
  return sockets_.SendToGroup(table_.sendSockets[i], table_.addresses[i], bytes, length);
}

bool Network::PollReceive(Slots slots, const Take& take) {
  return clock_.Poll(kPollMs, [&](int slice) { return Look(slots, slice, take); });
}

bool Network::PauseReceiving(int milliseconds, Slots slots, const Take& take) {
  return clock_.PauseWatching(milliseconds, [&](int slice) { return Look(slots, slice, take); });
}

bool Network::Look(Slots slots, int sliceMicroseconds, const Take& take) {
  int sockets[kMaxInterfaces];
  int owners[kMaxInterfaces];
  size_t count = 0;
  for (int i : slots) {
    if (!ValidSlot(i) || count == kMaxInterfaces) continue;
    owners[count] = i;
    sockets[count++] = table_.receiveSockets[i];
  }
  bool readable[kMaxInterfaces] = {true, true, true, true, true, true, true, true};
  // With no time to wait there is nothing to wait for: every socket is read until it
  // has nothing queued.
  if (sliceMicroseconds > 0 && sockets_.WaitAnyReadable(sockets, count, sliceMicroseconds,
                                                        readable) != SocketApi::Wait::Readable)
    return false;
  for (size_t k = 0; k < count; ++k)
    if (readable[k] && ReadQueued(owners[k], take)) return true;
  return false;
}

bool Network::ReadQueued(int i, const Take& take) {
  // The clock checks its time between looks, so one look reads a bounded number of
  // datagrams even from a socket that never runs dry.
  for (int reads = 0; reads < kReadsPerLook; ++reads) {
    long n = sockets_.ReceiveNow(table_.receiveSockets[i], area_, kReceiveAreaSize);
    if (n == SocketApi::kWouldBlock) return false;
    if (n < 0 || static_cast<size_t>(n) > kReceiveAreaSize) continue;  // a failed read
    received_ = static_cast<size_t>(n);
    area_[received_] = 0;
    if (take(i)) return true;
  }
  return false;
}

void Network::ForgetReceived() {
  received_ = 0;
  area_[0] = 0;
}

bool Network::IsOurReply(const uint8_t* datagram, size_t length) const {
  return length >= 7 && std::memcmp(datagram + 1, clientId_.bytes, 6) == 0;
}

std::string ReportedAddress(const uint8_t* datagram, size_t length) {
  if (length < kReportedAddressOffset + 4) return {};
  return FormatAddress(datagram + kReportedAddressOffset);
}

bool Network::IsAnswer(uint8_t expectedType, const char* matchAddress, size_t replyLength) const {
  if (received_ == 0 || area_[0] != expectedType) return false;
  if (received_ < std::max(kReplyHeaderSize, replyLength)) return false;
  if (!IsOurReply(area_, received_)) return false;
  if (matchAddress == nullptr) return true;
  std::string reported = ReportedAddress(area_, received_);
  return !reported.empty() && reported == matchAddress;
}

int Network::RunExchange(int i, const uint8_t* request, size_t length, uint8_t expectedType,
                         const char* matchAddress, int flushPolls, int missLimit,
                         size_t replyLength) {
  const int slot[] = {i};
  // The flush reads for its whole time, so a late answer to an earlier request that
  // arrives during it is not taken for the answer to this one.
  const Take discard = [](int) { return false; };
  for (int f = 0; f < flushPolls; ++f) PollReceive(slot, discard);
  ForgetReceived();
  SendToGroup(i, request, length);
  const Take answer = [&](int) { return IsAnswer(expectedType, matchAddress, replyLength); };
  for (int misses = 0;;) {
    if (PollReceive(slot, answer)) return 1;
    if (++misses > missLimit) break;
    if (PauseReceiving(kMissPauseMs, slot, answer)) return 1;
  }
  ForgetReceived();
  return 0;
}

}  // namespace tarvix
