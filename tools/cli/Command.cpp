#include "tools/cli/Command.h"

#include "tools/cli/Discover.h"
#include "tools/cli/Info.h"
#include "tools/cli/InstallBitTorrent.h"
#include "tools/cli/InstallLanguage.h"
#include "tools/cli/SetDhcp.h"
#include "tools/cli/SetStatic.h"

namespace tarvix::cli {

const std::vector<std::unique_ptr<Command>>& AllCommands() {
  static const std::vector<std::unique_ptr<Command>> commands = [] {
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::make_unique<Discover>());
    list.push_back(std::make_unique<Info>());
    list.push_back(std::make_unique<SetStatic>());
    list.push_back(std::make_unique<SetDhcp>());
    list.push_back(std::make_unique<InstallLanguage>());
    list.push_back(std::make_unique<InstallBitTorrent>());
    return list;
  }();
  return commands;
}

Command* FindCommand(std::string_view name) {
  for (const auto& command : AllCommands())
    if (command->Name() == name) return command.get();
  return nullptr;
}

std::string UsageText() {
  std::string text;
  for (const auto& command : AllCommands()) {
    text += text.empty() ? "usage: tarvix " : "       tarvix ";
    text.append(command->Name()).append(" ").append(command->Arguments()).append("\n");
  }
  return text;
}

}  // namespace tarvix::cli
