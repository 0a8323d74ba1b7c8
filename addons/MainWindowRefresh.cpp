#include "addons/MainWindowRefresh.h"

namespace tarvix::addons {

void RefreshAfterAddon(AddonContext& context, AddonWindow& window) {
  if (context.state.flowAbandoned != 0) return;
  window.RefreshMappedDrives();
  window.FillDriveLetterCombo();
  window.Search();
  window.ClearDeviceSelected();
}

}  // namespace tarvix::addons
