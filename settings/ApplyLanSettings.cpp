#include "settings/ApplyLanSettings.h"

#include "settings/AdministratorCheck.h"
#include "settings/LanInput.h"
#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

// The device's result is not shown: the search that follows tells whether it
// answers at its old or its new address.
LanApplyResult SendStatic(SettingsContext& context, PanelView& panel) {
  const int sent = context.operations.SetStaticAddress();
  panel.Search();
  return sent ? LanApplyResult::Applied : LanApplyResult::NotAcknowledged;
}

LanApplyResult SendDhcp(SettingsContext& context, PanelView& panel) {
  if (!VerifyAdministrator(context)) return LanApplyResult::Stopped;
  if (!context.operations.SetDhcp()) {
    context.messages.Show(text::kDhcpFailed, text::kCaptionError, MessageIcon::Stop);
    return LanApplyResult::DhcpFailed;
  }
  context.messages.Show(text::kDhcpEnabled, text::kCaptionConfirm, MessageIcon::Information);
  panel.Search();
  return LanApplyResult::Applied;
}

// Checks first, password second: a typing mistake never costs a login round.
LanApplyResult SendChecked(SettingsContext& context, LanForm& form, PanelView& panel) {
  if (!CheckLanInput(form, context.messages, context.session)) return LanApplyResult::Stopped;
  if (!VerifyAdministrator(context)) return LanApplyResult::Stopped;
  return SendStatic(context, panel);
}

}  // namespace

LanApplyResult ApplyLanSettings(SettingsContext& context, LanForm& form, PanelView& panel) {
  context.state.adminLoginMode = 1;
  if (!panel.DeviceSelected()) {
    context.messages.Show(text::kSelectDevice, text::kCaptionError, MessageIcon::Stop);
    return LanApplyResult::Stopped;
  }
  StoreLanFields(form.PortSelectorText(), form, context.session.lanInfo);
  // A device that reported its ports gets both entries, DHCP flags included.
  if (context.session.lanInfo.IsPresent()) return SendChecked(context, form, panel);
  switch (form.DhcpChoice()) {
    case kDhcpDisable: return SendChecked(context, form, panel);
    case kDhcpEnable: return SendDhcp(context, panel);
    default: return LanApplyResult::Stopped;
  }
}

}  // namespace tarvix::settings
