// The hand-over between ticks and the user-interface thread, with real
// threads: once closed and idle, no tick gets in; two ticks never overlap;
// a timer that a tick stops while it is being made is killed exactly once.
#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "engine/tick_gate.h"
#include "engine/timer_slot.h"

namespace qv::test {
namespace {

TEST(TickGateThreads, ClosedGateKeepsTicksOutOnceIdle) {
  for (int round = 0; round < 20; ++round) {
    TickGate gate;
    gate.Open();
    std::atomic<bool> stop{false};
    std::atomic<bool> closedAndIdle{false};
    std::atomic<int> entered{0};
    std::atomic<int> lateEntries{0};
    std::atomic<int> inside{0};

    std::thread ticker([&] {
      while (!stop.load()) {
        if (!gate.Enter()) continue;
        inside.fetch_add(1);
        entered.fetch_add(1);
        if (closedAndIdle.load()) lateEntries.fetch_add(1);
        // A little work inside, as a tick does.
        for (volatile int spin = 0; spin < 50; spin = spin + 1) {
        }
        inside.fetch_sub(1);
        gate.Leave();
      }
    });

    while (entered.load() < 100) std::this_thread::yield();
    gate.Close();
    while (!TickGate::Idle(&gate)) std::this_thread::yield();
    EXPECT_EQ(inside.load(), 0);
    closedAndIdle.store(true);
    const int before = entered.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(entered.load(), before);
    stop.store(true);
    ticker.join();
    // A refused Enter marks the gate for an instant only.
    EXPECT_FALSE(gate.Inside());
    EXPECT_EQ(lateEntries.load(), 0);
  }
}

TEST(TickGate, ClosedBeforeOpeningLetsNothingIn) {
  TickGate gate;
  EXPECT_FALSE(gate.Enter());
  gate.Open();
  ASSERT_TRUE(gate.Enter());
  gate.Leave();
  gate.Close();
  EXPECT_FALSE(gate.Enter());
  EXPECT_FALSE(gate.Inside());
}

TEST(TickGateThreads, TwoConcurrentEntersNeverBothSucceed) {
  TickGate gate;
  gate.Open();
  std::atomic<int> inside{0};
  std::atomic<int> overlaps{0};
  std::atomic<int> entries{0};
  std::atomic<bool> go{false};
  auto tick = [&] {
    while (!go.load()) std::this_thread::yield();
    for (int n = 0; n < 200000; ++n) {
      if (!gate.Enter()) continue;
      if (inside.fetch_add(1) != 0) overlaps.fetch_add(1);
      entries.fetch_add(1);
      inside.fetch_sub(1);
      gate.Leave();
    }
  };
  std::thread a(tick);
  std::thread b(tick);
  go.store(true);
  a.join();
  b.join();
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_GT(entries.load(), 0);
}

TEST(TickGate, SecondEnterWhileInsideIsRefused) {
  TickGate gate;
  gate.Open();
  ASSERT_TRUE(gate.Enter());
  EXPECT_FALSE(gate.Enter());
  EXPECT_FALSE(TickGate::Idle(&gate));
  gate.Leave();
  EXPECT_TRUE(TickGate::Idle(&gate));
  EXPECT_TRUE(gate.Enter());
  gate.Leave();
}

TEST(TimerSlotThreads, ATimerStoppedWhileItIsMadeIsKilledExactlyOnce) {
  constexpr std::uint32_t kId = 7;
  for (int round = 0; round < 2000; ++round) {
    TimerSlot slot;
    std::atomic<bool> go{false};
    std::atomic<int> kills{0};
    slot.Arm();
    // The first tick stops polling while the maker is still publishing.
    std::thread tick([&] {
      while (!go.load()) std::this_thread::yield();
      if (slot.Take() == kId) kills.fetch_add(1);
    });
    go.store(true);
    if (slot.Publish(kId) == kId) kills.fetch_add(1);
    tick.join();
    ASSERT_EQ(kills.load(), 1) << "round " << round;
    EXPECT_EQ(slot.Current(), 0u);
  }
}

}  // namespace
}  // namespace qv::test
