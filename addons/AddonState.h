#pragma once

namespace tarvix::addons {

// The flags through which the add-on flows talk to each other, one record for
// the whole run; every field starts at 0.
struct AddonState {
  int bitTorrentMode = 0;       // 1 while the BitTorrent flow prepares its installation
  int bitTorrentInstalled = 0;  // 1 after a completed BitTorrent installation
  int flowAbandoned = 0;        // -1 when an add-on flow was given up; the restart resets it
  int lastWriteFailed = 0;      // outcome of the latest payload write
  int languageIndex = 0;        // 0 to 8, the chosen row of the language list
  int extendedCodepages = 0;    // 1 when the device reported disk state 5
  int widgetDownload = 0;       // 1 when the widget prompt was answered with Download
  int modelChoice = 0;          // -1, 0, 1 or 2: the model picked in the model choice
};

}  // namespace tarvix::addons
