#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::platform {

// A network path "\\SERVER\SHARE[\rest]" and its smb:// URL form.
struct UncPath {
  std::string server;
  std::string share;
  std::string rest;  // path below the share, backslash separated, may be empty

  // Accepts "\\server\share" with an optional deeper path; none otherwise.
  static std::optional<UncPath> Parse(std::string_view text);
  // Accepts "smb://server/share[/rest]" with percent escapes; none otherwise.
  static std::optional<UncPath> FromSmbUrl(std::string_view url);

  std::string ToUnc() const;
  // Percent-encodes each segment; a non-zero port is written after the server.
  std::string ToSmbUrl(std::uint16_t port = 0) const;

  bool operator==(const UncPath&) const = default;
};

}  // namespace tarvix::platform
