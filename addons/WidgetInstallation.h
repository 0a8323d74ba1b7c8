#pragma once
#include <optional>
#include <string>

#include "addons/AddonContext.h"
#include "addons/AddonWindow.h"

namespace tarvix::addons {

// Where the widget engine can be downloaded. The engine was discontinued
// by its maker; its old download page is what the widget prompt offers.
inline constexpr const char* kWidgetEngineDownloadPage = "http://widgets.yahoo.com/download/";

// The file that hands the device's address to the widget.
inline constexpr const char* kAddressFile = "C:\\ip.txt";

// The widget file of a model, compared exactly (letter case included); none
// for a model the table does not know.
std::optional<std::string> WidgetFileOfModel(const std::string& model);
// The widget file of a model choice (0, 1, 2); none for -1 or anything else.
std::optional<std::string> WidgetFileOfChoice(int modelChoice);

// The widget button: hands the address of the device row to the widget,
// reminds the user of the widget engine, then opens the model's widget file.
void OnWidgetButton(AddonContext& context, AddonWindow& window);

}  // namespace tarvix::addons
