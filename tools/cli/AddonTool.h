#pragma once
#include <memory>
#include <string>

#include "addons/InstallOutcome.h"
#include "tools/cli/Command.h"

namespace tarvix::cli {

// The add-on flows as the tool runs them: the same flow code as the window's
// buttons, with the tool's message boxes (standard error) and no dialogs. The
// device at `address` stands for the clicked row. Each payload file is listed
// on standard output as it is written.
class AddonTool {
 public:
  struct Options {
    int codepageRow = 0;          // the language to install
    bool waitForRestart = false;  // wait out the device's restart with a progress line
  };

  AddonTool(CliContext& context, std::string address, Options options);
  ~AddonTool();

  addons::InstallOutcome InstallLanguage();
  addons::InstallOutcome InstallBitTorrent();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// The exit status of an add-on verb.
int ExitStatusOf(addons::InstallOutcome outcome);

}  // namespace tarvix::cli
