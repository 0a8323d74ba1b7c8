#pragma once
#include "settings/DriveInUseDialogRunner.h"
#include "settings/LoginDialogRunner.h"

class QWidget;

namespace tarvix::settings::qt {

// A fresh CLoginDlg for each run, modal over `parent`.
class QtLoginDialogRunner final : public LoginDialogRunner {
 public:
  explicit QtLoginDialogRunner(QWidget* parent) : parent_(parent) {}
  std::optional<LoginEntry> Run(const LoginPreset& preset) override;

 private:
  QWidget* parent_;
};

// A fresh CDriveInUseDlg for each run, modal over `parent`.
class QtDriveInUseDialogRunner final : public DriveInUseDialogRunner {
 public:
  explicit QtDriveInUseDialogRunner(QWidget* parent) : parent_(parent) {}
  int Run() override;

 private:
  QWidget* parent_;
};

}  // namespace tarvix::settings::qt
