#pragma once

#include <cstddef>
#include <cstdint>

namespace tarvix::platform {

// A file opened for reading, local or on a share.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // Bytes read into `buffer`: 0 at the end, -1 on an error.
  virtual long Read(std::uint8_t* buffer, std::size_t capacity) = 0;
};

}  // namespace tarvix::platform
