#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "addons/AddonLauncher.h"
#include "addons/AddonOperations.h"
#include "addons/AddonWindow.h"
#include "protocol/Clock.h"
#include "protocol/DeviceSession.h"
#include "settings/MessageBoxes.h"
#include "tests/mock/Journal.h"

namespace tarvix::mock {

// What a device answers to one kind of query: the scripted answers in order,
// then `then` for every further question. None is no answer at all.
struct QueryAnswers {
  std::deque<std::optional<std::string>> script;
  std::optional<std::string> then;

  std::optional<std::string> Next();
};

// A device's add-on answers. Each call goes into the journal: "QueryIdeOk",
// "QueryCodepage", "QueryShareName", "QueryBtFirmware", "send 10 rw".
class FakeAddonOperations final : public addons::AddonOperations {
 public:
  FakeAddonOperations(DeviceSession& session, Journal& journal)
      : session_(session), journal_(journal) {}

  int QueryIdeOk() override;
  int QueryCodepage() override;
  int QueryShareName() override;
  int QueryBtFirmware() override;
  int SendTextCommand(std::uint8_t command, std::string_view text) override;

  QueryAnswers ideOk{{}, "3"};
  QueryAnswers codepage{{}, "950"};
  QueryAnswers shareName{{}, "HDD_1"};
  QueryAnswers btFirmware{{}, "1"};

  // The journal's sends alone: "10 rw", "8 866", ...
  std::vector<std::string> Sent() const;

 private:
  template <std::size_t N>
  int Answer(const char* name, QueryAnswers& answers, char (&field)[N]);

  DeviceSession& session_;
  Journal& journal_;
};

// Starts nothing: "run LINE" and "open FILE" into the journal, answered with
// the results set here.
class FakeAddonLauncher final : public addons::AddonLauncher {
 public:
  explicit FakeAddonLauncher(Journal& journal) : journal_(journal) {}
  bool RunHidden(const std::string& commandLine) override;
  bool OpenDocument(const std::string& path) override;

  bool runs = true;
  bool opens = true;

 private:
  Journal& journal_;
};

// The main window: "refresh drives", "fill drive letters", "search",
// "clear selection" and "focus device list" into the journal.
class FakeAddonWindow final : public addons::AddonWindow {
 public:
  explicit FakeAddonWindow(Journal& journal) : journal_(journal) {}

  bool DeviceSelected() const override { return deviceSelected; }
  void ClearDeviceSelected() override;
  std::string SelectedHost() const override { return host; }
  std::string SelectedModel() const override { return model; }
  std::optional<std::string> FocusedRowAddress() override;
  void RefreshMappedDrives() override { journal_.push_back("refresh drives"); }
  void FillDriveLetterCombo() override { journal_.push_back("fill drive letters"); }
  void Search() override { journal_.push_back("search"); }

  bool deviceSelected = true;
  std::string host = "10.77.1.2";
  std::string model = "NV-A20";
  std::optional<std::string> rowAddress = "10.77.1.2";

 private:
  Journal& journal_;
};

// Message boxes: "message TEXT" into the journal, and each box as shown.
class JournalMessages final : public settings::MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    settings::MessageIcon icon;
    bool operator==(const Shown&) const = default;
  };
  explicit JournalMessages(Journal& journal) : journal_(journal) {}
  void Show(std::string_view text, std::string_view caption, settings::MessageIcon icon) override;
  std::vector<std::string> Texts() const;

  std::vector<Shown> shown;

 private:
  Journal& journal_;
};

// Pauses without waiting: "pause MS" into the journal.
class JournalClock final : public Clock {
 public:
  explicit JournalClock(Journal& journal) : journal_(journal) {}
  void Pause(int milliseconds) override;
  std::vector<int> pauses;

 private:
  Journal& journal_;
};

}  // namespace tarvix::mock
