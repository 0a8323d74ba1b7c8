#pragma once

namespace tarvix::settings {

// Pauses of the window thread, so tests can count them without waiting.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(int milliseconds) = 0;
};

class SystemSleeper final : public Sleeper {
 public:
  void Sleep(int milliseconds) override;
};

}  // namespace tarvix::settings
