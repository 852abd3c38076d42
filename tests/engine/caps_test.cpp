// Values derived from the pad's capabilities and the settings: stick limits,
// button count, Z axis and hat, the per-slot masks, and a pad that is not there.
#include <string>

#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

TEST(DeriveCaps, LimitsComeFromTheAxisRangesAndTheMargin) {
  EngineRig rig;
  JoyCaps& caps = rig.sim.joystick.Caps();
  caps.xMin = 100;
  caps.xMax = 60000;
  caps.yMin = 200;
  caps.yMax = 50000;
  caps.numButtons = 10;
  rig.engine.settings.Sikii = 3000;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.ButtonCount, 10);
  EXPECT_EQ(rig.engine.caps.LeftLimit, 3100u);
  EXPECT_EQ(rig.engine.caps.RightLimit, 57000u);
  EXPECT_EQ(rig.engine.caps.UpLimit, 3200u);
  EXPECT_EQ(rig.engine.caps.DownLimit, 47000u);
}

TEST(DeriveCaps, QueriesThePortOfTheSettings) {
  EngineRig rig;
  rig.sim.joystick.SetPort(5);
  rig.sim.joystick.Caps().numButtons = 6;
  rig.engine.settings.PortID = 5;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.ButtonCount, 6);
  EXPECT_GE(rig.sim.joystick.capsQueries, 1);
}

TEST(DeriveCaps, ButtonCountNeverExceedsTheSlots) {
  EngineRig rig;
  rig.sim.joystick.Caps().numButtons = 40;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.ButtonCount, BUTTON_SLOTS);
}

TEST(DeriveCaps, ZAxisAndHatFollowTheCapabilityFlags) {
  EngineRig rig;
  rig.engine.settings.Zaxis = 1;
  rig.sim.joystick.Caps().caps = kJoyCapsHasZ | kJoyCapsHasPov;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.HasZ, 1);
  EXPECT_EQ(rig.engine.caps.HasPOV, 1);
  EXPECT_EQ(rig.engine.settings.Zaxis, 1);

  rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.HasZ, 0);
  EXPECT_EQ(rig.engine.caps.HasPOV, 1);
  // The throttle option cannot stay on for a pad without a throttle.
  EXPECT_EQ(rig.engine.settings.Zaxis, 0);

  rig.sim.joystick.Caps().caps = kJoyCapsHasZ;
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.caps.HasZ, 1);
  EXPECT_EQ(rig.engine.caps.HasPOV, 0);
  EXPECT_EQ(rig.engine.settings.Zaxis, 0);  // stays off once forced off
}

TEST(DeriveCaps, ZaxisStoredOnForAPadWithoutZIsSavedAsOff) {
  EngineRig rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Buttons",
                            "Zaxis", 1);
  rig.engine.LoadSettings();
  rig.engine.DeriveCaps();
  rig.engine.SaveSettings();
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Buttons",
                                   "Zaxis"),
            0u);
}

TEST(DeriveCaps, MasksCoverAllThirtyTwoSlots) {
  EngineRig rig;
  rig.sim.joystick.Caps().numButtons = 4;
  PadSettings& s = rig.engine.settings;
  for (std::uint32_t& f : s.ButtonFlags) f = 0;
  s.ButtonFlags[0] = BA_WHEEL_STICK | BX_SHIFT;
  s.ButtonFlags[3] = BA_ACCEL;
  s.ButtonFlags[9] = BA_DECEL | BX_HOLD;
  s.ButtonFlags[20] = BA_WHEEL_STICK;
  s.ButtonFlags[30] = BA_ACCEL;
  s.ButtonFlags[31] = BA_DECEL;
  s.ButtonFlags[12] = BA_SCROLL_STICK;  // in none of the masks
  rig.engine.masks.AccelMask = 0xFFFFFFFFu;  // stale bits must go
  rig.engine.DeriveCaps();
  EXPECT_EQ(rig.engine.masks.WheelStickMask, (1u << 0) | (1u << 20));
  EXPECT_EQ(rig.engine.masks.AccelMask, (1u << 3) | (1u << 30));
  EXPECT_EQ(rig.engine.masks.DecelMask, (1u << 9) | (1u << 31));
}

// A stick at rest, pushed to each side and into each corner.
const std::uint32_t kPositions[][2] = {
    {32767, 32767}, {0, 32767}, {65535, 32767}, {32767, 0}, {32767, 65535},
    {0, 0},         {65535, 65535}, {0, 65535}, {65535, 0},
};

TEST(DeriveCaps, FailedQueryLeavesAPadThatDoesNothing) {
  for (bool outOfRange : {false, true}) {
    SCOPED_TRACE(outOfRange ? "port out of range" : "unplugged");
    EngineRig rig;
    rig.engine.ResetMotion();
    rig.engine.ResetButtonTables();
    rig.engine.LoadSettings();
    if (outOfRange) {
      rig.engine.settings.PortID = 16;
    } else {
      rig.sim.joystick.Unplug();
    }
    rig.engine.DeriveCaps();
    EXPECT_EQ(rig.engine.caps.ButtonCount, 0);
    // The pad comes back (or is read on the port the pad is on) while the
    // derived values are still those of the failed query.
    rig.sim.joystick.Plug();
    rig.sim.joystick.SetPort(static_cast<std::uint32_t>(rig.engine.settings.PortID));
    rig.Restart();
    for (const auto& p : kPositions) {
      rig.sim.joystick.SetStick(p[0], p[1]);
      rig.sim.joystick.SetButtons(0xFF);
      rig.Ticks(3);
    }
    EXPECT_TRUE(rig.Moves().empty());
    EXPECT_TRUE(rig.MouseButtons().empty());
    EXPECT_TRUE(rig.Keys().empty());
    EXPECT_GE(rig.sim.joystick.reads, 27);
  }
}

TEST(DeriveCaps, HugeMarginDoesNotMakeTheRestingStickDeflected) {
  for (std::int32_t sikii : {40000, 70000, 0x7FFFFFFF}) {
    SCOPED_TRACE(sikii);
    EngineRig rig;
    rig.engine.LoadSettings();
    rig.engine.settings.Sikii = sikii;
    rig.StartWithSettings();
    rig.sim.joystick.SetStick(32767, 32767);
    rig.Ticks(5);
    EXPECT_TRUE(rig.Moves().empty());
  }
}

TEST(DeriveCaps, AnAxisWithAnInvertedOrTooNarrowRangeNeverCountsAsPushed) {
  struct Range {
    std::uint32_t min, max;
  };
  for (const Range r : {Range{40000, 20000}, Range{0, 0}, Range{100, 101}}) {
    for (bool vertical : {false, true}) {
      SCOPED_TRACE(std::to_string(r.min) + ".." + std::to_string(r.max) + (vertical ? " Y" : " X"));
      EngineRig rig;
      JoyCaps& caps = rig.sim.joystick.Caps();
      (vertical ? caps.yMin : caps.xMin) = r.min;
      (vertical ? caps.yMax : caps.xMax) = r.max;
      rig.engine.LoadSettings();
      rig.StartWithSettings();
      for (std::uint32_t at : {r.min, r.max, (r.min + r.max) / 2, 0u, 32767u, 65535u}) {
        rig.sim.joystick.SetStick(vertical ? 32767 : at, vertical ? at : 32767);
        rig.Ticks(5);
      }
      EXPECT_TRUE(rig.Moves().empty());
      // The other axis still works.
      rig.sim.joystick.SetStick(vertical ? 0 : r.min, vertical ? r.min : 0);
      rig.Tick();
      const std::vector<Point> moves = rig.Moves();
      ASSERT_EQ(moves.size(), 1u);
      EXPECT_EQ(vertical ? moves[0].x : moves[0].y, -1);
      EXPECT_EQ(vertical ? moves[0].y : moves[0].x, 0);
    }
  }
}

}  // namespace
}  // namespace qv::test
