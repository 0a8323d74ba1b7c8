#include "tests/mock/AddonFakes.h"

#include "protocol/FixedText.h"

namespace tarvix::mock {

std::optional<std::string> QueryAnswers::Next() {
  if (script.empty()) return then;
  std::optional<std::string> next = script.front();
  script.pop_front();
  return next;
}

template <std::size_t N>
int FakeAddonOperations::Answer(const char* name, QueryAnswers& answers, char (&field)[N]) {
  journal_.push_back(name);
  const std::optional<std::string> answer = answers.Next();
  // Like a real query, an unanswered one leaves the field as it was.
  if (!answer) return 0;
  CopyField(field, *answer);
  return 1;
}

int FakeAddonOperations::QueryIdeOk() { return Answer("QueryIdeOk", ideOk, session_.ideOk); }
int FakeAddonOperations::QueryCodepage() {
  return Answer("QueryCodepage", codepage, session_.codepage);
}
int FakeAddonOperations::QueryShareName() {
  return Answer("QueryShareName", shareName, session_.shareName);
}
int FakeAddonOperations::QueryBtFirmware() {
  return Answer("QueryBtFirmware", btFirmware, session_.btFirmware);
}

int FakeAddonOperations::SendTextCommand(std::uint8_t command, std::string_view text) {
  journal_.push_back("send " + std::to_string(command) + " " + std::string(text));
  // As the protocol does until LAN settings were applied: the acknowledgement
  // cannot be matched; callers do not look.
  return 0;
}

std::vector<std::string> FakeAddonOperations::Sent() const {
  std::vector<std::string> sent;
  for (const std::string& entry : EntriesStartingWith(journal_, "send "))
    sent.push_back(entry.substr(5));
  return sent;
}

bool FakeAddonLauncher::RunHidden(const std::string& commandLine) {
  journal_.push_back("run " + commandLine);
  return runs;
}

bool FakeAddonLauncher::OpenDocument(const std::string& path) {
  journal_.push_back("open " + path);
  return opens;
}

void FakeAddonWindow::ClearDeviceSelected() {
  deviceSelected = false;
  journal_.push_back("clear selection");
}

std::optional<std::string> FakeAddonWindow::FocusedRowAddress() {
  journal_.push_back("focus device list");
  return rowAddress;
}

void JournalMessages::Show(std::string_view text, std::string_view caption,
                           settings::MessageIcon icon) {
  journal_.push_back("message " + std::string(text));
  shown.push_back({std::string(text), std::string(caption), icon});
}

std::vector<std::string> JournalMessages::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& box : shown) texts.push_back(box.text);
  return texts;
}

void JournalClock::Pause(int milliseconds) {
  journal_.push_back("pause " + std::to_string(milliseconds));
  pauses.push_back(milliseconds);
}

}  // namespace tarvix::mock
