// A manual multimedia clock with periodic timers that fire as the test
// advances time. Everything normally runs on the test's thread, so a tick is
// never in progress while other code runs and WaitUntil finds its condition
// met; a test that runs a tick on a thread of its own makes WaitUntil serve
// the user interface (whileWaiting) until the tick is done.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/sim/sim_log.h"
#include "platform/timer.h"

namespace qv::sim {

class SimTimer final : public MultimediaTimer {
 public:
  explicit SimTimer(Log& log) : log_(log) { timers_.reserve(16); }

  std::uint32_t SetPeriodic(std::uint32_t periodMs, std::uint32_t resolutionMs,
                            TimerCallback callback, void* context) override;
  void Kill(std::uint32_t id) override;
  std::uint32_t Now() override { return now_; }
  void WaitUntil(bool (*done)(const void* context), const void* context) override;

  // Moves the clock on by `ms`, one millisecond at a time, firing every
  // timer that falls due on the way (in creation order).
  void Advance(std::uint32_t ms);
  void SetNow(std::uint32_t now) { now_ = now; }
  // The failure switch: the next start is refused (and the switch goes off).
  bool failNextStart = false;
  // The next timer made fires once before SetPeriodic returns, as a real
  // timer may on its own thread before its creator has the identifier.
  void FireDuringNextStart() { fireDuringNextStart_ = true; }
  bool IsRunning(std::uint32_t id) const;
  int LiveCount() const;
  std::uint32_t LastResolution() const { return lastResolution_; }

  // What the waiting thread does between looks at the condition, as the
  // real wait dispatches messages; none: the wait cannot end and aborts.
  std::function<void()> whileWaiting;

 private:
  struct Entry {
    std::uint32_t id;
    std::uint32_t period;
    std::uint32_t nextDue;
    TimerCallback callback;
    void* context;
    bool live;
  };
  Log& log_;
  std::vector<Entry> timers_;
  std::uint32_t now_ = 1000;
  std::uint32_t nextId_ = 1;
  std::uint32_t lastResolution_ = 0;
  bool fireDuringNextStart_ = false;
};

}  // namespace qv::sim
