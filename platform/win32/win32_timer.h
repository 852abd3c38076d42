// The periodic multimedia timer (timeSetEvent), the multimedia clock, and a
// wait for the user-interface thread that keeps dispatching its messages.
#pragma once

#include <atomic>
#include <cstddef>

#include "platform/timer.h"

namespace qv {

class Win32MultimediaTimer final : public MultimediaTimer {
 public:
  // How many timers may run at once (the programs use at most two).
  static constexpr std::size_t kSlotCount = 8;

  Win32MultimediaTimer() = default;
  // Kills the timers still running.
  ~Win32MultimediaTimer();

  std::uint32_t SetPeriodic(std::uint32_t periodMs, std::uint32_t resolutionMs,
                            TimerCallback callback, void* context) override;
  void Kill(std::uint32_t id) override;
  std::uint32_t Now() override;
  void WaitUntil(bool (*done)(const void* context), const void* context) override;

  // The system's callback; `user` is the slot of the timer.
  struct Slot {
    std::atomic<TimerCallback> callback{nullptr};
    std::atomic<void*> context{nullptr};
    std::atomic<std::uint32_t> id{0};
  };

 private:
  Slot slots_[kSlotCount];
  std::size_t next_ = 0;  // round robin, so a slot just freed is reused last
};

}  // namespace qv
