#pragma once
#include <string>

namespace tarvix::addons {

// How the add-on flows start programs: a command line with its window hidden
// (the web pages and the widget engine's download page), and the desktop's
// "open" on a document (a widget file).
class AddonLauncher {
 public:
  virtual ~AddonLauncher() = default;
  // True when the program started.
  virtual bool RunHidden(const std::string& commandLine) = 0;
  // True when the document was handed to the program that opens it.
  virtual bool OpenDocument(const std::string& path) = 0;
};

}  // namespace tarvix::addons
