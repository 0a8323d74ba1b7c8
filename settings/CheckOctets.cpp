#include "settings/CheckOctets.h"

#include <string>

#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

constexpr const char* kOrdinals[4] = {"1st", "2nd", "3rd", "4th"};

const char* FieldWords(LanField field) {
  switch (field) {
    case LanField::Address: return "IP address";
    case LanField::Netmask: return "subnet mask address";
    case LanField::Gateway: return "gateway IP address";
  }
  return "";
}

// A host address's first octet must name a class A to C network; a mask's may be 0.
bool FirstOctetNeedsHostRange(LanField field) { return field != LanField::Netmask; }

bool InRange(LanField field, int index, int value) {
  if (index == 0 && FirstOctetNeedsHostRange(field)) return value >= 1 && value <= 223;
  return value <= 255;
}

std::string Complaint(LanField field, int index) {
  const bool hostRange = index == 0 && FirstOctetNeedsHostRange(field);
  return std::string("Invalid ") + FieldWords(field) + " in " + kOrdinals[index] +
         " digit. It should be " + (hostRange ? "1-223." : "0-255.");
}

}  // namespace

bool CheckOctets(LanField field, const Octets& octets, LanForm& form, MessageBoxes& messages) {
  if (field == LanField::Gateway && form.IsBlank(field)) return true;
  for (int i = 0; i < 4; ++i) {
    if (InRange(field, i, octets[i])) continue;
    messages.Show(Complaint(field, i), text::kCaptionError, MessageIcon::Information);
    form.SetFieldFocus(field, i);
    return false;
  }
  return true;
}

}  // namespace tarvix::settings
