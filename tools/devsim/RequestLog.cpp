#include "tools/devsim/RequestLog.h"

#include <chrono>
#include <ctime>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

std::string CommandOf(ByteView datagram, int fallback) {
  const bool hasCommand = (datagram[0] == kTypeQueryRequest || datagram[0] == kTypeSetRequest) &&
                          datagram.size() > kCommandOffset;
  if (hasCommand) return std::to_string(datagram[kCommandOffset]);
  return fallback >= 0 ? std::to_string(fallback) : "-";
}

std::string Describe(ByteView datagram, int fallbackCommand) {
  if (datagram.empty()) return "type=- cmd=- len=0";
  return "type=" + std::to_string(datagram[0]) + " cmd=" + CommandOf(datagram, fallbackCommand) +
         " len=" + std::to_string(datagram.size());
}

}  // namespace

std::string FormatReceived(const std::string& time, const std::string& from, ByteView datagram) {
  return time + " rx from=" + from + " " + Describe(datagram, -1) + " data=" + ToHex(datagram);
}

std::string FormatSent(const std::string& time, const std::string& device, ByteView datagram,
                       int requestCommand, int delayMs) {
  return time + " tx dev=" + device + " " + Describe(datagram, requestCommand) +
         " delay=" + std::to_string(delayMs) + " data=" + ToHex(datagram);
}

std::string LogTimestamp() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  const auto seconds = system_clock::to_time_t(now);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[40];
  const auto length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(millis));
  return text;
}

RequestLog::~RequestLog() {
  if (file_ != nullptr) std::fclose(file_);
}

bool RequestLog::Open(const std::string& path) {
  file_ = std::fopen(path.c_str(), "a");
  return file_ != nullptr;
}

void RequestLog::Write(const std::string& line) {
  if (file_ == nullptr) return;
  std::fputs(line.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

}  // namespace tarvix::devsim
