#include "addons/qt/CLoadingDlg.h"

#include <QLabel>

#include "addons/AddonMessages.h"
#include "addons/qt/DialogLabel.h"
#include "addons/qt/DialogTimers.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/SkinBitmaps.h"

using tarvix::addons::qt::PlaceLabel;
using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::DialogUnitsToPixels;
namespace text = tarvix::addons::text;

CLoadingDlg::CLoadingDlg(tarvix::addons::InstallationRunner& runner,
                         tarvix::addons::qt::DialogTimers* timers, QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgLanguage, BackgroundMode::Native), parent),
      runner_(runner),
      timers_(timers) {
  if (!timers_)
    timers_ = (ownTimers_ = std::make_unique<tarvix::addons::qt::QtDialogTimers>()).get();
  ApplyTemplateFrame(this, 220, 75);
  setWindowTitle(QString());
  CreateControls();
}

CLoadingDlg::~CLoadingDlg() = default;

void CLoadingDlg::CreateControls() {
  PlaceLabel(this, QString::fromLatin1(text::kLoading), DialogUnitsToPixels(6, 11, 36, 8));
  PlaceLabel(this, QString::fromLatin1(text::kLoadingWarning), DialogUnitsToPixels(4, 28, 209, 8));
  PlaceLabel(this, QString::fromLatin1(text::kLoadingDamage), DialogUnitsToPixels(6, 45, 144, 8));
}

int CLoadingDlg::exec() {
  OnInitDialog();
  return CSkinDialog::exec();
}

void CLoadingDlg::OnInitDialog() {
  const int timerId = runner_.TimerId();
  timers_->Start(timerId, tarvix::addons::kLoadingDelayMs, [this, timerId] { OnTimer(timerId); });
}

void CLoadingDlg::OnTimer(int timerId) { runner_.OnTimer(timerId, *this); }

// The platform's own cancel ending: the only way this dialog ends.
void CLoadingDlg::CloseDialog() { CSkinDialog::done(QDialog::Rejected); }

void CLoadingDlg::StopTimer(int timerId) { timers_->Stop(timerId); }
