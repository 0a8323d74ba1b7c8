#pragma once
#include <cstdio>
#include <string>

#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

// One line per datagram received or sent, for tests that check the exact
// bytes on the wire:
//   <time> rx from=<addr:port> type=<t> cmd=<c|-> len=<n> data=<hex>
//   <time> tx dev=<name> type=<t> cmd=<c|-> len=<n> delay=<ms> data=<hex>
std::string FormatReceived(const std::string& time, const std::string& from, ByteView datagram);
std::string FormatSent(const std::string& time, const std::string& device, ByteView datagram,
                       int requestCommand, int delayMs);

// UTC wall-clock time with milliseconds, e.g. 2024-05-01T12:00:00.123Z.
std::string LogTimestamp();

// Appends lines and flushes each at once, so a reader sees it immediately.
class RequestLog {
 public:
  RequestLog() = default;
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  bool Open(const std::string& path);
  void Write(const std::string& line);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace tarvix::devsim
