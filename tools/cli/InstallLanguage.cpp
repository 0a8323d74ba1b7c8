#include "tools/cli/InstallLanguage.h"

#include <optional>
#include <ostream>

#include "addons/LanguageRows.h"
#include "tools/cli/AddonTool.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {
namespace {

// "one of 950 936 ...": the code pages the verb takes, in the dialog's order.
std::string CodepageChoice() {
  std::string text = "one of";
  for (const addons::LanguageRow& language : addons::kLanguageRows)
    text.append(" ").append(language.codepage);
  return text;
}

}  // namespace

std::string InstallLanguage::Help() const {
  return "install language support for a code page; the device restarts\n\n"
         "  ADDRESS   the device's address as discover lists it\n"
         "  CODEPAGE  " +
         CodepageChoice() + "\n  --wait    wait out the device's restart, with a progress line\n";
}

bool InstallLanguage::Parse(const CliArgs& args, std::ostream& err) {
  std::vector<std::string> values;
  for (const std::string& arg : args) {
    if (arg == "--wait")
      wait_ = true;
    else if (!arg.empty() && arg[0] != '-')
      values.push_back(arg);
    else {
      err << "tarvix install-language: unexpected argument '" << arg << "'\n";
      return false;
    }
  }
  if (values.size() != 2) {
    err << "tarvix install-language: an ADDRESS and a CODEPAGE are needed\n";
    return false;
  }
  const std::optional<int> row = addons::RowOfCodepage(values[1]);
  if (!row) {
    err << "tarvix install-language: CODEPAGE is " << CodepageChoice() << "\n";
    return false;
  }
  address_ = values[0];
  row_ = *row;
  return true;
}

int InstallLanguage::Run(CliContext& context) {
  if (!SelectListedDevice(context, address_)) return kFailure;
  AddonTool tool(context, address_, {row_, wait_});
  return ExitStatusOf(tool.InstallLanguage());
}

}  // namespace tarvix::cli
