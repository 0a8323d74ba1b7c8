#include "settings/AdministratorCheck.h"

#include "settings/LoginCredentials.h"
#include "settings/SettingsMessages.h"

namespace tarvix::settings {

bool VerifyAdministrator(SettingsContext& context) {
  ResetLogin(context.session, "admin", "");
  if (context.operations.VerifyLogin() != 0) return true;
  RunLoginDialog(context.login, LoginPresetFor(context.state.adminLoginMode, context.system),
                 context.session);
  if (context.operations.VerifyLogin() != 0) return true;
  context.messages.Show(text::kWrongAdminPassword, text::kCaptionError, MessageIcon::Stop);
  return false;
}

}  // namespace tarvix::settings
