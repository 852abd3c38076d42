// The polling tick: the timer, stick margins and steps, acceleration, the
// stick modes with their repeat delay, the hat, the throttle, the stop
// conditions and the pointer sounds.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;

constexpr int kModeSlot = 8;  // free in the defaults, within the pad's 12 buttons

// Defaults from an empty profile, with the given changes made before the
// limits are derived and the timer starts.
template <typename Change>
void StartWith(EngineRig& rig, Change change) {
  rig.engine.LoadSettings();
  change(rig.engine.settings);
  rig.StartWithSettings();
}
void StartDefault(EngineRig& rig) {
  StartWith(rig, [](PadSettings&) {});
}
void NoAccelButtons(PadSettings& s) {
  for (std::uint32_t& f : s.ButtonFlags)
    if (f & BA_ACCEL) f = 0;
}

std::vector<std::int32_t> Xs(const std::vector<Point>& moves) {
  std::vector<std::int32_t> out;
  for (const Point& p : moves) out.push_back(p.x);
  return out;
}

// (message, wParam) of each message sent.
struct Sent {
  std::uint32_t message;
  std::uint32_t wParam;
  bool operator==(const Sent& o) const { return message == o.message && wParam == o.wParam; }
};
std::vector<Sent> SentTo(const EngineRig& rig, WindowHandle window) {
  std::vector<Sent> out;
  for (const sim::Effect& e : rig.Sends())
    if (e.window == window)
      out.push_back(Sent{e.message.message, Low32(e.message.wParam)});
  return out;
}

using Stroke = EngineRig::KeyStroke;
std::vector<Stroke> Taps(std::uint8_t vk, int n) {
  std::vector<Stroke> out;
  for (int i = 0; i < n; ++i) {
    out.push_back(Stroke{vk, 0, kExt});
    out.push_back(Stroke{vk, 0, kExtUp});
  }
  return out;
}

// Holds the mode button for one tick with the stick at rest, so that its
// counter is up before the stick is pushed (the stick is handled before the
// buttons within a tick).
void HoldModeButton(EngineRig& rig) {
  rig.sim.joystick.Press(kModeSlot);
  rig.Tick();
  rig.ClearLog();
}

TEST(PollingTimer, PeriodIsTenWithSpeedAsResolution) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.Speed = 50; });
  EXPECT_NE(rig.timerId, 0u);
  EXPECT_EQ(rig.engine.state.TimerId.Current(), rig.timerId);
  EXPECT_EQ(rig.sim.timer.LastResolution(), 50u);
  EXPECT_TRUE(rig.sim.timer.IsRunning(rig.timerId));

  // Ten ticks in 100 ms whatever the resolution.
  const int before = rig.sim.joystick.reads;
  rig.Ticks(10);
  EXPECT_EQ(rig.sim.joystick.reads - before, 10);
  EXPECT_EQ(rig.sim.joystick.lastSampleSize, 52u);
  EXPECT_EQ(rig.sim.joystick.lastSampleFlags, kJoyReturnAll);
}

TEST(PollingTimer, FailedStartGivesZero) {
  EngineRig rig;
  rig.engine.LoadSettings();
  rig.engine.DeriveCaps();
  rig.sim.timer.failNextStart = true;
  EXPECT_EQ(rig.engine.StartPolling(), 0u);
  EXPECT_EQ(rig.engine.state.TimerId.Current(), 0u);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
}

TEST(PollingTimer, NoTicksAfterStopUntilStartedAgain) {
  EngineRig rig;
  StartDefault(rig);
  rig.Ticks(2);
  rig.engine.StopPolling();
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  ASSERT_EQ(rig.sim.log.Count(sim::EffectKind::TimerKill), 1u);
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::TimerKill)[0].timer.id, rig.timerId);

  const int reads = rig.sim.joystick.reads;
  rig.sim.joystick.SetStick(0, 32767);
  rig.Ticks(20);
  EXPECT_EQ(rig.sim.joystick.reads, reads);
  EXPECT_TRUE(rig.Moves().empty());

  rig.Restart();
  rig.Ticks(3);
  EXPECT_EQ(rig.sim.joystick.reads, reads + 3);
  EXPECT_EQ(rig.Moves().size(), 3u);
}

TEST(PollingTimer, ATickThatStopsPollingBeforeTheStartHasReturnedLeavesNoTimer) {
  for (bool unplugged : {true, false}) {
    SCOPED_TRACE(unplugged ? "unplugged" : "SHIFT+PAUSE");
    EngineRig rig;
    StartDefault(rig);
    rig.engine.StopPolling();
    if (unplugged) {
      rig.sim.joystick.Unplug();
    } else {
      rig.sim.input.SetKeyState(kVkShift, kKeyDownNow);
      rig.sim.input.SetKeyState(kVkPause, kKeyPressedSince);
    }
    rig.sim.timer.FireDuringNextStart();
    rig.ClearLog();
    rig.timerId = rig.engine.StartPolling();
    EXPECT_THAT(rig.host.Stops(), ElementsAre(unplugged));
    EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
    EXPECT_FALSE(rig.sim.timer.IsRunning(rig.timerId));

    // Resumed with the cause gone: one timer, one tick every 10 ms.
    rig.sim.joystick.Plug();
    rig.sim.input.SetKeyState(kVkShift, 0);
    rig.sim.input.SetKeyState(kVkPause, 0);
    rig.Restart();
    const int reads = rig.sim.joystick.reads;
    rig.sim.joystick.SetStick(0, 32767);
    rig.Ticks(10);
    EXPECT_EQ(rig.sim.timer.LiveCount(), 1);
    EXPECT_EQ(rig.sim.joystick.reads - reads, 10);
    EXPECT_EQ(rig.Moves().size(), 10u);
  }
}

TEST(StickMotion, DefaultMarginsDecideWhatCountsAsPushed) {
  struct Case {
    std::uint32_t x, y;
    std::int32_t dx, dy;  // expected step, 0 0 for none
  };
  const Case cases[] = {
      {3000, 32767, -1, 0},  {3001, 32767, 0, 0},  {0, 32767, -1, 0},
      {62535, 32767, 1, 0},  {62534, 32767, 0, 0}, {65535, 32767, 1, 0},
      {32767, 3000, 0, -1},  {32767, 3001, 0, 0},  {32767, 62535, 0, 1},
      {32767, 62534, 0, 0},  {0, 65535, -1, 1},    {65535, 0, 1, -1},
      {32767, 32767, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EngineRig rig;
    StartDefault(rig);
    rig.sim.joystick.SetStick(c.x, c.y);
    rig.Ticks(3);
    const std::vector<Point> moves = rig.Moves();
    if (c.dx == 0 && c.dy == 0) {
      EXPECT_TRUE(moves.empty());
      continue;
    }
    ASSERT_EQ(moves.size(), 3u);
    for (const Point& p : moves) {
      EXPECT_EQ(p.x, c.dx);
      EXPECT_EQ(p.y, c.dy);
    }
    // A move is a plain relative move with no wheel data.
    for (const sim::Effect& e : rig.sim.log.Of(sim::EffectKind::Mouse)) {
      EXPECT_EQ(e.mouse.flags, kMouseMove);
      EXPECT_EQ(e.mouse.data, 0);
    }
  }
}

TEST(StickMotion, StepIsNSpeedWhateverTheDeflection) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.NSpeed = 5; });
  rig.sim.joystick.SetStick(0, 32767);
  rig.Tick();
  rig.sim.joystick.SetStick(2500, 32767);
  rig.Tick();
  EXPECT_THAT(Xs(rig.Moves()), ElementsAre(-5, -5));
}

TEST(StickMotion, StoredStepsAreUsedAsStoredAndTheirProductsSaturate) {
  constexpr std::int32_t kMin = INT32_MIN;
  constexpr std::int32_t kMax = INT32_MAX;
  struct Case {
    std::int32_t nSpeed, gSpeed;
    bool accel;  // the default acceleration button held
    std::uint32_t x, y;
    std::int32_t dx, dy;
  };
  const Case cases[] = {
      {-5, 4, false, 65535, 32767, -5, 0},
      {1000, 1000, true, 0, 65535, -1000000, 1000000},
      {kMin, 4, false, 0, 32767, kMax, 0},
      {kMin, 4, false, 32767, 65535, 0, kMin},
      {kMin, 4, false, 32767, 0, 0, kMax},
      {0x40000000, 4, true, 65535, 0, kMax, kMin},
      {0x40000000, -4, true, 65535, 32767, kMin, 0},
      {kMin, -1, true, 0, 32767, kMin, 0},
      {kMin, kMin, true, 0, 0, kMin, kMin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.nSpeed) + " x " + std::to_string(c.gSpeed));
    EngineRig rig;
    StartWith(rig, [&](PadSettings& s) {
      s.NSpeed = c.nSpeed;
      s.GSpeed = c.gSpeed;
    });
    if (c.accel) rig.sim.joystick.Press(3);
    rig.sim.joystick.SetStick(c.x, c.y);
    rig.Tick();
    const std::vector<Point> moves = rig.Moves();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].x, c.dx);
    EXPECT_EQ(moves[0].y, c.dy);
  }
}

TEST(Acceleration, HeldAccelButtonMultipliesUntilReleased) {
  EngineRig rig;
  StartDefault(rig);  // slot 3 accelerates; NSpeed 1, GSpeed 4
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Tick();
  rig.sim.joystick.Press(3);
  rig.Ticks(3);
  rig.sim.joystick.Release(3);
  rig.Ticks(2);
  EXPECT_THAT(Xs(rig.Moves()), ElementsAre(1, 4, 4, 4, 1, 1));
}

TEST(Acceleration, QuickSecondPushStartsAcceleratedWithoutAccelButtons) {
  // Speed 20: a window of 100 / 20 + 1 = 6 idle ticks, of which 5 are left
  // after the first idle tick has counted.
  for (int idle : {1, 5, 6, 9}) {
    SCOPED_TRACE(idle);
    EngineRig rig;
    StartWith(rig, NoAccelButtons);
    rig.sim.joystick.SetStick(65535, 32767);
    rig.Ticks(3);
    rig.sim.joystick.SetStick(32767, 32767);
    rig.Ticks(idle);
    rig.sim.joystick.SetStick(65535, 32767);
    rig.Ticks(4);
    const std::int32_t second = idle <= 5 ? 4 : 1;
    EXPECT_THAT(Xs(rig.Moves()), ElementsAre(1, 1, 1, second, second, second, second));
  }
}

TEST(Acceleration, WindowLengthFollowsSpeed) {
  // Speed 50: 100 / 50 + 1 = 3 ticks, 2 left after the first idle tick.
  for (int idle : {2, 3}) {
    SCOPED_TRACE(idle);
    EngineRig rig;
    StartWith(rig, [](PadSettings& s) {
      NoAccelButtons(s);
      s.Speed = 50;
    });
    rig.sim.joystick.SetStick(0, 32767);
    rig.Tick();
    rig.sim.joystick.SetStick(32767, 32767);
    rig.Ticks(idle);
    rig.sim.joystick.SetStick(0, 32767);
    rig.Tick();
    EXPECT_THAT(Xs(rig.Moves()), ElementsAre(-1, idle <= 2 ? -4 : -1));
  }
}

TEST(Acceleration, AConfiguredAccelButtonTurnsTheWindowOff) {
  EngineRig rig;
  StartDefault(rig);
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(2);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(1);
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(2);
  EXPECT_THAT(Xs(rig.Moves()), ElementsAre(1, 1, 1, 1));
}

TEST(Acceleration, SpeedZeroDoesNotStopThePolling) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    NoAccelButtons(s);
    s.Speed = 0;
  });
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(2);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(3);
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(2);
  const std::vector<Point> moves = rig.Moves();
  ASSERT_EQ(moves.size(), 4u);
  EXPECT_EQ(moves[0].x, 1);
  EXPECT_GT(moves[3].x, 0);
  EXPECT_TRUE(rig.sim.timer.IsRunning(rig.timerId));
}

TEST(Deceleration, HeldDecelButtonSkipsEverySecondTick) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_DECEL; });
  rig.sim.joystick.SetStick(0, 32767);
  rig.sim.joystick.Press(kModeSlot);
  rig.Ticks(10);
  EXPECT_EQ(rig.Moves().size(), 5u);
  rig.ClearLog();
  rig.sim.joystick.Release(kModeSlot);
  rig.Ticks(4);
  EXPECT_EQ(rig.Moves().size(), 4u);
}

TEST(ArrowStick, FirstArrowAtOnceThenDelayThenEveryTick) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_ARROW_STICK; });
  HoldModeButton(rig);

  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  EXPECT_EQ(rig.Keys(), Taps(kVkUp, 1));
  EXPECT_TRUE(rig.Moves().empty());

  // For 300 ms whole ticks are skipped: a button pressed meanwhile does
  // nothing yet.
  rig.ClearLog();
  rig.sim.joystick.Press(0);
  rig.Ticks(29);
  EXPECT_TRUE(rig.sim.log.All().empty());

  rig.Tick();
  EXPECT_EQ(rig.Keys(), Taps(kVkUp, 1));
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));

  rig.ClearLog();
  rig.Ticks(5);
  EXPECT_EQ(rig.Keys(), Taps(kVkUp, 5));
  EXPECT_TRUE(rig.Moves().empty());
}

TEST(ArrowStick, EachDirectionTypesItsArrowAndCentringResetsTheDelay) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_ARROW_STICK; });
  HoldModeButton(rig);
  const struct {
    std::uint32_t x, y;
    std::uint8_t vk;
  } pushes[] = {{0, 32767, kVkLeft}, {65535, 32767, kVkRight}, {32767, 0, kVkUp},
                {32767, 65535, kVkDown}};
  for (const auto& p : pushes) {
    SCOPED_TRACE(static_cast<int>(p.vk));
    rig.ClearLog();
    rig.sim.joystick.SetStick(p.x, p.y);
    rig.Tick();
    EXPECT_EQ(rig.Keys(), Taps(p.vk, 1));
    // Let the delay run out, then centre: the next push acts at once.
    rig.sim.joystick.SetStick(32767, 32767);
    rig.Ticks(31);
    EXPECT_EQ(rig.engine.state.RepeatDeadline, 0u);
  }
}

TEST(ArrowStick, DelayZeroRepeatsOnEveryTick) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    s.ButtonFlags[kModeSlot] = BA_ARROW_STICK;
    s.Delay = 0;
  });
  HoldModeButton(rig);
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(4);
  EXPECT_EQ(rig.Keys(), Taps(kVkRight, 4));
}

TEST(ScrollStick, DirectionsSendLineMessagesToTheWindowUnderThePointer) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    s.ButtonFlags[kModeSlot] = BA_SCROLL_STICK;
    s.Delay = 0;
  });
  HoldModeButton(rig);
  const struct {
    std::uint32_t x, y;
    Sent sent;
  } pushes[] = {{0, 32767, {kWmHScroll, kSbLineUp}},
                {65535, 32767, {kWmHScroll, kSbLineDown}},
                {32767, 0, {kWmVScroll, kSbLineUp}},
                {32767, 65535, {kWmVScroll, kSbLineDown}}};
  for (const auto& p : pushes) {
    rig.ClearLog();
    rig.sim.joystick.SetStick(p.x, p.y);
    rig.Ticks(2);
    EXPECT_THAT(SentTo(rig, kTargetWindow), ElementsAre(p.sent, p.sent));
    for (const sim::Effect& e : rig.Sends()) EXPECT_EQ(e.message.lParam, 0);
    EXPECT_TRUE(rig.Moves().empty());
  }
}

TEST(ScrollStick, AWindowThatStopsRespondingHoldsNoTickForLong) {
  EngineRig rig;
  rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
  StartWith(rig, [](PadSettings& s) {
    s.ButtonFlags[kModeSlot] = BA_SCROLL_STICK;
    s.ButtonFlags[9] = BA_WHEEL_STICK;
    s.ButtonFlags[10] = BA_WHEEL_UP;
    s.Delay = 0;
  });
  rig.engine.state.LegacyWheel = 1;
  rig.sim.windows.SetHung(kTargetWindow, true);
  HoldModeButton(rig);
  // The hat, the scroll stick, the wheel stick and a wheel button, each
  // sending to the window that has stopped responding.
  rig.sim.joystick.SetPov(4500);
  rig.Ticks(2);
  rig.sim.joystick.SetPov(kJoyPovCentered);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Ticks(2);
  rig.sim.joystick.SetButtons(1u << 9);
  rig.Ticks(2);
  rig.sim.joystick.SetButtons((1u << 10) | 1u);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(3);

  const std::vector<std::uint32_t> timeouts = rig.SendTimeouts();
  ASSERT_EQ(timeouts.size(), 10u);
  for (std::uint32_t timeout : timeouts) EXPECT_LE(timeout, 200u);
  // The ticks went on to the buttons.
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
}

TEST(ScrollStick, DesktopIconViewNeverGetsScrollMessages) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    s.ButtonFlags[kModeSlot] = BA_SCROLL_STICK;
    s.Delay = 0;
  });
  rig.engine.state.DesktopListView = kTargetWindow;
  rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
  rig.engine.DeriveCaps();
  HoldModeButton(rig);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Ticks(3);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.sim.joystick.SetPov(0);
  rig.Ticks(3);
  EXPECT_TRUE(rig.Sends().empty());
  EXPECT_TRUE(rig.Moves().empty());
}

TEST(Hat, PositionsScrollOnEveryTickAndTheStickIsIgnored) {
  struct Case {
    std::uint32_t pov;
    std::vector<Sent> perTick;
  };
  const Sent up{kWmVScroll, kSbLineUp}, down{kWmVScroll, kSbLineDown};
  const Sent left{kWmHScroll, kSbLineUp}, right{kWmHScroll, kSbLineDown};
  const Case cases[] = {
      {0, {up}},           {4500, {up, right}},    {9000, {right}},
      {13500, {down, right}}, {18000, {down}},     {22500, {down, left}},
      {27000, {left}},     {31500, {up, left}},    {35900, {up}},
      {6001, {right}},     {24001, {left}},        {33001, {up}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pov);
    EngineRig rig;
    rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
    StartDefault(rig);
    rig.sim.joystick.SetStick(0, 65535);
    rig.sim.joystick.SetPov(c.pov);
    rig.Ticks(3);
    std::vector<Sent> expected;
    for (int t = 0; t < 3; ++t) expected.insert(expected.end(), c.perTick.begin(), c.perTick.end());
    EXPECT_EQ(SentTo(rig, kTargetWindow), expected);
    EXPECT_EQ(rig.Sends().size(), expected.size());
    EXPECT_TRUE(rig.Moves().empty());
  }
}

TEST(Hat, IgnoredOnAPadWithoutOne) {
  EngineRig rig;
  StartDefault(rig);
  rig.sim.joystick.SetPov(0);
  rig.sim.joystick.SetStick(0, 32767);
  rig.Ticks(2);
  EXPECT_TRUE(rig.Sends().empty());
  EXPECT_EQ(rig.Moves().size(), 2u);
}

TEST(Hat, CancelsAPendingRepeatDelay) {
  EngineRig rig;
  rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
  StartWith(rig, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_ARROW_STICK; });
  HoldModeButton(rig);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  ASSERT_NE(rig.engine.state.RepeatDeadline, 0u);
  // The delay still holds every tick back; once past it, a hat tick clears it.
  rig.sim.joystick.SetPov(0);
  rig.Ticks(30);
  EXPECT_EQ(rig.engine.state.RepeatDeadline, 0u);
  rig.ClearLog();
  rig.sim.joystick.SetPov(kJoyPovCentered);
  rig.Tick();
  EXPECT_EQ(rig.Keys(), Taps(kVkUp, 1));
}

struct WheelRig : EngineRig {
  explicit WheelRig(int legacy) {
    StartWith(*this, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_WHEEL_STICK; });
    engine.state.LegacyWheel = legacy;
    sim.windows.SetCursor(Point{400, 300});
    sim.windows.SetClientOrigin(kTargetWindow, Point{150, 20});
    HoldModeButton(*this);
  }
};

TEST(WheelStick, LegacyWheelSendsMessagesWithTheLiveKeyFlags) {
  WheelRig rig(1);
  const std::uint32_t clientPos = (280u << 16) | 250u;

  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  rig.sim.input.SetKeyState(kVkShift, kKeyDownNow);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(31);  // past the delay, centred
  rig.sim.joystick.SetStick(32767, 65535);
  rig.Tick();
  rig.sim.input.SetKeyState(kVkShift, 0);
  rig.sim.input.SetKeyState(kVkControl, kKeyDownNow);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(31);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();

  const std::vector<sim::Effect> sends = rig.Sends();
  ASSERT_EQ(sends.size(), 3u);
  for (const sim::Effect& e : sends) {
    EXPECT_EQ(e.window, kTargetWindow);
    EXPECT_EQ(e.message.message, kWmMouseWheel);
    EXPECT_EQ(Low32(e.message.lParam), clientPos);
  }
  EXPECT_EQ(Low32(sends[0].message.wParam), WheelWParam(kWheelDelta, 0));
  EXPECT_EQ(Low32(sends[1].message.wParam), WheelWParam(-kWheelDelta, kMkShift));
  EXPECT_EQ(Low32(sends[2].message.wParam), WheelWParam(kWheelDelta, kMkControl));
  EXPECT_TRUE(rig.Moves().empty());
  EXPECT_TRUE(rig.Wheels().empty());
}

TEST(WheelStick, LegacyWheelIgnoresTheDesktopIconViewTest) {
  WheelRig rig(1);
  rig.engine.state.DesktopListView = kTargetWindow;
  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  EXPECT_EQ(rig.Sends().size(), 1u);
}

TEST(WheelStick, SynthesisedWheelRepeatsAfterTheDelay) {
  WheelRig rig(0);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  EXPECT_THAT(rig.Wheels(), ElementsAre(kWheelDelta));
  rig.Ticks(29);
  EXPECT_THAT(rig.Wheels(), ElementsAre(kWheelDelta));
  rig.Ticks(2);
  EXPECT_THAT(rig.Wheels(), ElementsAre(kWheelDelta, kWheelDelta, kWheelDelta));
  for (const sim::Effect& e : rig.sim.log.Of(sim::EffectKind::Mouse)) {
    EXPECT_EQ(e.mouse.flags, kMouseWheel);
    EXPECT_EQ(e.mouse.dx, 0);
    EXPECT_EQ(e.mouse.dy, 0);
  }

  rig.sim.joystick.SetStick(32767, 32767);
  rig.Tick();
  rig.ClearLog();
  rig.sim.joystick.SetStick(32767, 65535);
  rig.Tick();
  EXPECT_THAT(rig.Wheels(), ElementsAre(-kWheelDelta));
  EXPECT_TRUE(rig.Sends().empty());
}

TEST(WheelStick, SidewaysPushDoesNothing) {
  WheelRig rig(0);
  rig.sim.joystick.SetStick(0, 32767);
  rig.Ticks(3);
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(3);
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::Mouse).empty());
  EXPECT_TRUE(rig.Sends().empty());
}

TEST(Throttle, SetsTheStepOnlyWithAZAxisAndTheOption) {
  struct Case {
    bool hasZ;
    int zaxis;
    std::int32_t step;
  };
  for (const Case& c : {Case{true, 1, 8}, Case{true, 0, 1}, Case{false, 1, 1}}) {
    SCOPED_TRACE(std::to_string(c.hasZ) + " " + std::to_string(c.zaxis));
    EngineRig rig;
    rig.sim.joystick.Caps().caps = c.hasZ ? kJoyCapsHasZ : 0;
    StartWith(rig, [&](PadSettings& s) { s.Zaxis = c.zaxis; });
    rig.sim.joystick.SetZ(0x7000);
    rig.sim.joystick.SetStick(65535, 32767);
    rig.Tick();
    EXPECT_THAT(Xs(rig.Moves()), ElementsAre(c.step));
    EXPECT_EQ(rig.engine.settings.NSpeed, c.step);
  }
}

TEST(Throttle, FollowsOnEveryTickAndIsSavedWithItsLastValue) {
  EngineRig rig;
  rig.sim.joystick.Caps().caps = kJoyCapsHasZ;
  StartWith(rig, [](PadSettings& s) { s.Zaxis = 1; });
  rig.sim.joystick.SetStick(65535, 32767);
  rig.sim.joystick.SetZ(0);
  rig.Tick();
  rig.sim.joystick.SetZ(65535);
  rig.Tick();
  rig.sim.joystick.SetZ(0x2FFF);
  rig.Tick();
  EXPECT_THAT(Xs(rig.Moves()), ElementsAre(1, 16, 3));
  rig.engine.SaveSettings();
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Buttons",
                                   "NSpeed"),
            3u);
}

// Hold-mode left click on slot 0, latched by one press and release.
void LatchHoldLeft(EngineRig& rig) {
  rig.sim.joystick.Press(0);
  rig.Tick();
  rig.sim.joystick.Release(0);
  rig.Tick();
  ASSERT_EQ(rig.engine.buttons.HoldCount, 1);
  rig.ClearLog();
}

TEST(PauseChord, ShiftPauseStopsAndKeepsLatches) {
  for (std::int16_t pauseState : {kKeyDownNow, kKeyPressedSince}) {
    SCOPED_TRACE(pauseState);
    EngineRig rig;
    StartWith(rig, [](PadSettings& s) { s.ButtonFlags[0] = BA_LEFT | BX_HOLD; });
    LatchHoldLeft(rig);

    rig.sim.input.SetKeyState(kVkShift, kKeyDownNow);
    rig.sim.input.SetKeyState(kVkPause, pauseState);
    rig.sim.joystick.SetStick(0, 32767);
    rig.Tick();
    EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
    EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TimerKill), 1u);
    EXPECT_THAT(rig.host.Stops(), ElementsAre(false));
    EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Paused));
    EXPECT_EQ(rig.engine.buttons.HoldCount, 1);
    EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::Mouse).empty());

    const int reads = rig.sim.joystick.reads;
    rig.Ticks(5);
    EXPECT_EQ(rig.sim.joystick.reads, reads);
  }
}

TEST(PauseChord, PauseAloneOrShiftAloneKeepsPolling) {
  for (std::uint8_t vk : {kVkPause, kVkShift}) {
    EngineRig rig;
    StartDefault(rig);
    rig.sim.input.SetKeyState(vk, kKeyDownNow);
    rig.sim.joystick.SetStick(0, 32767);
    rig.Ticks(3);
    EXPECT_EQ(rig.Moves().size(), 3u);
    EXPECT_TRUE(rig.host.Stops().empty());
    EXPECT_TRUE(rig.sim.timer.IsRunning(rig.timerId));
  }
}

TEST(PadFailure, LatchedButtonsAreReleasedThenPollingStops) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    s.ButtonFlags[0] = BA_LEFT | BX_HOLD;
    s.ButtonFlags[9] = BA_KEY | BX_CTRL | BX_HOLD;
    s.KeyChar[9] = 0x43;
    s.KeyCode[9] = 0x2E;
  });
  rig.sim.joystick.SetButtons((1u << 0) | (1u << 9));
  rig.Tick();
  rig.sim.joystick.SetButtons(1u << 1);  // an ordinary right click stays held
  rig.Tick();
  ASSERT_EQ(rig.engine.buttons.HoldCount, 2);
  rig.ClearLog();

  rig.sim.joystick.Unplug();
  rig.Tick();
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftUp));
  EXPECT_EQ(rig.Keys(), (std::vector<Stroke>{{kVkControl, 0, kExtUp}, {0x43, 0x2E, kExtUp}}));
  EXPECT_EQ(rig.engine.buttons.HoldCount, 0);
  EXPECT_EQ(rig.engine.buttons.HoldState[0], 0);
  EXPECT_EQ(rig.engine.buttons.HoldState[9], 0);
  EXPECT_NE(rig.engine.buttons.PressState[1], 0u);
  EXPECT_EQ(rig.engine.buttons.RightCount, 1);

  const std::vector<IconPicture> pictures = rig.host.Pictures();
  ASSERT_GE(pictures.size(), 2u);
  EXPECT_EQ(pictures[pictures.size() - 2], IconPicture::Active);
  EXPECT_EQ(pictures.back(), IconPicture::Paused);
  EXPECT_THAT(rig.host.Stops(), ElementsAre(true));
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  EXPECT_EQ(rig.engine.state.RepeatDeadline, 0u);

  // The release comes before the timer is killed.
  const std::vector<sim::EffectKind> kinds = rig.Kinds();
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds.back(), sim::EffectKind::TimerKill);
}

TEST(PadFailure, WithoutLatchesOnlyThePausedPicture) {
  EngineRig rig;
  StartDefault(rig);
  rig.Tick();
  rig.sim.joystick.Unplug();
  rig.Ticks(3);
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Paused));
  EXPECT_THAT(rig.host.Stops(), ElementsAre(true));
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TimerKill), 1u);
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::Mouse).empty());
}

TEST(PadFailure, ClearsAPendingRepeatDelay) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) { s.ButtonFlags[kModeSlot] = BA_ARROW_STICK; });
  HoldModeButton(rig);
  rig.sim.joystick.SetStick(32767, 0);
  rig.Tick();
  ASSERT_NE(rig.engine.state.RepeatDeadline, 0u);
  rig.sim.joystick.Unplug();
  rig.Tick();
  EXPECT_EQ(rig.engine.state.RepeatDeadline, 0u);
  EXPECT_THAT(rig.host.Stops(), ElementsAre(true));
}

void WithPointerSounds(PadSettings& s) {
  s.CursorSoundOn = 1;
  s.CursorSoundOff = 1;
  CopyText(s.CursorSoundOnFile, "on.wav");
  CopyText(s.CursorSoundOffFile, "off.wav");
}

TEST(PointerSounds, StartAndStopOfAMovement) {
  EngineRig rig;
  StartWith(rig, WithPointerSounds);
  rig.Tick();
  rig.sim.joystick.SetStick(0, 0);
  rig.Ticks(4);
  EXPECT_THAT(rig.Sounds(), ElementsAre("on.wav"));
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Tick();
  EXPECT_THAT(rig.Sounds(), ElementsAre("on.wav", "off.wav"));
  rig.Ticks(5);
  EXPECT_THAT(rig.Sounds(), ElementsAre("on.wav", "off.wav"));
}

TEST(PointerSounds, EachSoundHasItsOwnSwitch) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    WithPointerSounds(s);
    s.CursorSoundOn = 0;
  });
  rig.sim.joystick.SetStick(32767, 65535);
  rig.Ticks(2);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(2);
  EXPECT_THAT(rig.Sounds(), ElementsAre("off.wav"));
}

TEST(PointerSounds, StopSoundWaitsForTheAccelerationWindow) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    WithPointerSounds(s);
    NoAccelButtons(s);
  });
  rig.sim.joystick.SetStick(65535, 32767);
  rig.Ticks(2);
  rig.sim.joystick.SetStick(32767, 32767);
  rig.Ticks(5);
  EXPECT_THAT(rig.Sounds(), ElementsAre("on.wav"));
  rig.Tick();
  EXPECT_THAT(rig.Sounds(), ElementsAre("on.wav", "off.wav"));
}

TEST(PointerSounds, SidewaysWheelStickPushStaysSilent) {
  EngineRig rig;
  StartWith(rig, [](PadSettings& s) {
    WithPointerSounds(s);
    s.ButtonFlags[kModeSlot] = BA_WHEEL_STICK;
  });
  HoldModeButton(rig);
  rig.sim.joystick.SetStick(0, 32767);
  rig.Ticks(2);
  EXPECT_TRUE(rig.Sounds().empty());
}

}  // namespace
}  // namespace qv::test
