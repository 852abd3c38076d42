// Start-up of the setup program and the uninstall's confirmation, on the
// simulated platform and host.
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/dialog.h"
#include "framework/sim/sim_window_host.h"
#include "platform/constants.h"
#include "setup/confirm_uninstall.h"
#include "setup/install.h"
#include "setup/resource_ids.h"
#include "setup/setup_app.h"
#include "tests/setup/setup_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;

TEST(SetupStart, AMajorVersionBelowFourGetsOnlyTheRefusal) {
  SetupRig rig;
  rig.sim.process.versionWord = 0x80000A03;
  rig.sim.process.modulePath = "D:\\Dist\\SETUP.EXE";
  sim::SimWindowHost host(rig.sim);
  CSetupApp app(host);
  app.Run();
  EXPECT_TRUE(host.dialogRuns.empty());
  EXPECT_THAT(rig.Messages(), ElementsAre("Windows95以降またはNT4.0以降でのみ使用出来ます"));
  EXPECT_EQ(rig.sim.dialogs.lastTitle, "SETUP");
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[0].box.flags, kMbOk);
}

TEST(SetupStart, TheMainDialogRunsWithTheProgramsIconsUntilExit) {
  SetupRig rig;
  sim::SimWindowHost host(rig.sim);
  CSetupApp app(host);
  int iconsWhileOpen = 0;
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& dialog) {
    iconsWhileOpen = rig.sim.shell.LiveIcons();
    h.Click(dialog.GetSafeHwnd(), kIdOk);
  };
  app.Run();
  ASSERT_EQ(host.dialogRuns.size(), 1u);
  EXPECT_EQ(host.dialogRuns[0].templateId, static_cast<std::uint32_t>(IDD_SETUP_DIALOG));
  EXPECT_EQ(host.dialogRuns[0].result, kIdOk);
  EXPECT_EQ(iconsWhileOpen, 2);
  EXPECT_EQ(rig.sim.shell.LiveIcons(), 0);
}

TEST(ConfirmUninstall, NoChangesNothingAndYesEndsWithTheResultsMessage) {
  SetupRig rig;
  ASSERT_TRUE(InstallProduct(rig.setup, "C:\\Program Files\\Nerrow Lab\\"));
  rig.sim.dialogs.QueueAnswer(kIdNo);
  ConfirmUninstall(rig.setup);
  EXPECT_THAT(rig.Messages(), ElementsAre("Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？"));
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[0].box.flags, kMbYesNo | kMbIconExclamation);
  EXPECT_TRUE(rig.sim.files.IsFolder(kDefaultInstall));

  rig.sim.log.Clear();
  rig.sim.dialogs.QueueAnswer(kIdYes);
  ConfirmUninstall(rig.setup);
  EXPECT_FALSE(rig.sim.files.IsFolder(kDefaultInstall));
  EXPECT_EQ(rig.Messages().back(), "ｱﾝｲﾝｽﾄｰﾙは正常に完了しました。");
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox).back().box.flags, kMbOk | kMbIconInformation);

  rig.sim.log.Clear();
  rig.sim.dialogs.QueueAnswer(kIdYes);
  ConfirmUninstall(rig.setup);
  EXPECT_THAT(rig.Messages(), ElementsAre("Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？",
                                          "Quorvantixは既に削除されています。",
                                          "ｱﾝｲﾝｽﾄｰﾙはいくつかのﾌｧｲﾙを削除出来ませんでした。"));
  EXPECT_EQ(rig.setup.title, "setup");
}

}  // namespace
}  // namespace qv::test
