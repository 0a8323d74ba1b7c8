#pragma once
#include <string>
#include <string_view>

#include "addons/AddonContext.h"

namespace tarvix::addons {

// Marks a staging write: a path on the local drive, copied to `copyTo` once
// written. The test is a plain, case-sensitive substring test, so "c:\..."
// stays a local file.
inline constexpr std::string_view kStagingMark = "C:\\";

// Writes the payload of `resourceType` and `resourceId` to `path`, directly
// (`copyTo` empty) or through the local staging file `path` that is then copied
// to `copyTo`. True when the final file holds the whole payload; sets
// lastWriteFailed to the outcome either way.
bool WritePayload(AddonContext& context, std::string_view resourceType, unsigned resourceId,
                  const std::string& path, const std::string& copyTo);

}  // namespace tarvix::addons
