#pragma once
#include <cstdint>
#include <string_view>

namespace tarvix::addons {

// The protocol operations the add-on flows use, on the session's selected
// device; each returns 1 on success and 0 on failure, and stores its value in
// the session.
class AddonOperations {
 public:
  virtual ~AddonOperations() = default;
  virtual int QueryIdeOk() = 0;
  virtual int QueryCodepage() = 0;
  virtual int QueryShareName() = 0;
  virtual int QueryBtFirmware() = 0;
  virtual int SendTextCommand(std::uint8_t command, std::string_view text) = 0;
};

// The text commands of an installation.
inline constexpr std::uint8_t kCommandCodepage = 8;
inline constexpr std::uint8_t kCommandPrepare = 10;     // "rw"
inline constexpr std::uint8_t kCommandStop = 13;        // "stop"
inline constexpr std::uint8_t kCommandBitTorrent = 14;  // "BT"

}  // namespace tarvix::addons
