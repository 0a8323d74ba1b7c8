#pragma once
#include <optional>
#include <string>

#include "settings/LanForm.h"

namespace tarvix::cli {

// The window's address controls as the tool's arguments fill them; none stands
// for a blank control.
class ArgumentForm final : public settings::LanForm {
 public:
  using Field = std::optional<settings::Octets>;

  ArgumentForm(Field address, Field netmask, Field gateway, int dhcpChoice, std::string port)
      : fields_{address, netmask, gateway}, dhcpChoice_(dhcpChoice), port_(std::move(port)) {}

  bool IsBlank(settings::LanField field) const override { return !Get(field).has_value(); }
  settings::Octets Read(settings::LanField field) const override {
    return Get(field).value_or(settings::Octets{});
  }
  // There is no control to focus; the message names the octet.
  void SetFieldFocus(settings::LanField, int) override {}
  int DhcpChoice() const override { return dhcpChoice_; }
  std::string PortSelectorText() const override { return port_; }

 private:
  const Field& Get(settings::LanField field) const { return fields_[static_cast<int>(field) - 1]; }

  Field fields_[3];
  int dhcpChoice_;
  std::string port_;
};

}  // namespace tarvix::cli
