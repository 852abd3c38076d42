// The hand-over between the polling ticks on the timer's thread and the
// user-interface thread. The user-interface thread closes the gate, kills
// the timer and waits (serving its messages) until no tick is inside;
// a tick that finds the gate closed leaves at once, and a tick arriving while
// another is still inside is skipped, so ticks never overlap.
#pragma once

#include <atomic>

namespace qv {

class TickGate {
 public:
  void Open() { open_.store(true); }
  void Close() { open_.store(false); }
  bool IsOpen() const { return open_.load(); }

  // Called at the start of a tick; false means: do nothing this time.
  [[nodiscard]] bool Enter() {
    bool expected = false;
    if (!inside_.compare_exchange_strong(expected, true)) return false;
    if (!open_.load()) {
      inside_.store(false);
      return false;
    }
    return true;
  }
  void Leave() { inside_.store(false); }
  bool Inside() const { return inside_.load(); }
  // For MultimediaTimer::WaitUntil.
  static bool Idle(const void* gate) { return !static_cast<const TickGate*>(gate)->Inside(); }

 private:
  std::atomic<bool> open_{false};
  std::atomic<bool> inside_{false};
};

}  // namespace qv
