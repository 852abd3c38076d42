// The notification icon as the user works it: double clicks pause and
// resume, blocked while the pad has failed or the setup sheet is open; a
// pause in hold mode ends every latch; the icon comes back when the task bar
// is made again; and closing the program removes it and the timer.
#include <gtest/gtest.h>

#include <thread>

#include "engine/pad_settings.h"
#include "shell/notify_icon.h"
#include "shell/shell_constants.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

class NotifyIconUse : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.sim.log.Clear();
  }
  std::size_t Count(sim::EffectKind kind) { return rig.sim.log.Count(kind); }
  std::uint32_t Shown() { return rig.sim.shell.shownIconResource; }

  ShellRig rig;
};

TEST_F(NotifyIconUse, DoubleClickPausesAndTheNextResumesWithTheSpeedOfThatMoment) {
  const std::uint32_t firstTimer = rig.view().engine.state.TimerId.Current();
  rig.DoubleClick();
  EXPECT_EQ(rig.view().timerRunning.load(), 0);
  EXPECT_FALSE(rig.sim.timer.IsRunning(firstTimer));
  EXPECT_EQ(Shown(), sim::SimShell::kPausedIcon);
  EXPECT_EQ(Count(sim::EffectKind::TimerStart), 0u) << "the single clicks did nothing";

  rig.view().engine.settings.Speed = 70;
  rig.DoubleClick();
  EXPECT_EQ(rig.view().timerRunning.load(), 1);
  EXPECT_EQ(Shown(), sim::SimShell::kActiveIcon);
  const auto starts = rig.sim.log.Of(sim::EffectKind::TimerStart);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].timer.resolutionMs, 70);
  EXPECT_TRUE(rig.sim.timer.IsRunning(rig.view().engine.state.TimerId.Current()));
}

TEST_F(NotifyIconUse, OtherMouseMessagesOverTheIconDoNothing) {
  for (std::uint32_t message : {kWmMouseMove, kWmLButtonDown, kWmLButtonUp, kWmRButtonUp,
                                kWmMButtonDown})
    rig.IconEvent(message);
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::TimerKill).empty());
  EXPECT_TRUE(rig.sim.log.Of(sim::EffectKind::TrackMenu).empty());
  EXPECT_EQ(rig.view().timerRunning.load(), 1);
}

TEST_F(NotifyIconUse, APadFailureBlocksTheDoubleClick) {
  rig.sim.joystick.Unplug();
  rig.host.Advance(20);
  ASSERT_EQ(rig.view().padError.load(), 1);
  rig.sim.log.Clear();
  rig.sim.joystick.Plug();
  rig.DoubleClick();
  EXPECT_EQ(Count(sim::EffectKind::TimerStart), 0u);
  EXPECT_EQ(rig.view().timerRunning.load(), 0);
  EXPECT_EQ(Shown(), sim::SimShell::kPausedIcon);
}

TEST_F(NotifyIconUse, TheOpenSetupSheetBlocksTheDoubleClick) {
  rig.view().configOpen = 1;
  rig.DoubleClick();
  EXPECT_EQ(Count(sim::EffectKind::TimerKill), 0u);
  EXPECT_EQ(rig.view().timerRunning.load(), 1);
  EXPECT_EQ(Shown(), sim::SimShell::kActiveIcon);
}

TEST_F(NotifyIconUse, PauseInHoldModeEndsTheLatchAndResumeShowsActive) {
  rig.view().engine.settings.ButtonFlags[0] = BA_LEFT | BX_HOLD;
  rig.sim.joystick.Press(0);
  rig.host.Advance(20);
  rig.sim.joystick.Release(0);
  rig.host.Advance(20);
  ASSERT_EQ(Shown(), sim::SimShell::kHoldingIcon) << "the button is latched";
  ASSERT_EQ(rig.view().engine.buttons.HoldCount, 1);
  rig.sim.log.Clear();

  rig.DoubleClick();
  EXPECT_EQ(rig.view().engine.buttons.HoldCount, 0);
  EXPECT_EQ(rig.view().engine.buttons.HoldState[0], 0);
  const auto mouse = rig.sim.log.Of(sim::EffectKind::Mouse);
  ASSERT_FALSE(mouse.empty());
  EXPECT_EQ(mouse.back().mouse.flags & kMouseLeftUp, kMouseLeftUp) << "the latched button went up";
  EXPECT_EQ(Shown(), sim::SimShell::kPausedIcon);
  // The release came after the timer was stopped.
  const auto& all = rig.sim.log.All();
  std::size_t kill = all.size(), up = all.size();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind == sim::EffectKind::TimerKill && kill == all.size()) kill = i;
    if (all[i].kind == sim::EffectKind::Mouse && (all[i].mouse.flags & kMouseLeftUp)) up = i;
  }
  EXPECT_LT(kill, up);

  rig.DoubleClick();
  EXPECT_EQ(Shown(), sim::SimShell::kActiveIcon);
}

TEST_F(NotifyIconUse, ResumeWithoutATimerStaysPaused) {
  rig.DoubleClick();
  rig.sim.timer.failNextStart = true;
  rig.DoubleClick();
  EXPECT_EQ(rig.view().timerRunning.load(), 0);
  EXPECT_EQ(Shown(), sim::SimShell::kPausedIcon);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::MessageBox), 0u);
  // The next double click tries again.
  rig.DoubleClick();
  EXPECT_EQ(rig.view().timerRunning.load(), 1);
  EXPECT_EQ(Shown(), sim::SimShell::kActiveIcon);
}

TEST_F(NotifyIconUse, ANewTaskBarGetsTheIconBackWithItsCurrentPicture) {
  rig.DoubleClick();
  // Explorer restarts: the old task bar and its icons are gone.
  rig.sim.shell.iconPresent = false;
  rig.sim.shell.shownIconResource = 0;
  const std::uint32_t taskbarCreated = rig.host.RegisterWindowMessage("TaskbarCreated");
  // The broadcast reaches top-level windows only: here, the frame.
  Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), taskbarCreated, 0, 0));
  rig.host.Pump();
  EXPECT_TRUE(rig.sim.shell.iconPresent);
  EXPECT_EQ(Shown(), sim::SimShell::kPausedIcon);
  EXPECT_EQ(rig.sim.shell.LiveIcons(), 1);
}

TEST_F(NotifyIconUse, ClosingTheProgramKillsTheTimerAndRemovesTheIcon) {
  const std::uint32_t timer = rig.view().engine.state.TimerId.Current();
  rig.CloseFrame();
  const auto kills = rig.sim.log.Of(sim::EffectKind::TimerKill);
  ASSERT_EQ(kills.size(), 1u);
  EXPECT_EQ(kills[0].timer.id, timer);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  EXPECT_FALSE(rig.sim.shell.iconPresent);
  const auto icons = rig.sim.log.Of(sim::EffectKind::NotifyIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].icon.op, NotifyOp::Delete);
  EXPECT_TRUE(rig.host.quitPosted);
  rig.app.reset();
  EXPECT_EQ(rig.sim.shell.LiveIcons(), 0) << "the last picture is released with the view";
}

TEST_F(NotifyIconUse, ClosingWhilePausedKillsNothingMore) {
  rig.DoubleClick();
  rig.sim.log.Clear();
  rig.CloseFrame();
  EXPECT_EQ(Count(sim::EffectKind::TimerKill), 0u);
  EXPECT_FALSE(rig.sim.shell.iconPresent);
}

TEST(NotifyIconThreads, ChangesFromTwoThreadsNeverInterleave) {
  sim::Log log;
  sim::SimShell shell(log);
  NotifyIcon icon(shell);
  icon.AddNotifyIcon(0x1234, sim::SimShell::kActiveIcon);
  auto flip = [&icon](std::uint32_t a, std::uint32_t b) {
    for (int i = 0; i < 2000; ++i) icon.SetNotifyIcon(i % 2 ? a : b);
  };
  std::thread tick(flip, sim::SimShell::kHoldingIcon, sim::SimShell::kActiveIcon);
  flip(sim::SimShell::kPausedIcon, sim::SimShell::kActiveIcon);
  tick.join();
  // One picture alive, and the one the shell shows is the one recorded.
  EXPECT_EQ(shell.LiveIcons(), 1);
  EXPECT_EQ(shell.shownIconResource, icon.picture());
  EXPECT_EQ(shell.ResourceOf(shell.lastRecord.icon), icon.picture());
  EXPECT_EQ(log.Count(sim::EffectKind::NotifyIcon), 4001u);
}

TEST(NotifyIconThreads, NoChangeReachesTheShellBeforeTheAddOrAfterTheRemoval) {
  sim::Log log;
  sim::SimShell shell(log);
  NotifyIcon icon(shell);
  icon.SetNotifyIcon(sim::SimShell::kPausedIcon);
  icon.AddNotifyIcon(0x1234, sim::SimShell::kActiveIcon);
  icon.RemoveNotifyIcon();
  icon.SetNotifyIcon(sim::SimShell::kHoldingIcon);
  icon.AddAgain();
  EXPECT_EQ(log.Count(sim::EffectKind::NotifyIcon), 2u);
  EXPECT_FALSE(shell.iconPresent);
}

}  // namespace
}  // namespace qv
