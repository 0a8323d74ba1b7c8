#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/LanForm.h"

namespace tarvix::testing {

// The address form as values a test sets; records where the focus was put.
class FakeLanForm final : public settings::LanForm {
 public:
  bool IsBlank(settings::LanField field) const override { return !values.contains(field); }
  settings::Octets Read(settings::LanField field) const override {
    auto it = values.find(field);
    return it == values.end() ? settings::Octets{0, 0, 0, 0} : it->second;
  }
  void SetFieldFocus(settings::LanField field, int octet) override {
    focus.push_back({field, octet});
  }
  int DhcpChoice() const override { return dhcpChoice; }
  std::string PortSelectorText() const override { return portText; }

  void Set(settings::LanField field, const settings::Octets& octets) { values[field] = octets; }

  std::map<settings::LanField, settings::Octets> values;  // absent: blank
  int dhcpChoice = settings::kDhcpDisable;
  std::string portText;
  std::vector<std::pair<settings::LanField, int>> focus;
};

}  // namespace tarvix::testing
