#pragma once
#include "settings/MessageBoxes.h"

class QWidget;

namespace tarvix::settings::qt {

// Modal message boxes with an OK button over the main window. A box without a
// caption of its own shows the application's name.
class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  void Show(std::string_view text, std::string_view caption, MessageIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace tarvix::settings::qt
