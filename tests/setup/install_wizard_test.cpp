// The install wizard and the main dialog's commands on the simulated host,
// with the real templates: the pages' buttons and focus on every
// activation, the folder text's browse and separator rules, Finish and
// Cancel, and the progress dialog the operations drive.
#include <cstring>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/sim/sim_window_host.h"
#include "resources/setup_dialogs.h"
#include "setup/install_wizard.h"
#include "setup/resource_ids.h"
#include "setup/setup_dlg.h"
#include "setup/texts.h"
#include "tests/setup/setup_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct WizardRig : SetupRig {
  WizardRig() { host.RegisterDialogTemplates(sim::rc::kSetupDialogs); }

  std::string Text(WindowHandle dialog, int id) { return host.controls.At(dialog, id).text; }
  // The messages posted to (or sent to) a control, as the log has them.
  std::vector<sim::Effect> To(WindowHandle control, sim::EffectKind kind) const {
    std::vector<sim::Effect> found;
    for (const sim::Effect& e : sim.log.Of(kind))
      if (e.window == control) found.push_back(e);
    return found;
  }
  std::vector<int> BarPositions() const {
    std::vector<int> positions;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Send))
      if (e.message.message == kPbmSetPos) positions.push_back(static_cast<int>(e.message.wParam));
    return positions;
  }
  std::string InstallPath() const {
    const char* const product = "SOFTWARE\\Nerrow Lab\\Quorvantix";
    if (!sim.registry.Has(Hive::LocalMachine, product, "InstallPath")) return "<none>";
    return sim.registry.String(Hive::LocalMachine, product, "InstallPath");
  }

  sim::SimWindowHost host{sim};
};

TEST(InstallWizard, TheLicencePageAsksForNextAloneAndClicksIntoItsTextOnEveryActivation) {
  WizardRig rig;
  int activationsSeen = 0;
  rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
    const WindowHandle handle = sheet.GetSafeHwnd();
    const WindowHandle page = h.ActivePage(handle);
    const WindowHandle text = h.controls.ControlWindow(page, IDC_LICENSE_EDIT);
    EXPECT_EQ(rig.Text(page, IDC_LICENSE_EDIT), kLicenseTerms);
    EXPECT_EQ(h.SheetRun(handle)->wizardButtons, kPswizbNext) << "first activation";
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizNext));
    EXPECT_EQ(h.SheetRun(handle)->wizardButtons, kPswizbBack | kPswizbFinish);
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizBack));
    EXPECT_EQ(h.SheetRun(handle)->wizardButtons, kPswizbNext) << "after Back";
    const std::vector<sim::Effect> clicks = rig.To(text, sim::EffectKind::Post);
    ASSERT_EQ(clicks.size(), 4u);
    for (std::size_t i = 0; i < clicks.size(); ++i) {
      EXPECT_EQ(clicks[i].message.message, i % 2 == 0 ? kWmLButtonDown : kWmLButtonUp);
      EXPECT_EQ(clicks[i].message.wParam, 0) << "no keys held";
      EXPECT_EQ(clicks[i].message.lParam, 0) << "the text's top-left corner";
    }
    activationsSeen = static_cast<int>(h.SheetRun(handle)->activations.size());
    EXPECT_TRUE(h.PressSheetButton(handle, kIdCancel));
  };
  RunInstallWizard(rig.setup, rig.host, nullptr);
  EXPECT_EQ(activationsSeen, 3);
  ASSERT_EQ(rig.host.sheetRuns.size(), 1u);
  EXPECT_TRUE(rig.host.sheetRuns[0].wizard);
  EXPECT_EQ(rig.host.sheetRuns[0].caption, "");
  // Cancel touches nothing and says nothing.
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_FALSE(rig.sim.files.IsFolder("C:\\Program Files\\Nerrow Lab"));
  EXPECT_EQ(rig.InstallPath(), "<none>");
  EXPECT_TRUE(rig.progress.events.empty());
}

// Browse owned by the wizard's window; a root comes back with its one
// separator, a folder gets one; a cancelled browse keeps what the edit shows.
TEST(InstallWizard, BrowseEndsTheFolderWithOneSeparatorAndACancelChangesNothing) {
  WizardRig rig;
  std::vector<std::string> shown;
  rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
    const WindowHandle handle = sheet.GetSafeHwnd();
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizNext));
    const WindowHandle page = h.ActivePage(handle);
    shown.push_back(rig.Text(page, IDC_DIR_EDIT));
    const std::vector<sim::Effect> limit =
        rig.To(h.controls.ControlWindow(page, IDC_DIR_EDIT), sim::EffectKind::Send);
    ASSERT_EQ(limit.size(), 1u);
    EXPECT_EQ(limit[0].message.message, kEmLimitText);
    EXPECT_EQ(limit[0].message.wParam, 260);
    for (const char* answer : {"D:\\", "D:\\Tools"}) {
      rig.sim.shell.browseAnswer = answer;
      h.Click(page, IDC_BROWSE);
      shown.push_back(rig.Text(page, IDC_DIR_EDIT));
    }
    EXPECT_EQ(rig.sim.shell.lastBrowseOwner, handle);
    EXPECT_EQ(rig.sim.shell.lastBrowseTitle, kBrowseTitle);
    EXPECT_EQ(rig.sim.shell.lastBrowseFlags, kBifReturnOnlyFsDirs);
    rig.sim.shell.browseAnswer.reset();
    h.Click(page, IDC_BROWSE);
    shown.push_back(rig.Text(page, IDC_DIR_EDIT));
    EXPECT_TRUE(h.PressSheetButton(handle, kIdWizFinish));
  };
  RunInstallWizard(rig.setup, rig.host, nullptr);
  EXPECT_THAT(shown, ElementsAre("C:\\Program Files\\Nerrow Lab\\", "D:\\", "D:\\Tools\\",
                                 "D:\\Tools\\"));
  EXPECT_EQ(rig.InstallPath(), "D:\\Tools\\");
  EXPECT_TRUE(rig.sim.files.IsFile("D:\\Tools\\Quorvantix\\Quorvantix.exe"));
  EXPECT_THAT(rig.Messages(), ElementsAre("ｲﾝｽﾄｰﾙは正常に完了しました。"));
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[0].box.flags, kMbOk | kMbIconInformation);
}

// A typed folder gets its separator at Finish; an empty one goes on as it is,
// and the install makes its folder beside the setup program.
TEST(InstallWizard, FinishEndsATypedFolderWithASeparatorAndPassesAnEmptyOneUnchanged) {
  const struct {
    const char* typed;
    const char* installPath;
    const char* exe;
  } cases[] = {
      {"D:\\Soft", "D:\\Soft\\", "D:\\Soft\\Quorvantix\\Quorvantix.exe"},
      {"D:\\Soft\\", "D:\\Soft\\", "D:\\Soft\\Quorvantix\\Quorvantix.exe"},
      {"", "", "D:\\Dist\\Quorvantix\\Quorvantix.exe"},
  };
  for (const auto& c : cases) {
    WizardRig rig;
    rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
      ASSERT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizNext));
      h.Type(h.ActivePage(sheet.GetSafeHwnd()), IDC_DIR_EDIT, c.typed);
      EXPECT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizFinish));
    };
    RunInstallWizard(rig.setup, rig.host, nullptr);
    EXPECT_EQ(rig.InstallPath(), c.installPath) << c.typed;
    EXPECT_TRUE(rig.sim.files.IsFile(c.exe)) << c.typed;
  }
}

// A folder whose install paths would not fit is refused at Finish, over the
// wizard, which stays on the page for the user to correct it.
TEST(InstallWizard, FinishRefusesAFolderTooLongForTheInstallAndTheWizardStaysOpen) {
  WizardRig rig;
  const std::string tooLong = "D:\\" + std::string(240, 'x');
  rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
    const WindowHandle handle = sheet.GetSafeHwnd();
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizNext));
    h.Type(h.ActivePage(handle), IDC_DIR_EDIT, tooLong.c_str());
    EXPECT_FALSE(h.PressSheetButton(handle, kIdWizFinish));
    EXPECT_THAT(rig.Messages(), ElementsAre(kFolderTooLongText));
    EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[0].window, handle);
    EXPECT_EQ(rig.host.controls.Focus(h.ActivePage(handle)), IDC_DIR_EDIT);
    h.Type(h.ActivePage(handle), IDC_DIR_EDIT, "D:\\Soft");
    EXPECT_TRUE(h.PressSheetButton(handle, kIdWizFinish));
  };
  RunInstallWizard(rig.setup, rig.host, nullptr);
  EXPECT_EQ(rig.InstallPath(), "D:\\Soft\\");
  EXPECT_EQ(rig.sim.dialogs.lastTitle, "setup");
}

// The main dialog's two commands, each with a progress dialog of its own
// that goes when the operation is over, and the closing messages.
TEST(SetupDialog, InstallAndUninstallEachDriveAProgressDialogAndEndWithTheirMessage) {
  WizardRig rig;
  rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
    ASSERT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizNext));
    EXPECT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizFinish));
  };
  WindowHandle main = 0;
  int liveWhileIdle = 0;
  rig.host.onDialog = [&](sim::SimWindowHost& h, CDialog& dialog) {
    main = dialog.GetSafeHwnd();
    liveWhileIdle = h.LiveWindows();
    h.Click(main, IDC_INSTALL);
    EXPECT_EQ(h.LiveWindows(), liveWhileIdle) << "the wizard and the progress dialog are gone";
    rig.sim.dialogs.QueueAnswer(kIdYes);
    h.Click(main, IDC_UNINSTALL);
    EXPECT_EQ(h.LiveWindows(), liveWhileIdle);
    h.Click(main, kIdOk);
  };
  CSetupDlg dialog(rig.host, "setup");
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  ASSERT_EQ(rig.host.sheetRuns.size(), 1u);
  EXPECT_EQ(rig.host.sheetRuns[0].parent, main);
  EXPECT_TRUE(rig.host.sheetRuns[0].parentDisabledWhileRunning);
  EXPECT_THAT(rig.BarPositions(),
              ElementsAreArray({0, 10, 40, 60, 70, 75, 80, 85, 90, 100,  // install
                                0, 5, 20, 40, 50, 60, 70, 75, 80, 100}));  // uninstall
  EXPECT_THAT(rig.Messages(), ElementsAre("ｲﾝｽﾄｰﾙは正常に完了しました。",
                                          "Quorvantixをｱﾝｲﾝｽﾄｰﾙします。\nよろしいですか？",
                                          "ｱﾝｲﾝｽﾄｰﾙは正常に完了しました。"));
  for (const sim::Effect& box : rig.sim.log.Of(sim::EffectKind::MessageBox))
    EXPECT_EQ(box.window, main);
  EXPECT_FALSE(rig.sim.files.IsFolder(kDefaultInstall));
}

// A failed install has shown its own message; string 2 follows it.
TEST(InstallWizard, AFailedInstallEndsWithStringTwo) {
  WizardRig rig;
  ASSERT_TRUE(Succeeded(rig.sim.files.Remove("D:\\Dist\\QUORVNTX.cnt")));
  rig.host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& sheet) {
    ASSERT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizNext));
    EXPECT_TRUE(h.PressSheetButton(sheet.GetSafeHwnd(), kIdWizFinish));
  };
  RunInstallWizard(rig.setup, rig.host, nullptr);
  EXPECT_THAT(rig.Messages(), ElementsAre("QUORVNTX.cntのｺﾋﾟｰは失敗しました",
                                          "ｲﾝｽﾄｰﾙは正常に完了しませんでした。"));
  EXPECT_EQ(rig.sim.log.Of(sim::EffectKind::MessageBox)[1].box.flags, kMbOk);
}

}  // namespace
}  // namespace qv::test
