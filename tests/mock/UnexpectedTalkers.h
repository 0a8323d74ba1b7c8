#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "settings/LoginDialogRunner.h"
#include "settings/MessageBoxes.h"

namespace tarvix::testing {

// Strict stand-ins for a flow that must not talk to the user: any message or
// login dialog fails the test at the moment it is shown, with what it showed.
// Header only: the tests that use them link GoogleTest, the doubles library does not.
class UnexpectedMessages final : public settings::MessageBoxes {
 public:
  void Show(std::string_view text, std::string_view, settings::MessageIcon) override {
    ADD_FAILURE() << "message shown: " << text;
  }
};

class UnexpectedLogin final : public settings::LoginDialogRunner {
 public:
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset&) override {
    ADD_FAILURE() << "login dialog shown";
    return std::nullopt;
  }
};

}  // namespace tarvix::testing
