// Start-up of the resident program as a user sees it: one copy at a time,
// the settings from the profile (or the defaults), the polling timer, the
// icon, the hidden frame and view, the facts noted about the platform, and
// what happens when no timer can be had.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/pad_settings.h"
#include "framework/messages.h"
#include "shell/shell_constants.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

TEST(ShellStartup, BecomesResidentWithTheIconAndAHiddenFrame) {
  ShellRig rig;
  ASSERT_TRUE(rig.Start());

  EXPECT_TRUE(rig.sim.process.Holds());
  EXPECT_TRUE(rig.sim.process.MutexExists("hQuorvantixInstance"));
  EXPECT_EQ(rig.app->RegistryRoot(), "Software\\Nerrow Lab\\Quorvantix");

  const sim::SimWindow* frame = rig.host.Window(rig.frameWindow());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->style, kWsPopup);
  EXPECT_EQ(frame->exStyle, kWsExToolWindow);
  EXPECT_EQ(frame->title, "Quorvantix");
  EXPECT_EQ(frame->rect.right - frame->rect.left, 0);
  EXPECT_EQ(frame->rect.bottom - frame->rect.top, 0);
  EXPECT_EQ(frame->lastShowCommand, kSwShow);
  EXPECT_EQ(rig.app->m_pMainWnd, rig.app->frame());
  EXPECT_EQ(rig.host.ParentOf(rig.viewWindow()), rig.frameWindow());

  // The icon: added once, with the running picture, in the first record form.
  const auto icons = rig.sim.log.Of(sim::EffectKind::NotifyIcon);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].icon.op, NotifyOp::Add);
  EXPECT_EQ(icons[0].icon.iconResource, ICON_ACTIVE);
  const NotifyIconRecord& record = rig.sim.shell.lastRecord;
  EXPECT_EQ(record.size, 88u);
  EXPECT_EQ(record.window, rig.viewWindow());
  EXPECT_EQ(record.id, kNotifyIconId);
  EXPECT_EQ(record.flags, kNifMessage | kNifIcon | kNifTip);
  EXPECT_EQ(record.callbackMessage, kWmNotifyIcon);
  EXPECT_STREQ(record.tip, "Quorvantix");

  CQuorvantixView& view = rig.view();
  EXPECT_EQ(view.timerRunning.load(), 1);
  EXPECT_EQ(view.padError.load(), 0);
  EXPECT_EQ(view.configOpen, 0);
  EXPECT_STREQ(view.programDir, "C:\\Tools\\");
  EXPECT_EQ(view.engine.state.DesktopListView, test::kListView);
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::MessageBox), 0u);
}

TEST(ShellStartup, EmptyProfileGivesTheDefaultsAndTheTimerTheirSpeed) {
  ShellRig rig;
  ASSERT_TRUE(rig.Start());
  const PadSettings defaults;
  EXPECT_EQ(rig.view().engine.settings.Speed, defaults.Speed);
  EXPECT_EQ(rig.view().engine.settings.ButtonFlags[0], defaults.ButtonFlags[0]);
  const auto starts = rig.sim.log.Of(sim::EffectKind::TimerStart);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].timer.periodMs, 10) << "period";
  EXPECT_EQ(starts[0].timer.resolutionMs, defaults.Speed) << "resolution";
  EXPECT_TRUE(rig.sim.timer.IsRunning(rig.view().engine.state.TimerId.Current()));
}

TEST(ShellStartup, StoredSpeedIsTheTimerResolution) {
  ShellRig rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, "Software\\Nerrow Lab\\Quorvantix\\Buttons", "Speed",
                            50);
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.sim.timer.LastResolution(), 50u);
}

struct VersionCase {
  std::uint32_t word;
  std::int32_t legacyWheel;
};

class ShellStartupVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ShellStartupVersion, LegacyWheelOnlyOnWindows95) {
  ShellRig rig;
  rig.sim.process.versionWord = GetParam().word;
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.view().engine.state.LegacyWheel, GetParam().legacyWheel);
}

INSTANTIATE_TEST_SUITE_P(Versions, ShellStartupVersion,
                         ::testing::Values(VersionCase{0x80000004u, 1},   // Windows 95, 4.0
                                           VersionCase{0xC0000A04u, 0},   // Windows 98, 4.10
                                           VersionCase{0x0ECE0105u, 0},   // an NT 5.1
                                           VersionCase{0x05650004u, 0})); // NT 4.0

TEST(ShellStartup, ProgramDirKeepsTheDriveForAProgramInTheRoot) {
  ShellRig rig;
  rig.sim.process.modulePath = "D:\\Q.EXE";
  ASSERT_TRUE(rig.Start());
  EXPECT_STREQ(rig.view().programDir, "D:\\");
}

TEST(ShellStartup, NoDesktopIconViewGivesANullHandle) {
  ShellRig rig;
  rig.sim.windows.SetFirstChild(test::kDefView, 0);
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.view().engine.state.DesktopListView, 0u);
}

TEST(ShellStartup, ASecondCopyEndsSilentlyAndTheFirstRunsOn) {
  sim::MutexTable system;
  ShellRig first(system);
  ASSERT_TRUE(first.Start());

  ShellRig second(system);
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(second.app->ExitInstance(), 0);
  EXPECT_EQ(second.host.LiveWindows(), 0);
  EXPECT_TRUE(second.sim.log.All().empty()) << "no box, no icon, no timer";

  EXPECT_TRUE(first.sim.process.Holds());
  EXPECT_TRUE(first.sim.shell.iconPresent);
  EXPECT_TRUE(first.sim.timer.IsRunning(first.view().engine.state.TimerId.Current()));

  // Once the first has ended, a new copy starts normally.
  first.CloseFrame();
  first.app->ExitInstance();
  EXPECT_FALSE(system.names.count("hQuorvantixInstance"));
  ShellRig third(system);
  EXPECT_TRUE(third.Start());
}

TEST(ShellStartup, NoTimerMeansAMessageAndTheProgramCloses) {
  ShellRig rig;
  rig.sim.timer.failNextStart = true;
  ASSERT_TRUE(rig.Start());
  const auto boxes = rig.sim.log.Of(sim::EffectKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_STREQ(boxes[0].text, "マルチメディアタイマの確保が出来ませんでした。");
  EXPECT_EQ(rig.sim.dialogs.lastTitle, "Quorvantix");
  EXPECT_EQ(boxes[0].box.flags, kMbOk | kMbIconExclamation);
  const auto posts = rig.sim.log.Of(sim::EffectKind::Post);
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].window, rig.frameWindow());
  EXPECT_EQ(posts[0].message.message, kWmClose);
  EXPECT_EQ(rig.view().timerRunning.load(), 0);

  // The close request ends the program: icon gone, loop told to stop.
  rig.host.Pump();
  EXPECT_EQ(rig.host.LiveWindows(), 0);
  EXPECT_FALSE(rig.sim.shell.iconPresent);
  EXPECT_TRUE(rig.host.quitPosted);
}

TEST(ShellStartup, WithoutAPadTheFirstTickLeavesTheProgramPausedAndResident) {
  ShellRig rig;
  rig.sim.joystick.Unplug();
  ASSERT_TRUE(rig.Start());
  rig.host.Advance(30);
  EXPECT_EQ(rig.view().timerRunning.load(), 0);
  EXPECT_EQ(rig.view().padError.load(), 1);
  EXPECT_EQ(rig.sim.shell.shownIconResource, sim::SimShell::kPausedIcon);
  EXPECT_TRUE(rig.sim.shell.iconPresent);
  EXPECT_EQ(rig.sim.timer.LiveCount(), 0);
}

TEST(ShellStartup, RunEndsWithTheExitCommandAndGivesUpTheMutex) {
  ShellRig rig;
  rig.app = std::make_unique<CQuorvantixApp>(rig.host);
  int turns = 0;
  rig.host.onIdle = [&] {
    if (++turns == 1)
      Ignore(rig.sim.windows.PostMessage(rig.app->frame()->GetSafeHwnd(), kWmCommand, ID_APP_EXIT, 0));
    return turns < 5;
  };
  EXPECT_EQ(rig.app->Run(), 0);
  EXPECT_EQ(turns, 1);
  EXPECT_FALSE(rig.sim.process.Holds());
  EXPECT_FALSE(rig.sim.shell.iconPresent);
}

}  // namespace
}  // namespace qv
