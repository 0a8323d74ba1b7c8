#pragma once

#include "settings/SettingsMessages.h"

// Every text the add-on flows and their dialogs show; the window, the
// command-line tool and the tests use these same words.
namespace tarvix::addons::text {

// The captions are the settings flows' own.
using settings::text::kCaptionError;
using settings::text::kCaptionWarning;
// Boxes without a caption of their own show the application's name.
inline constexpr const char* kNoCaption = "";

inline constexpr const char* kSelectDevice = "Please select a device.";
inline constexpr const char* kCheckHardDrives = "Please check hard drives.";
inline constexpr const char* kNoHardDrives =
    "No hard drives were detected.\nPlease verify that the hard drives are properly connected "
    "before continuing.";
inline constexpr const char* kFormatHardDrive = "Please format hard drive.";
inline constexpr const char* kSupportsUnicode = "This device supports Unicode.";
inline constexpr const char* kNoMultiLanguage =
    "Multi-language options are not supported on this device.";
inline constexpr const char* kCodepageNotInFirmware =
    "This codepage does not supported in this firmware.\nPlease download the latest firmware "
    "from the support link.";
inline constexpr const char* kNoBitTorrent = "BitTorrent does not supported on this device now.";
inline constexpr const char* kSelectServer = "Please select a server.";
inline constexpr const char* kWidgetError = "Execute widget file error!";
// The widget reads the device's address from the hand-over file; without it
// the widget would show no device, so the flow stops. %s: where the file is.
inline constexpr const char* kAddressFileError =
    "The device address could not be written to %s.\nThe widget needs it to find the device.";

inline constexpr const char* kLoading = "Loading.....";
inline constexpr const char* kLoadingWarning =
    " Warning: Do not power down your device during this process.";
inline constexpr const char* kLoadingDamage = "Doing so may physically damage this device.";
inline constexpr const char* kRestarting = "The system is restarting. Please wait a moment.";

inline constexpr const char* kProductName = "Tarvix Storage Utility";
inline constexpr const char* kAboutLine = "Finds and manages the maker's network storage devices.";
inline constexpr const char* kVersion = "Version : 5.1.0.3";

inline constexpr const char* kLanguageLabel = "Language :";

inline constexpr const char* kWidgetFirstLine =
    "You need to first download and install YAHOO! Widgets Engine.";
inline constexpr const char* kWidgetDownloadLine =
    "If you wish to download and install YAHOO! Widgets Engine, please click on the \"Download\" "
    "button.";
inline constexpr const char* kWidgetNextLine =
    "If you have already installed YAHOO! Widgets Engine, please click on the \"Next\" button to";
inline constexpr const char* kWidgetProceedLine = "proceed to the next step.";

inline constexpr const char* kModelUnknown = "The model type cannot be recognized.";
inline constexpr const char* kModelPrompt = "Please select:";

}  // namespace tarvix::addons::text
