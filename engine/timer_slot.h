// The polling timer's identifier, shared by the user-interface thread, which
// makes and kills the timer, and the tick, which kills it when it stops
// polling by itself. A first tick can run, and stop polling, before the
// creation has returned the identifier. Whoever takes the identifier out of
// the slot kills that timer, so a stopped timer is killed exactly once,
// whatever the order of the two threads.
#pragma once

#include <atomic>
#include <cstdint>

namespace qv {

class TimerSlot {
 public:
  // Before the timer is made.
  void Arm() { stopped_.store(false); }
  // Once it is made. Returns the identifier to kill at once when polling
  // was stopped before the identifier was known, otherwise 0 (the
  // identifier is then in the slot for whoever stops polling).
  [[nodiscard]] std::uint32_t Publish(std::uint32_t id) {
    id_.store(id);
    return stopped_.load() ? id_.exchange(0) : 0;
  }
  // Polling stops. Returns the identifier to kill; 0 when there is none or
  // the maker will kill it when its creation returns.
  [[nodiscard]] std::uint32_t Take() {
    stopped_.store(true);
    return id_.exchange(0);
  }
  // 0 when no timer runs.
  std::uint32_t Current() const { return id_.load(); }

 private:
  std::atomic<std::uint32_t> id_{0};
  std::atomic<bool> stopped_{false};
};

}  // namespace qv
