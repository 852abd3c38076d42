// Manual clock and periodic timers of the simulated platform.
#include "platform/sim/sim_timer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace qv::sim {

std::uint32_t SimTimer::SetPeriodic(std::uint32_t periodMs, std::uint32_t resolutionMs,
                                    TimerCallback callback, void* context) {
  lastResolution_ = resolutionMs;
  if (failNextStart || periodMs == 0) {
    failNextStart = false;
    log_.Add(EffectKind::TimerStart, 0, TimerFields{0, periodMs, resolutionMs});
    return 0;
  }
  const std::uint32_t id = nextId_++;
  timers_.push_back(Entry{id, periodMs, now_ + periodMs, callback, context, true});
  log_.Add(EffectKind::TimerStart, 0, TimerFields{id, periodMs, resolutionMs});
  if (fireDuringNextStart_) {
    fireDuringNextStart_ = false;
    callback(context);
  }
  return id;
}

void SimTimer::Kill(std::uint32_t id) {
  log_.Add(EffectKind::TimerKill, 0, TimerFields{id, 0, 0});
  for (Entry& e : timers_)
    if (e.id == id) e.live = false;
}

void SimTimer::WaitUntil(bool (*done)(const void* context), const void* context) {
  // A test that means to wait runs the tick on another thread; ten seconds
  // of real time without the condition is a test gone wrong.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done(context)) {
    if (!whileWaiting || std::chrono::steady_clock::now() > giveUp) {
      std::fprintf(stderr, "SimTimer::WaitUntil would wait forever\n");
      std::abort();
    }
    whileWaiting();
    std::this_thread::yield();
  }
}

void SimTimer::Advance(std::uint32_t ms) {
  for (std::uint32_t step = 0; step < ms; ++step) {
    ++now_;
    // Index loop: a callback may start a new timer and grow the vector.
    for (std::size_t i = 0; i < timers_.size(); ++i) {
      if (!timers_[i].live || timers_[i].nextDue != now_) continue;
      timers_[i].nextDue = now_ + timers_[i].period;
      TimerCallback cb = timers_[i].callback;
      void* ctx = timers_[i].context;
      cb(ctx);
    }
  }
}

bool SimTimer::IsRunning(std::uint32_t id) const {
  for (const Entry& e : timers_)
    if (e.id == id) return e.live;
  return false;
}

int SimTimer::LiveCount() const {
  int n = 0;
  for (const Entry& e : timers_)
    if (e.live) ++n;
  return n;
}

}  // namespace qv::sim
