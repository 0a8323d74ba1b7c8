#pragma once

// Every text the settings flows show; the window, the command-line tool and the
// tests use these same words.
namespace tarvix::settings::text {

inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionConfirm = "Confirm";

inline constexpr const char* kWrongAdminPassword = "Wrong administrator password input!";

inline constexpr const char* kSelectDevice = "Please select a device in the above section.";
inline constexpr const char* kInputAddress = "Please input IP address!";
inline constexpr const char* kInputNetmask = "Please input net mask address!";
inline constexpr const char* kAddressError = "IP address input error. Please try again.";
inline constexpr const char* kNetmaskInvalid = "Netmask address input invalid. Please try again.";
inline constexpr const char* kIncorrectConfiguration =
    "You enter incorrect TCP/IP configuration. Please try again.";
inline constexpr const char* kDhcpFailed = "Set to dhcp client fail.";
inline constexpr const char* kDhcpEnabled = "DHCP client enabled.";

inline constexpr const char* kSelectDeviceToConfigure = "Please select a device to configure.";
inline constexpr const char* kDeviceUnavailable = "Device is no longer available.";

inline constexpr const char* kMapFailed = "Failed to map drive.";
inline constexpr const char* kMapped = "Successfully mapped drive.";
inline constexpr const char* kUnmapFailed =
    "Unable to disconnect this drive.\nPlease select a drive to disconnect and verify that the "
    "drive is not being accessed.";
inline constexpr const char* kUnmapped = "Successfully unmapped drive.";

}  // namespace tarvix::settings::text
