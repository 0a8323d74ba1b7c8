#pragma once
#include <span>
#include <string>
#include <vector>

#include "addons/AddonFlows.h"
#include "addons/EmbeddedPayloads.h"
#include "tests/mock/AddonFakes.h"
#include "tests/mock/FakeAddonDialogs.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeFileService.h"

namespace tarvix::addons::testing {

// The add-on flows on doubles that share one journal.
struct AddonHarness {
  mock::Journal journal;
  DeviceSession session;
  mock::FakeAddonOperations operations{session, journal};
  mock::JournalMessages messages{journal};
  mock::JournalClock clock{journal};
  mock::FakeFileService files{&journal};
  tarvix::testing::FakeDriveService drives;
  mock::FakeAddonLauncher launcher{journal};
  mock::FakeAddonDialogs dialogs{journal};
  mock::FakeAddonWindow window{journal};
  bool administratorAccepted = true;
  AddonFlows flows{
      session, operations, clock, messages, dialogs, {files, drives, launcher}, [this] {
        journal.push_back("administrator check");
        return administratorAccepted;
      }};
  AddonState& state = flows.State();
  AddonContext& context = flows.Context();

  std::vector<std::string> Entries(const std::string& prefix) const {
    return mock::EntriesStartingWith(journal, prefix);
  }
  int At(const std::string& entry) const { return mock::IndexOf(journal, entry); }
};

inline std::vector<std::uint8_t> PayloadBytes(std::string_view type, unsigned id) {
  const auto payload = FindPayload(type, id);
  return payload ? std::vector<std::uint8_t>(payload->begin(), payload->end())
                 : std::vector<std::uint8_t>{};
}

}  // namespace tarvix::addons::testing
