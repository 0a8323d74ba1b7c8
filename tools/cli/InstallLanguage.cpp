#include "tools/cli/InstallLanguage.h"

#include <optional>
#include <ostream>

#include "addons/LanguageRows.h"
#include "tools/cli/AddonTool.h"
#include "tools/cli/Utils.h"

namespace tarvix::cli {
namespace {

struct LanguageArguments {
  std::string address;
  int row = 0;
  bool wait = false;
};

std::optional<LanguageArguments> Parse(const CliArgs& args, std::ostream& err) {
  LanguageArguments parsed;
  std::vector<std::string> values;
  for (const std::string& arg : args) {
    if (arg == "--wait") parsed.wait = true;
    else if (!arg.empty() && arg[0] != '-') values.push_back(arg);
    else {
      err << "tarvix install-language: unexpected argument '" << arg << "'\n";
      return std::nullopt;
    }
  }
  if (values.size() != 2) {
    err << "tarvix install-language: an ADDRESS and a CODEPAGE are needed\n";
    return std::nullopt;
  }
  const std::optional<int> row = addons::RowOfCodepage(values[1]);
  if (!row) {
    err << "tarvix install-language: CODEPAGE is one of";
    for (const addons::LanguageRow& language : addons::kLanguageRows)
      err << " " << language.codepage;
    err << "\n";
    return std::nullopt;
  }
  parsed.address = values[0];
  parsed.row = *row;
  return parsed;
}

}  // namespace

int InstallLanguage::Run(CliContext& context, const CliArgs& args) {
  const auto parsed = Parse(args, context.err);
  if (!parsed) return kUsageError;
  if (!SelectListedDevice(context, parsed->address)) return kFailure;
  AddonTool tool(context, parsed->address, {parsed->row, parsed->wait});
  return ExitStatusOf(tool.InstallLanguage());
}

}  // namespace tarvix::cli
