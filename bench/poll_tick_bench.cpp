// Cost of one polling tick on the simulated platform: the pad at rest, the
// stick pushed, and every slot configured and pressed.
#include <cstdint>

#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "platform/constants.h"
#include "platform/sim/sim_platform.h"

namespace qv {
namespace {

// The polling timer's period.
constexpr std::uint32_t kTickMs = 10;

class NullHost final : public EngineHost {
 public:
  void SetNotifyIcon(IconPicture picture) override { last = picture; }
  void PollingStoppedByTick(bool) override { ++stops; }
  void PostFavoritesCommand() override { ++favorites; }
  void ShowLaunchFailure() override {}
  IconPicture last = IconPicture::Active;
  int stops = 0;
  int favorites = 0;
};

struct Bench {
  Bench() {
    sim.log.SetRecording(false);
    sim.windows.SetWindowAtPointer(0x7100);
    sim.joystick.Caps().numButtons = BUTTON_SLOTS;
    engine.ResetMotion();
    engine.ResetButtonTables();
    engine.LoadSettings();
  }
  void Start() {
    engine.DeriveCaps();
    engine.StartPolling();
  }
  // One tick 10 ms after the last, as the timer calls it.
  void Tick() {
    sim.timer.SetNow(sim.timer.Now() + kTickMs);
    engine.PollTick();
  }
  sim::SimPlatform sim;
  NullHost host;
  Engine engine{sim.platform, host};
};

void BM_PollTickAtRest(benchmark::State& state) {
  Bench b;
  b.Start();
  for (auto _ : state) b.Tick();
  state.counters["stops"] = b.host.stops;
}
BENCHMARK(BM_PollTickAtRest);

void BM_PollTickStickPushed(benchmark::State& state) {
  Bench b;
  b.Start();
  b.sim.joystick.SetStick(0, sim::SimJoystick::kAxisMax);
  for (auto _ : state) b.Tick();
  state.counters["stops"] = b.host.stops;
}
BENCHMARK(BM_PollTickStickPushed);

void BM_PollTickEverySlotPressed(benchmark::State& state) {
  Bench b;
  const std::uint32_t actions[] = {
      BA_LEFT, BA_RIGHT | BX_DOUBLE, BA_MIDDLE, BA_WHEEL_UP | BX_SHIFT,
      BA_WHEEL_DOWN | BX_CTRL, BA_ACCEL, BA_FAVORITES, BA_KEY | BX_ALT,
  };
  constexpr int kActionCount = static_cast<int>(sizeof actions / sizeof actions[0]);
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    b.engine.settings.ButtonFlags[i] = actions[i % kActionCount];
    b.engine.settings.KeyChar[i] = static_cast<std::uint8_t>(0x41 + i);
    b.engine.settings.PressSound[i] = 1;
  }
  b.engine.settings.Delay = 0;  // wheel buttons turn on every tick
  b.Start();
  b.sim.joystick.SetButtons(0xFFFFFFFFu);
  b.sim.joystick.SetStick(sim::SimJoystick::kAxisMax, sim::SimJoystick::kAxisCentre);
  for (auto _ : state) b.Tick();
  state.counters["stops"] = b.host.stops;
}
BENCHMARK(BM_PollTickEverySlotPressed);

}  // namespace
}  // namespace qv
