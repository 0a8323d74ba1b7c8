#include "tools/cli/Command.h"

#include <cctype>

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
  text += "       tarvix VERB --help\n";
  text += "       tarvix --help | --version\n";
  return text;
}

std::string HelpText() {
  std::string text = UsageText();
  text += "\nFinds the network storage devices on the local network and manages them.\n\n";
  for (const auto& command : AllCommands()) {
    const std::string help = command->Help();
    std::string name(command->Name());
    name.resize(12, ' ');
    text.append("  ").append(name).append(help.substr(0, help.find('\n'))).append("\n");
  }
  text +=
      "\nThe set verbs try the administrator password empty first, then take it from\n"
      "TARVIX_PASSWORD, or ask for it on the terminal.\n";
  return text;
}

// The first line of the help is a phrase for the verb list; alone it reads as a
// sentence.
std::string HelpText(const Command& command) {
  std::string text("usage: tarvix ");
  text.append(command.Name()).append(" ").append(command.Arguments()).append("\n\n");
  const std::string help = command.Help();
  const size_t end = help.find('\n');
  text += static_cast<char>(std::toupper(static_cast<unsigned char>(help[0])));
  text.append(help.substr(1, end - 1)).append(".").append(help.substr(end));
  return text;
}

}  // namespace tarvix::cli
