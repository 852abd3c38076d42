// Button actions as the pad drives them: mouse buttons with shared counts,
// keys with modifiers and their late release, wheel buttons and their repeat,
// hold mode, launching, favourites, and the button count.
#include <algorithm>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using Keys = std::vector<EngineRig::KeyStroke>;

constexpr int kSpare = 8;  // first slot without a default action

struct Buttons : ::testing::Test {
  void SetUp() override { rig.Start(); }
  void Configure(int slot, std::uint32_t flags) {
    rig.engine.settings.ButtonFlags[slot] = flags;
    rig.engine.DeriveCaps();
  }
  void Press(int slot) {
    rig.sim.joystick.Press(slot);
    rig.Tick();
  }
  void Release(int slot) {
    rig.sim.joystick.Release(slot);
    rig.Tick();
  }
  EngineRig rig;
};

TEST_F(Buttons, DefaultDoubleClickSlot) {
  Press(2);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown, kMouseLeftUp, kMouseLeftDown));
  rig.Ticks(10);  // held: nothing more
  EXPECT_EQ(rig.MouseButtons().size(), 3u);
  rig.ClearLog();
  Release(2);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftUp));
  rig.Ticks(3);
  EXPECT_EQ(rig.MouseButtons().size(), 1u);
  EXPECT_TRUE(rig.Keys().empty());
}

TEST_F(Buttons, RightAndMiddleButtons) {
  Configure(kSpare, BA_MIDDLE | BX_DOUBLE);
  Press(1);
  Press(kSpare);
  Release(1);
  Release(kSpare);
  EXPECT_THAT(rig.MouseButtons(),
              ElementsAre(kMouseRightDown, kMouseMiddleDown, kMouseMiddleUp, kMouseMiddleDown,
                          kMouseRightUp, kMouseMiddleUp));
}

TEST_F(Buttons, SharedMouseButtonGoesUpWithTheLast) {
  Configure(kSpare, BA_LEFT);
  rig.sim.joystick.Press(0);
  rig.sim.joystick.Press(kSpare);
  rig.Tick();
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
  Release(0);
  rig.Ticks(2);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
  Release(kSpare);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown, kMouseLeftUp));
  EXPECT_EQ(rig.engine.buttons.LeftCount, 0);
}

TEST_F(Buttons, KeyWithCtrlGoesDownAtPressAndUpTheTickAfterRelease) {
  Configure(kSpare, BA_KEY | BX_CTRL);
  rig.engine.settings.KeyChar[kSpare] = 0x43;
  rig.engine.settings.KeyCode[kSpare] = 0x2E;
  Press(kSpare);
  EXPECT_EQ(rig.Keys(), (Keys{{kVkControl, 0, kExt}, {0x43, 0x2E, kExt}}));
  rig.Ticks(5);
  EXPECT_EQ(rig.Keys().size(), 2u);
  rig.ClearLog();
  Release(kSpare);
  EXPECT_TRUE(rig.Keys().empty());
  rig.Tick();
  EXPECT_EQ(rig.Keys(), (Keys{{kVkControl, 0, kExtUp}, {0x43, 0x2E, kExtUp}}));
  rig.Ticks(3);
  EXPECT_EQ(rig.Keys().size(), 2u);
  EXPECT_TRUE(rig.MouseButtons().empty());
}

TEST_F(Buttons, ModifiersGoDownInOrderBeforeTheMouseButton) {
  Configure(kSpare, BA_RIGHT | BX_ALT | BX_CTRL | BX_SHIFT);
  Press(kSpare);
  EXPECT_EQ(rig.Keys(),
            (Keys{{kVkShift, 0, kExt}, {kVkControl, 0, kExt}, {kVkMenu, 0, kExt}}));
  const auto kinds = rig.Kinds();
  ASSERT_EQ(kinds.size(), 4u);
  EXPECT_EQ(kinds.back(), sim::EffectKind::Mouse);
  rig.ClearLog();
  Release(kSpare);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseRightUp));
  EXPECT_TRUE(rig.Keys().empty());
  rig.Tick();
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExtUp},
                              {kVkControl, 0, kExtUp},
                              {kVkMenu, 0, kExtUp}}));
}

TEST_F(Buttons, SharedShiftGoesUpAfterBothAreReleased) {
  Configure(kSpare, BX_SHIFT | BA_LEFT);
  Configure(kSpare + 1, BX_SHIFT | BA_RIGHT);
  Press(kSpare);
  Press(kSpare + 1);
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}}));
  Release(kSpare);
  rig.Ticks(3);
  EXPECT_EQ(rig.Keys().size(), 1u);
  Release(kSpare + 1);
  rig.Tick();
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}, {kVkShift, 0, kExtUp}}));
}

TEST_F(Buttons, KeyButtonSharesItsKeyWithAModifier) {
  Configure(kSpare, BA_KEY);
  rig.engine.settings.KeyChar[kSpare] = kVkShift;
  Configure(kSpare + 1, BX_SHIFT | BA_MIDDLE);
  Press(kSpare);
  Press(kSpare + 1);
  Release(kSpare);
  rig.Ticks(2);
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}}));
  Release(kSpare + 1);
  rig.Tick();
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}, {kVkShift, 0, kExtUp}}));
}

TEST_F(Buttons, ShiftWheelHeldOneSecondRepeatsAfterTheDelay) {
  // Default slot 6: wheel up with SHIFT; Delay 300.
  rig.sim.joystick.Press(6);
  rig.Ticks(100);  // held from the first of these ticks for 990 ms
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}}));
  const auto kinds = rig.Kinds();
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds.front(), sim::EffectKind::Key);
  // One notch at once, then one per tick from 300 ms on: 0, 300, 310 ... 990.
  const auto wheels = rig.Wheels();
  EXPECT_EQ(wheels.size(), 71u);
  EXPECT_TRUE(std::all_of(wheels.begin(), wheels.end(), [](std::int32_t d) { return d == kWheelDelta; }));
  rig.ClearLog();
  Release(6);
  EXPECT_TRUE(rig.sim.log.All().empty());
  rig.Tick();
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExtUp}}));
  EXPECT_TRUE(rig.Wheels().empty());
}

TEST_F(Buttons, WheelButtonWaitsTheDelayBeforeItsSecondNotch) {
  Press(5);  // wheel down
  rig.Ticks(29);
  EXPECT_THAT(rig.Wheels(), ElementsAre(-kWheelDelta));
  rig.Tick();
  EXPECT_THAT(rig.Wheels(), ElementsAre(-kWheelDelta, -kWheelDelta));
  // A new press starts with a notch at once again.
  Release(5);
  rig.ClearLog();
  Press(5);
  EXPECT_THAT(rig.Wheels(), ElementsAre(-kWheelDelta));
}

TEST_F(Buttons, HoldModeLeftClick) {
  Configure(kSpare, BX_HOLD | BA_LEFT);
  Press(kSpare);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Holding));
  Release(kSpare);
  rig.Ticks(5);
  Press(kSpare);
  rig.Ticks(5);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Holding));
  Release(kSpare);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown, kMouseLeftUp));
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Holding, IconPicture::Active));
  EXPECT_EQ(rig.engine.buttons.HoldCount, 0);
}

TEST_F(Buttons, IconShowsHoldingWhileAnyLatchRemains) {
  Configure(kSpare, BX_HOLD | BA_LEFT);
  Configure(kSpare + 1, BX_HOLD | BA_RIGHT);
  Press(kSpare);
  Release(kSpare);
  Press(kSpare + 1);
  Release(kSpare + 1);
  Press(kSpare);
  Release(kSpare);  // one latch left
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Holding));
  Press(kSpare + 1);
  Release(kSpare + 1);
  EXPECT_THAT(rig.host.Pictures(), ElementsAre(IconPicture::Holding, IconPicture::Active));
}

TEST_F(Buttons, HoldModeWheelTurnsOnce) {
  Configure(kSpare, BX_HOLD | BA_WHEEL_UP);
  rig.sim.joystick.Press(kSpare);
  rig.Ticks(60);
  Release(kSpare);
  rig.Ticks(60);
  EXPECT_THAT(rig.Wheels(), ElementsAre(kWheelDelta));
  Press(kSpare);
  Release(kSpare);
  rig.Ticks(60);
  EXPECT_THAT(rig.Wheels(), ElementsAre(kWheelDelta));
  EXPECT_EQ(rig.engine.buttons.HoldCount, 0);
}

TEST_F(Buttons, LaunchOnReleaseAndReportEachFailure) {
  Configure(kSpare, BA_LAUNCH);
  CopyText(rig.engine.settings.AppPath[kSpare], "C:\\Apps\\memo.exe");
  rig.sim.shell.openResult = 2;
  Press(kSpare);
  rig.Ticks(3);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::ShellOpen), 0u);
  Release(kSpare);
  rig.Ticks(3);
  const auto opens = rig.sim.log.Of(sim::EffectKind::ShellOpen);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_STREQ(opens[0].text, "C:\\Apps\\memo.exe");
  EXPECT_EQ(opens[0].open.showCommand, kSwShowDefault);
  EXPECT_EQ(rig.host.launchFailures, 1);

  Press(kSpare);
  Release(kSpare);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::ShellOpen), 2u);
  EXPECT_EQ(rig.host.launchFailures, 2);
}

TEST_F(Buttons, LaunchFailsAtThirtyTwoAndSucceedsAbove) {
  Configure(kSpare, BA_LAUNCH);
  CopyText(rig.engine.settings.AppPath[kSpare], "readme.txt");
  rig.sim.shell.openResult = 33;
  Press(kSpare);
  Release(kSpare);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::ShellOpen), 1u);
  EXPECT_EQ(rig.host.launchFailures, 0);
  rig.sim.shell.openResult = 32;
  Press(kSpare);
  Release(kSpare);
  EXPECT_EQ(rig.host.launchFailures, 1);
}

TEST_F(Buttons, LaunchWithoutAPathDoesNothing) {
  Configure(kSpare, BA_LAUNCH);
  rig.sim.shell.openResult = 2;
  Press(kSpare);
  Release(kSpare);
  rig.Tick();
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::ShellOpen), 0u);
  EXPECT_EQ(rig.host.launchFailures, 0);
}

TEST_F(Buttons, FavouritesAreAskedForOnReleaseNotOnPress) {
  Configure(kSpare, BA_FAVORITES);
  Press(kSpare);
  rig.Ticks(5);
  EXPECT_EQ(rig.host.favoritesCommands, 0);
  Release(kSpare);
  EXPECT_EQ(rig.host.favoritesCommands, 1);
  rig.Ticks(3);
  EXPECT_EQ(rig.host.favoritesCommands, 1);
  EXPECT_TRUE(rig.Posts().empty()) << "the host posts it, not the engine";
}

TEST_F(Buttons, PressAndReleaseSounds) {
  Configure(kSpare, BA_LEFT);
  rig.engine.settings.PressSound[kSpare] = 1;
  rig.engine.settings.ReleaseSound[kSpare] = 1;
  CopyText(rig.engine.settings.PressSoundFile[kSpare], "down.wav");
  CopyText(rig.engine.settings.ReleaseSoundFile[kSpare], "up.wav");
  rig.engine.settings.ReleaseSound[0] = 0;
  CopyText(rig.engine.settings.ReleaseSoundFile[0], "never.wav");
  Press(kSpare);
  rig.Ticks(3);
  Release(kSpare);
  Press(0);
  Release(0);
  EXPECT_THAT(rig.Sounds(), ElementsAre("down.wav", "up.wav"));
}

TEST_F(Buttons, LegacyWheelButtonWithShift) {
  rig.engine.state.LegacyWheel = 1;
  rig.engine.settings.PressSound[6] = 1;
  CopyText(rig.engine.settings.PressSoundFile[6], "notch.wav");
  rig.sim.windows.SetCursor(Point{300, 200});
  rig.sim.windows.SetClientOrigin(kTargetWindow, Point{20, 10});
  rig.sim.input.SetKeyState(kVkControl, kKeyDownNow);  // not used here
  rig.sim.joystick.Press(6);
  rig.Tick();
  EXPECT_THAT(rig.Sounds(), ElementsAre("notch.wav"));
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExt}}));
  EXPECT_TRUE(rig.Sends().empty());
  rig.Tick();
  auto sends = rig.Sends();
  ASSERT_EQ(sends.size(), 1u);
  EXPECT_EQ(sends[0].window, kTargetWindow);
  EXPECT_EQ(sends[0].message.message, kWmMouseWheel);
  EXPECT_EQ(Low32(sends[0].message.wParam), WheelWParam(kWheelDelta, kMkShift));
  EXPECT_EQ(sends[0].message.lParam, 280 | (190 << 16));
  EXPECT_TRUE(rig.Wheels().empty());
  // Further notches from Delay ms after the first.
  rig.Ticks(29);
  EXPECT_EQ(rig.Sends().size(), 1u);
  rig.Tick();
  EXPECT_EQ(rig.Sends().size(), 2u);
  EXPECT_EQ(rig.Sounds().size(), 1u);
}

TEST_F(Buttons, LegacyWheelButtonInHoldModeTurnsNoWheel) {
  rig.engine.state.LegacyWheel = 1;
  Configure(kSpare, BX_HOLD | BX_CTRL | BA_WHEEL_DOWN);
  Press(kSpare);
  rig.Ticks(40);
  Release(kSpare);
  EXPECT_EQ(rig.Keys(), (Keys{{kVkControl, 0, kExt}}));
  EXPECT_TRUE(rig.Sends().empty());
  EXPECT_TRUE(rig.Wheels().empty());
}

TEST_F(Buttons, OnlyButtonsBelowTheCountAreDispatched) {
  rig.sim.joystick.Caps().numButtons = 4;
  rig.engine.DeriveCaps();
  rig.sim.joystick.SetButtons(0xF0);  // slots 4..7: wheels, configured but out of range
  rig.Ticks(40);
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::Mouse).empty());
  EXPECT_TRUE(rig.Keys().empty());
  rig.sim.joystick.SetButtons(0x08 | 0x01);
  rig.Tick();
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftDown));
}

TEST_F(Buttons, SlotsPastTheFirstEightWork) {
  rig.sim.joystick.Caps().numButtons = 32;
  Configure(31, BA_RIGHT);
  Press(31);
  Release(31);
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseRightDown, kMouseRightUp));
}

TEST_F(Buttons, ReleaseLatchedButtonsEndsEveryLatch) {
  Configure(kSpare, BX_HOLD | BX_SHIFT | BA_LEFT);
  Configure(kSpare + 1, BX_HOLD | BA_RIGHT);
  Configure(kSpare + 2, BA_MIDDLE);  // ordinary: not a latch
  Press(kSpare);
  Release(kSpare);
  rig.sim.joystick.Press(kSpare + 1);  // still held: latched, first press down
  rig.sim.joystick.Press(kSpare + 2);
  rig.Tick();
  ASSERT_EQ(rig.engine.buttons.HoldCount, 2);
  rig.engine.StopPolling();
  rig.ClearLog();

  rig.engine.ReleaseLatchedButtons();
  rig.engine.FlushKeyUps();
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseLeftUp, kMouseRightUp));
  EXPECT_EQ(rig.Keys(), (Keys{{kVkShift, 0, kExtUp}}));
  EXPECT_EQ(rig.engine.buttons.HoldCount, 0);
  EXPECT_EQ(rig.engine.buttons.HoldState[kSpare], 0);
  EXPECT_EQ(rig.engine.buttons.HoldState[kSpare + 1], 0);
  EXPECT_NE(rig.engine.buttons.PressState[kSpare + 2], 0u);

  // After resuming, the ordinary button is released when seen up, and a
  // latch button still held down starts a new latch.
  rig.sim.joystick.Release(kSpare + 2);
  rig.Restart();
  rig.Tick();
  EXPECT_THAT(rig.MouseButtons(), ElementsAre(kMouseRightDown, kMouseMiddleUp));
}

}  // namespace
}  // namespace qv::test
