// The setup command as the user runs it from the icon's menu: polling
// paused while the sheet is open and no second sheet opened, OK
// taking the edited copy over and saving it, Cancel changing nothing, and
// the pad probed afterwards so that a pad plugged back in resumes polling.
#include <gtest/gtest.h>

#include <functional>

#include "config/config_ids.h"
#include "config/config_sheet.h"
#include "framework/messages.h"
#include "resources/quorvantix_dialogs.h"
#include "shell/resource_ids.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

constexpr char kButtonsKey[] = "Software\\Nerrow Lab\\Quorvantix\\Buttons";

class SetupCycle : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.host.RegisterDialogTemplates(sim::rc::kQuorvantixDialogs);
    ASSERT_TRUE(rig.Start());
  }
  // "セットアップ(S)..." chosen on the menu, with `user` at the sheet.
  void RunSetup(const std::function<void(WindowHandle sheet, WindowHandle page)>& user) {
    rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
      user(s.GetSafeHwnd(), h.ActivePage(s.GetSafeHwnd()));
    };
    Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), kWmCommand, ID_SETUP, 0));
    rig.host.Pump();
  }
  bool Running() { return rig.view().timerRunning.load() == 1; }

  ShellRig rig;
};

TEST_F(SetupCycle, OkStoresTheEditAndResumesPollingThatRanBefore) {
  rig.view().engine.state.MotionFlags = 3;
  RunSetup([&](WindowHandle sheet, WindowHandle page) {
    EXPECT_FALSE(Running());
    EXPECT_EQ(rig.view().configOpen, 1);
    EXPECT_EQ(rig.view().engine.state.MotionFlags, 0u);
    rig.DoubleClick();
    EXPECT_FALSE(Running()) << "the icon's double click does nothing meanwhile";
    rig.sim.joystick.Press(3);
    rig.host.Advance(200);
    rig.sim.joystick.Release(3);
    rig.host.Advance(200);
    rig.host.Click(page, IDC_ACTION_MIDDLE);
    rig.host.Click(page, IDC_EXT_ALT);
    EXPECT_EQ(rig.view().engine.settings.ButtonFlags[3], BA_ACCEL) << "only the copy changes";
    rig.host.PressSheetButton(sheet, kIdOk);
  });
  EXPECT_EQ(rig.view().engine.settings.ButtonFlags[3], BA_MIDDLE | BX_ALT);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtonsKey, "Button04"),
            BA_MIDDLE | BX_ALT);
  EXPECT_EQ(rig.view().engine.masks.AccelMask, 0u) << "the derived masks follow the new actions";
  EXPECT_EQ(rig.view().configOpen, 0);
  EXPECT_TRUE(Running());
  EXPECT_TRUE(rig.sim.timer.IsRunning(rig.view().engine.state.TimerId.Current()));
}

TEST_F(SetupCycle, ARegistryThatRefusesTheSaveLosesNothingInMemory) {
  rig.sim.registry.failAll = true;
  RunSetup([&](WindowHandle sheet, WindowHandle page) {
    rig.host.Click(page, IDC_ACTION_FAVORITES);
    rig.host.PressSheetButton(sheet, kIdOk);
  });
  EXPECT_EQ(rig.view().engine.settings.ButtonFlags[0], BA_FAVORITES);
  EXPECT_FALSE(rig.sim.registry.Has(Hive::CurrentUser, kButtonsKey, "Button01"));
  EXPECT_TRUE(Running());
}

TEST_F(SetupCycle, CancelChangesNothingAndResumes) {
  rig.sim.registry.writes.clear();
  const std::uint32_t before = rig.view().engine.settings.ButtonFlags[0];
  RunSetup([&](WindowHandle sheet, WindowHandle page) {
    rig.host.Click(page, IDC_ACTION_FAVORITES);
    rig.host.PressSheetButton(sheet, kIdCancel);
  });
  EXPECT_EQ(rig.view().engine.settings.ButtonFlags[0], before);
  EXPECT_TRUE(rig.sim.registry.writes.empty());
  EXPECT_TRUE(Running());

  // Polling paused by the user stays paused after the sheet.
  rig.DoubleClick();
  ASSERT_FALSE(Running());
  RunSetup([&](WindowHandle sheet, WindowHandle) { rig.host.PressSheetButton(sheet, kIdOk); });
  EXPECT_FALSE(Running());
}

TEST_F(SetupCycle, TheSystemPageShowsTheSettingsAndOkStoresItsEdits) {
  rig.view().engine.settings.Speed = 60;
  RunSetup([&](WindowHandle sheet, WindowHandle) {
    ASSERT_TRUE(rig.host.SelectPage(sheet, 1));
    const WindowHandle page = rig.host.ActivePage(sheet);
    EXPECT_EQ(rig.host.controls.At(page, IDC_SPEED_SLIDER).sliderPos, 60);
    EXPECT_EQ(rig.host.controls.At(page, IDC_PORT).text, "1");
    rig.host.DragSlider(page, IDC_DELAY_SLIDER, 440);
    rig.host.SpinUpDown(page, IDC_PORT_SPIN, 1);
    EXPECT_EQ(rig.host.controls.At(page, IDC_PAD_STATUS).text, "未接続");
    rig.host.PressSheetButton(sheet, kIdOk);
  });
  EXPECT_EQ(rig.view().engine.settings.Delay, 400);
  EXPECT_EQ(rig.view().engine.settings.PortID, 1);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtonsKey, "Delay"), 400u);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtonsKey, "PortID"), 1u);
}

TEST_F(SetupCycle, ASetupCommandPostedWhileTheSheetIsOpenOpensNoSecondSheet) {
  RunSetup([&](WindowHandle, WindowHandle) {
    Ignore(rig.sim.windows.PostMessage(rig.frameWindow(), kWmCommand, ID_SETUP, 0));
    rig.host.Pump();
  });
  EXPECT_EQ(rig.host.sheetRuns.size(), 1u);
  EXPECT_EQ(rig.view().configOpen, 0);
}

TEST_F(SetupCycle, AnUnpluggedPadStopsPollingUntilASetupFindsItAgain) {
  rig.sim.joystick.Unplug();
  rig.host.Advance(20);
  ASSERT_EQ(rig.view().padError.load(), 1);
  ASSERT_FALSE(Running());

  RunSetup([&](WindowHandle sheet, WindowHandle) { rig.host.PressSheetButton(sheet, kIdCancel); });
  EXPECT_EQ(rig.view().padError.load(), 1) << "still unplugged";
  EXPECT_FALSE(Running());

  rig.sim.joystick.Plug();
  RunSetup([&](WindowHandle sheet, WindowHandle) { rig.host.PressSheetButton(sheet, kIdCancel); });
  EXPECT_EQ(rig.view().padError.load(), 0);
  EXPECT_TRUE(Running());

  // Unplugged while the sheet is open: no resume, the error noted.
  RunSetup([&](WindowHandle sheet, WindowHandle) {
    rig.sim.joystick.Unplug();
    rig.host.PressSheetButton(sheet, kIdOk);
  });
  EXPECT_EQ(rig.view().padError.load(), 1);
  EXPECT_FALSE(Running());
}

}  // namespace
}  // namespace qv
