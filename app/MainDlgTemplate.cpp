#include "app/MainDlgTemplate.h"

#include <array>

#include "app/ControlIds.h"

namespace tarvix::app {
namespace {

using K = ControlKind;

constexpr std::array<TemplateControl, 25> kControls{{
    {kDeviceList, K::List, 14, 44, 179, 61, true, ""},
    {kSearchButton, K::Button, 211, 44, 68, 16, true, ""},
    {kWebButton, K::Button, 211, 64, 68, 16, true, ""},
    {kPortCombo, K::DropDown, 50, 120, 65, 49, false, ""},
    {kLanguageButton, K::Button, 133, 115, 62, 19, false, ""},
    {kBtButton, K::Button, 203, 109, 62, 20, false, ""},
    {kWidgetButton, K::Button, 202, 102, 62, 21, false, ""},
    {kNoId, K::Label, 14, 148, 14, 8, true, "I P :"},
    {kAddressField, K::AddressField, 50, 145, 100, 13, true, ""},
    {kNoId, K::Label, 14, 164, 32, 8, true, "Netmask :"},
    {kNetmaskField, K::AddressField, 50, 161, 100, 13, true, ""},
    {kNoId, K::Label, 14, 180, 38, 8, true, "Gateway :"},
    {kGatewayField, K::AddressField, 50, 177, 100, 13, true, ""},
    {kNoId, K::Label, 165, 147, 51, 8, true, "Receive DHCP :"},
    {kDhcpCombo, K::DropDown, 219, 145, 59, 49, true, "Disable\nEnable"},
    {kApplyButton, K::Button, 211, 164, 68, 16, true, ""},
    {kNoId, K::Label, 195, 220, 78, 8, true, "Available Drive Letters :"},
    {kDriveCombo, K::DropDown, 195, 232, 84, 110, true, ""},
    {kVolumeList, K::List, 14, 221, 157, 61, true, ""},
    {kMapButton, K::Button, 211, 250, 68, 16, true, ""},
    {kUnmapButton, K::Button, 211, 270, 68, 16, true, ""},
    {kAboutButton, K::Button, 133, 309, 68, 16, true, ""},
    {kExitButton, K::Button, 211, 309, 68, 16, true, ""},
    {kMinimizeButton, K::Button, 258, 3, 12, 10, true, ""},
    {kCloseButton, K::Button, 271, 3, 12, 10, true, ""},
}};

}  // namespace

DialogTemplate MainDialogTemplate() { return {287, 329, kControls}; }

}  // namespace tarvix::app
