// Polling ticks allocate nothing: the test program counts allocations
// (counting_allocator.cpp) while a test has switched counting on around
// the ticks.
#include <cstddef>
#include <cstdint>

#include <gtest/gtest.h>

#include "tests/engine/counting_allocator.h"
#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

TEST(TickAllocation, CountingSeesAnAllocation) {
  // Kept in a volatile so that the pair cannot be optimised away.
  static std::uint32_t* volatile block = nullptr;
  const long n = AllocationsDuring([] { block = new std::uint32_t[4]; });
  delete[] block;
  EXPECT_EQ(n, 1);
}

// Every slot with an action, sounds on, a hat and a throttle.
void ConfigureEverything(EngineRig& rig) {
  rig.sim.joystick.Caps().numButtons = 32;
  rig.sim.joystick.Caps().caps = kJoyCapsHasZ | kJoyCapsHasPov;
  rig.engine.LoadSettings();
  PadSettings& s = rig.engine.settings;
  const std::uint32_t actions[] = {
      BA_LEFT,
      BA_RIGHT | BX_DOUBLE,
      BA_MIDDLE | BX_ALT,
      BA_WHEEL_STICK,
      BA_WHEEL_UP | BX_SHIFT,
      BA_WHEEL_DOWN | BX_CTRL,
      BA_ACCEL,
      BA_SCROLL_STICK,
      BA_ARROW_STICK,
      BA_DECEL,
      BA_FAVORITES,
      BA_LAUNCH,
      BA_KEY | BX_CTRL | BX_SHIFT,
      BA_LEFT | BX_HOLD,
      BA_WHEEL_UP | BX_HOLD,
      BA_KEY | BX_HOLD | BX_ALT,
  };
  const int kinds = static_cast<int>(sizeof actions / sizeof actions[0]);
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    s.ButtonFlags[i] = actions[i % kinds];
    s.KeyChar[i] = static_cast<std::uint8_t>(0x41 + i);
    s.KeyCode[i] = static_cast<std::uint8_t>(0x10 + i);
    s.PressSound[i] = i % 2;
    s.ReleaseSound[i] = 1 - i % 2;
    CopyText(s.PressSoundFile[i], "press.wav");
    CopyText(s.ReleaseSoundFile[i], "release.wav");
    CopyText(s.AppPath[i], "C:\\Apps\\tool.exe");
  }
  s.Zaxis = 1;
  s.Delay = 100;
  s.CursorSoundOn = 1;
  s.CursorSoundOff = 1;
  CopyText(s.CursorSoundOnFile, "go.wav");
  CopyText(s.CursorSoundOffFile, "halt.wav");
  rig.sim.shell.openResult = 42;  // starting programs succeeds
  rig.sim.windows.SetCursor(Point{640, 480});
  rig.sim.windows.SetClientOrigin(kTargetWindow, Point{40, 30});
  rig.StartWithSettings();
  rig.sim.log.Reserve(1 << 20);
}

// A scripted hand on the pad: stick, hat, throttle and buttons change
// every few ticks.
void Play(EngineRig& rig, int ticks) {
  const std::uint32_t sticks[][2] = {{32767, 32767}, {0, 32767}, {65535, 0},  {32767, 65535},
                                     {0, 0},         {65535, 65535}, {32767, 32767}};
  const std::uint32_t hats[] = {kJoyPovCentered, kJoyPovCentered, 4500, 18000, 27000,
                                kJoyPovCentered};
  for (int t = 0; t < ticks; ++t) {
    const int phase = t / 7;
    rig.sim.joystick.SetStick(sticks[phase % 7][0], sticks[phase % 7][1]);
    rig.sim.joystick.SetPov(hats[(t / 23) % 6]);
    rig.sim.joystick.SetZ(static_cast<std::uint32_t>((t * 997) & 0xFFFF));
    // Buttons pressed in shifting groups, so each is pressed and released
    // many times, alone and together with others.
    const std::uint32_t mask = (0x11111111u << (phase % 4)) ^ (phase % 3 ? 0u : 0x0F0F0000u);
    rig.sim.joystick.SetButtons(mask);
    rig.Tick();
  }
}

TEST(TickAllocation, TicksAllocateNothing) {
  for (int legacy = 0; legacy <= 1; ++legacy) {
    SCOPED_TRACE(legacy ? "wheel messages" : "wheel input");
    EngineRig rig;
    ConfigureEverything(rig);
    rig.engine.state.LegacyWheel = legacy;
    const std::size_t before = rig.sim.log.All().size();
    const long n = AllocationsDuring([&] { Play(rig, 3000); });
    EXPECT_EQ(n, 0);
    // The ticks did the work they are meant to.
    EXPECT_GT(rig.sim.log.All().size(), before + 1000);
    EXPECT_GT(rig.sim.log.Count(sim::EffectKind::ShellOpen), 0u);
    EXPECT_GT(rig.host.favoritesCommands, 0);
    EXPECT_GT(rig.sim.log.Count(sim::EffectKind::Send), 0u);
    EXPECT_GT(rig.sim.log.Count(sim::EffectKind::Key), 0u);
    EXPECT_GT(rig.sim.log.Count(sim::EffectKind::Sound), 0u);
    EXPECT_GT(rig.Moves().size(), 0u);
    EXPECT_GT(rig.host.pictureCount, 0u);
  }
}

TEST(TickAllocation, StoppingTicksAllocateNothing) {
  EngineRig rig;
  ConfigureEverything(rig);
  // A latch, then the pad goes away.
  rig.sim.joystick.SetButtons(1u << 13);
  rig.Tick();
  rig.sim.joystick.SetButtons(0);
  rig.Tick();
  rig.sim.joystick.Unplug();
  long n = AllocationsDuring([&] { rig.Ticks(3); });
  EXPECT_EQ(n, 0);
  ASSERT_EQ(rig.host.stopCount, 1u);
  EXPECT_TRUE(rig.host.stops[0]);

  rig.sim.joystick.Plug();
  rig.Restart();
  rig.sim.input.SetKeyState(kVkShift, kKeyDownNow);
  rig.sim.input.SetKeyState(kVkPause, kKeyPressedSince);
  n = AllocationsDuring([&] { rig.Ticks(3); });
  EXPECT_EQ(n, 0);
  ASSERT_EQ(rig.host.stopCount, 1u);
  EXPECT_FALSE(rig.host.stops[0]);
}

}  // namespace
}  // namespace qv::test
