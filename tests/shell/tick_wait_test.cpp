// The program while a tick holds the launch failure box on a thread of its
// own: the box is the program's, and a pause waiting for that tick keeps the
// icon and its menu answering, takes a second double click only once, and
// lets an exit asked for meanwhile end the program once the box is answered.
// The end of the session ends the program before the system is answered.
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "engine/pad_settings.h"
#include "shell/shell_constants.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

constexpr int kLaunchSlot = 8;

std::atomic<bool> gBoxShown{false};
std::atomic<bool> gBoxAnswered{false};

// The user takes a while to answer the box.
void HoldTheBox() {
  gBoxShown.store(true);
  while (!gBoxAnswered.load()) std::this_thread::yield();
}

class TickHeldByTheBoxThreads : public ::testing::Test {
 protected:
  void SetUp() override {
    gBoxShown.store(false);
    gBoxAnswered.store(false);
    ASSERT_TRUE(rig.Start());
    rig.view().engine.settings.ButtonFlags[kLaunchSlot] = BA_LAUNCH;
    CopyText(rig.view().engine.settings.AppPath[kLaunchSlot], "C:\\Apps\\missing.exe");
    rig.sim.shell.openResult = 2;
    rig.sim.dialogs.onMessageBox = &HoldTheBox;
    rig.sim.joystick.Press(kLaunchSlot);
    rig.sim.timer.Advance(10);
    rig.sim.joystick.Release(kLaunchSlot);
    rig.sim.log.Clear();
    // The tick that sees the release runs on a thread of its own, as on the
    // system's timer thread, and stays in the box until it is answered.
    tick = std::thread([this] { rig.sim.timer.Advance(10); });
    while (!gBoxShown.load()) std::this_thread::yield();
  }
  void TearDown() override {
    gBoxAnswered.store(true);
    if (tick.joinable()) tick.join();
    rig.sim.dialogs.onMessageBox = nullptr;
  }
  // The waiting user-interface thread: `act` plays the user's turn n, then
  // the queue is served.
  template <typename Act>
  void WhileWaiting(Act act) {
    rig.sim.timer.whileWaiting = [this, act] {
      act(turns++);
      rig.host.Pump();
    };
  }

  ShellRig rig;
  std::thread tick;
  int turns = 0;
};

TEST_F(TickHeldByTheBoxThreads, TheBoxIsTheProgramsOwnWarning) {
  const auto boxes = rig.sim.log.Of(sim::EffectKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_STREQ(boxes[0].text, "アプリケーションの起動に失敗しました。");
  EXPECT_EQ(boxes[0].box.flags, kMbOk | kMbIconExclamation);
  EXPECT_EQ(boxes[0].window, 0u);
  EXPECT_EQ(rig.sim.dialogs.lastTitle, "Quorvantix");
}

TEST_F(TickHeldByTheBoxThreads, APauseKeepsTheIconAndItsMenuAnsweringUntilTheBoxIsAnswered) {
  bool menuOpened = false;
  WhileWaiting([&](int turn) {
    if (turn == 0) rig.DoubleClick();  // again, while the pause waits
    if (turn == 1) rig.IconEvent(kWmRButtonDown);
    if (turn == 2) {
      menuOpened = rig.sim.log.Count(sim::EffectKind::TrackMenu) == 1;
      gBoxAnswered.store(true);
    }
  });
  rig.DoubleClick();
  tick.join();
  EXPECT_TRUE(menuOpened);
  EXPECT_GE(turns, 3);
  EXPECT_EQ(rig.view().timerRunning.load(), 0);
  EXPECT_EQ(rig.sim.shell.shownIconResource, sim::SimShell::kPausedIcon);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TimerStart), 0u) << "the second double click resumed";
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
}

TEST_F(TickHeldByTheBoxThreads, AnExitAskedForWhileAPauseWaitsEndsTheProgramOnceTheBoxIsAnswered) {
  bool iconWhileHeld = false;
  WhileWaiting([&](int turn) {
    if (turn == 0) Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), kWmCommand, ID_APP_EXIT, 0));
    if (turn == 1) Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), kWmClose, 0, 0));
    if (turn == 3) {
      iconWhileHeld = rig.sim.shell.iconPresent;
      gBoxAnswered.store(true);
    }
  });
  rig.DoubleClick();
  tick.join();
  EXPECT_TRUE(iconWhileHeld) << "the program runs on while its tick is held";
  EXPECT_FALSE(rig.sim.shell.iconPresent);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  EXPECT_EQ(rig.host.LiveWindows(), 0);
  EXPECT_TRUE(rig.host.quitPosted);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::TimerStart), 0u);
}

TEST(SessionEnd, LogOffEndsTheProgramAsExitDoesBeforeTheSystemIsAnswered) {
  ShellRig rig;
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.sim.windows.SendMessage(rig.frameWindow(), kWmQueryEndSession, 0, 0), 1);
  rig.sim.windows.SendMessage(rig.frameWindow(), kWmEndSession, 0, 0);  // the log-off was cancelled
  EXPECT_EQ(rig.sim.timer.LiveCount(), 1);
  EXPECT_TRUE(rig.sim.shell.iconPresent);
  EXPECT_TRUE(rig.sim.process.Holds());

  rig.sim.windows.SendMessage(rig.frameWindow(), kWmEndSession, 1, 0);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  EXPECT_FALSE(rig.sim.shell.iconPresent);
  EXPECT_FALSE(rig.sim.process.Holds());
  EXPECT_EQ(rig.host.LiveWindows(), 0);
  EXPECT_TRUE(rig.host.quitPosted);
}

TEST_F(TickHeldByTheBoxThreads, TheEndOfTheSessionWhileAPauseWaitsEndsTheProgramOnceTheBoxIsAnswered) {
  WhileWaiting([&](int turn) {
    if (turn == 0) {
      rig.sim.windows.SendMessage(rig.frameWindow(), kWmEndSession, 1, 0);
      // Answered only when everything is gone.
      EXPECT_FALSE(rig.sim.shell.iconPresent);
      EXPECT_FALSE(rig.sim.process.Holds());
    }
    if (turn == 1) gBoxAnswered.store(true);
  });
  rig.DoubleClick();
  tick.join();
  EXPECT_GE(turns, 2);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
  EXPECT_EQ(rig.host.LiveWindows(), 0);
}

}  // namespace
}  // namespace qv
