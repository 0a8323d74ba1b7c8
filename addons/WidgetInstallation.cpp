#include "addons/WidgetInstallation.h"

#include <iterator>

#include "addons/AddonMessages.h"
#include "settings/BrowserCommandLine.h"

namespace tarvix::addons {
namespace {

struct ModelWidget {
  const char* model;
  const char* file;
};

// In the order they are compared; the first match decides.
constexpr ModelWidget kModelWidgets[] = {
    {"NV-A20", "TARVIXEu_NVA20_Widget.widget"},
    {"NV-B40", "TARVIXEu_NVB40_Widget.widget"},
    {"NV-A10", "TARVIXEu_NVA10_Widget.widget"},
    {"NV-A30", "TARVIXEu_NVA30_Widget"},  // so named, without ".widget"
};

// The model choice offers NV-A10, NV-A20 and NV-B40, in this order.
constexpr int kChoiceRows[] = {2, 0, 1};

// The whole content of the file is the address: no line end, no terminator.
bool WriteAddressFile(platform::FileService& files, const std::string& address) {
  std::unique_ptr<platform::FileWriter> writer = files.Create(kAddressFile);
  if (!writer) return false;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(address.data());
  const bool written = writer->Write({bytes, address.size()});
  return writer->Close() && written;
}

void ShowAddressFileError(AddonContext& context) {
  std::string where = context.files.SystemPath(kAddressFile);
  if (where.empty()) where = kAddressFile;
  std::string message(text::kAddressFileError);
  message.replace(message.find("%s"), 2, where);
  context.messages.Show(message, text::kCaptionError, settings::MessageIcon::Stop);
}

std::optional<std::string> ChooseWidgetFile(AddonContext& context, AddonWindow& window) {
  if (auto file = WidgetFileOfModel(window.SelectedModel())) return file;
  context.dialogs.RunModelSelect(context.state);
  return WidgetFileOfChoice(context.state.modelChoice);
}

}  // namespace

std::optional<std::string> WidgetFileOfModel(const std::string& model) {
  for (const ModelWidget& row : kModelWidgets)
    if (model == row.model) return std::string(row.file);
  return std::nullopt;
}

std::optional<std::string> WidgetFileOfChoice(int modelChoice) {
  if (modelChoice < 0 || modelChoice >= static_cast<int>(std::size(kChoiceRows)))
    return std::nullopt;
  return std::string(kModelWidgets[kChoiceRows[modelChoice]].file);
}

void OnWidgetButton(AddonContext& context, AddonWindow& window) {
  const std::optional<std::string> address = window.FocusedRowAddress();
  if (!address) {
    context.messages.Show(text::kSelectServer, text::kCaptionWarning,
                          settings::MessageIcon::Exclamation);
    return;
  }
  if (!WriteAddressFile(context.files, *address)) return ShowAddressFileError(context);
  context.dialogs.RunWidget(context.state);
  if (context.state.widgetDownload == 1) {
    context.launcher.RunHidden(std::string(settings::kShellOpener) + " " +
                               kWidgetEngineDownloadPage);
    return;
  }
  const std::optional<std::string> file = ChooseWidgetFile(context, window);
  if (!file) return;
  // The file name alone: the widget files live in the program's working folder.
  if (!context.launcher.OpenDocument(*file))
    context.messages.Show(text::kWidgetError, text::kCaptionWarning,
                          settings::MessageIcon::Information);
}

}  // namespace tarvix::addons
