#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarvix::settings {

// The account text "DOMAIN\user" is made in a buffer of this many bytes.
inline constexpr std::size_t kAccountBufferSize = 260;

// "DOMAIN\user"; none when it would not fit the buffer. A cut account would name
// somebody else, so a combination that is too long is refused, not shortened.
std::optional<std::string> DomainAccount(std::string_view domain, std::string_view user);

// "\\ADDRESS\VOLUME", the share as the connection services name it.
std::string ShareRemoteName(std::string_view address, std::string_view volume);

// The drive name ("K:") at the start of a drive combo item or a "Location".
std::string DriveNameOf(std::string_view item);

// A combo item names a letter in use when it shows the letter's mapping after it
// ("K: \\server\share"); a free letter's item is the drive name alone.
bool IsDriveItemInUse(std::string_view item);

}  // namespace tarvix::settings
