#include "tools/cli/Utils.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <ostream>

#include "protocol/FixedText.h"
#include "protocol/Protocol.h"

namespace tarvix::cli {

std::optional<std::string> AskHidden(const char* prompt) {
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  termios saved{};
  const bool isTerminal = tcgetattr(fd, &saved) == 0;
  termios quiet = saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  if (isTerminal) tcsetattr(fd, TCSAFLUSH, &quiet);
  (void)!write(fd, prompt, std::char_traits<char>::length(prompt));
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line.push_back(c);
  if (isTerminal) tcsetattr(fd, TCSAFLUSH, &saved);
  (void)!write(fd, "\n", 1);
  close(fd);
  return line;
}

bool SelectListedDevice(CliContext& context, const std::string& address) {
  context.protocol.Search();
  if (!context.protocol.devices.ContainsAddress(address)) {
    context.err << "No device is listed at " << address << ".\n";
    return false;
  }
  CopyField(context.protocol.session.selectedAddress, address);
  return true;
}

std::optional<settings::Octets> ToOctets(std::string_view text) {
  std::uint8_t bytes[4];
  if (!ParseAddress(text, bytes)) return std::nullopt;
  return settings::Octets{bytes[0], bytes[1], bytes[2], bytes[3]};
}

std::optional<settings::Octets> GatewayOctets(std::string_view text) {
  std::optional<settings::Octets> octets = ToOctets(text);
  if (octets && *octets == settings::Octets{0, 0, 0, 0}) return std::nullopt;
  return octets;
}

}  // namespace tarvix::cli
