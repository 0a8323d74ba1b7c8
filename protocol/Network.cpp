#include "protocol/Network.h"

#include <cstring>
#include <ctime>
#include <string>

#include "protocol/FixedText.h"

namespace tarvix {
namespace {
constexpr int kPollMicroseconds = 10000;
constexpr int kMissPauseMs = 100;
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

PollOutcome Network::PollReceive(int i) {
  received_ = 0;
  area_[0] = 0;
  if (!ValidSlot(i)) {
    clock_.Idle();
    return PollOutcome::Nothing;
  }
  SocketApi::Wait wait = sockets_.WaitReadable(table_.receiveSockets[i], kPollMicroseconds);
  PollOutcome outcome = PollOutcome::Nothing;
  if (wait == SocketApi::Wait::Error) {
    outcome = PollOutcome::ReadFailed;
  } else if (wait == SocketApi::Wait::Readable) {
    long n = sockets_.Receive(table_.receiveSockets[i], area_, kReceiveAreaSize);
    if (n < 0 || static_cast<size_t>(n) > kReceiveAreaSize) {
      outcome = PollOutcome::ReadFailed;
    } else {
      received_ = static_cast<size_t>(n);
      area_[received_] = 0;
      outcome = PollOutcome::Read;
    }
  }
  clock_.Idle();
  return outcome;
}

bool Network::IsOurReply(const uint8_t* datagram, size_t length) const {
  return length >= 7 && std::memcmp(datagram + 1, clientId_.bytes, 6) == 0;
}

std::string ReportedAddress(const uint8_t* datagram, size_t length) {
  if (length < kReportedAddressOffset + 4) return {};
  return FormatAddress(datagram + kReportedAddressOffset);
}

Network::ExchangeStep Network::JudgeReply(uint8_t expectedType, const char* matchAddress) const {
  if (received_ == 0 || area_[0] != expectedType) return ExchangeStep::Skip;
  if (!IsOurReply(area_, received_)) return ExchangeStep::Miss;
  if (matchAddress == nullptr) return ExchangeStep::Accept;
  std::string reported = ReportedAddress(area_, received_);
  if (reported.empty() || reported != matchAddress) return ExchangeStep::Miss;
  return ExchangeStep::Accept;
}

int Network::RunExchange(int i, const uint8_t* request, size_t length, uint8_t expectedType,
                         const char* matchAddress, int flushPolls, int missLimit) {
  for (int f = 0; f < flushPolls; ++f) PollReceive(i);
  SendToGroup(i, request, length);
  int misses = 0;
  long skips = 0;
  const long skipBudget = static_cast<long>(missLimit + 1) * kSkipsPerMiss;
  for (;;) {
    PollOutcome outcome = PollReceive(i);
    ExchangeStep step = ExchangeStep::Miss;
    if (outcome == PollOutcome::ReadFailed) step = ExchangeStep::Skip;
    if (outcome == PollOutcome::Read) step = JudgeReply(expectedType, matchAddress);
    if (step == ExchangeStep::Accept) return 1;
    if (step == ExchangeStep::Skip && ++skips <= skipBudget) continue;
    if (++misses > missLimit) return 0;
    clock_.Pause(kMissPauseMs);
  }
}

}  // namespace tarvix
