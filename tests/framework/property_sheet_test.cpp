// Property sheets on the simulated host, worked like a user: a page is read
// when it is left and at OK (a refused value keeps it), OnOK and OnCancel
// reach only pages that were shown, later activations write the controls,
// the page with the focus pre-translates its keys, and a wizard's buttons do
// only what the page allowed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"

namespace qv {
namespace {

constexpr std::uint32_t kNumberPage = 400;
constexpr std::uint32_t kTextPage = 401;
constexpr int kNumber = 1001;
constexpr int kName = 1002;

class TestPage : public CPropertyPage {
 public:
  TestPage(WindowHost& host, std::uint32_t templateId, std::vector<std::string>& events)
      : CPropertyPage(host, templateId), events_(events) {}
  std::int32_t number = 5;
  char name[16] = "pad";
  bool takeKeys = false;
  std::uint32_t wizardButtons = 0;

  void OnOK() override { events_.push_back(Tag("ok")); }
  void OnCancel() override { events_.push_back(Tag("cancel")); }
  bool OnSetActive() override {
    events_.push_back(Tag("active"));
    if (wizardButtons != 0) GetSheet()->SetWizardButtons(wizardButtons);
    return CPropertyPage::OnSetActive();
  }
  bool PreTranslateMessage(Msg& msg) override {
    if (!takeKeys || msg.message != kWmKeyDown) return false;
    events_.push_back(Tag("key") + std::to_string(msg.wParam));
    return true;
  }

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    if (templateId() == kNumberPage) {
      DDX_Text(dx, kNumber, number);
      DDV_MinMaxInt(dx, number, 1, 9);
    } else {
      DDX_Text(dx, kName, name);
    }
  }

 private:
  std::string Tag(const char* what) const { return std::to_string(templateId()) + what; }
  std::vector<std::string>& events_;
};

class CentredSheet final : public CPropertySheet {
 public:
  using CPropertySheet::CPropertySheet;

 protected:
  bool OnInitDialog() override {
    CPropertySheet::OnInitDialog();
    CenterWindow(platform().windows.DesktopWindow());
    SetTopmost();
    return true;
  }
};

class Sheets : public ::testing::Test {
 protected:
  void SetUp() override {
    host.RegisterDialogTemplate(
        kNumberPage, {{kNumber, sim::ControlKind::Edit, "", sim::kWsTabStop},
                      {1003, sim::ControlKind::PushButton, "x", sim::kWsTabStop}});
    host.RegisterDialogTemplate(kTextPage, {{kName, sim::ControlKind::Edit, "", sim::kWsTabStop}});
    sheet.AddPage(&first);
    sheet.AddPage(&second);
  }
  WindowHandle Page() { return host.ActivePage(sheet.GetSafeHwnd()); }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  std::vector<std::string> events;
  TestPage first{host, kNumberPage, events};
  TestPage second{host, kTextPage, events};
  CentredSheet sheet{host, "Caption"};
};

TEST_F(Sheets, LeavingReadsThePageARefusalKeepsItAndOkReachesOnlyShownPages) {
  host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
    const WindowHandle page = Page();
    EXPECT_EQ(h.controls.At(page, kNumber).text, "5");
    h.Type(page, kNumber, "12");
    EXPECT_FALSE(h.SelectPage(s.GetSafeHwnd(), 1));
    EXPECT_EQ(Page(), page) << "a refused value keeps its page";
    EXPECT_EQ(h.controls.Focus(page), kNumber);
    h.Type(page, kNumber, "7");
    EXPECT_TRUE(h.PressSheetButton(s.GetSafeHwnd(), kIdOk));
  };
  EXPECT_EQ(sheet.DoModal(), kIdOk);
  EXPECT_EQ(first.number, 7);
  EXPECT_EQ(events, (std::vector<std::string>{"400active", "400ok"}))
      << "the page never shown gets no OnOK";
  EXPECT_STREQ(sim.log.Of(sim::EffectKind::MessageBox)[0].text,
               "1 から 9 までの整数を入力してください。");
  EXPECT_FALSE(second.WasShown());
}

TEST_F(Sheets, ALaterActivationPutsTheMembersBackCancelReachesShownPages) {
  host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
    const WindowHandle page = Page();
    ASSERT_TRUE(h.SelectPage(s.GetSafeHwnd(), 1));
    h.Type(Page(), kName, "stick");
    ASSERT_TRUE(h.SelectPage(s.GetSafeHwnd(), 0));
    h.Type(page, kNumber, "3");
    first.number = 8;  // a handler changed the member meanwhile
    ASSERT_TRUE(h.SelectPage(s.GetSafeHwnd(), 1));
    ASSERT_TRUE(h.SelectPage(s.GetSafeHwnd(), 0));
    EXPECT_EQ(h.controls.At(page, kNumber).text, "3") << "read when left, written when back";
    sim.windows.SendMessage(s.GetSafeHwnd(), kWmClose, 0, 0);
  };
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
  EXPECT_STREQ(second.name, "stick") << "members keep what was read; the caller discards them";
  EXPECT_EQ(std::count(events.begin(), events.end(), "400cancel"), 1);
  EXPECT_EQ(std::count(events.begin(), events.end(), "401cancel"), 1);
}

TEST_F(Sheets, TheSheetIsCentredTopmostAndItsOwnerDisabledTheFocusedPageTakesKeys) {
  first.takeKeys = true;
  host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
    EXPECT_TRUE(h.PressKey(Page(), kNumber, kWmKeyDown, 'A'));
    ASSERT_TRUE(h.SelectPage(s.GetSafeHwnd(), 1));
    EXPECT_FALSE(h.PressKey(Page(), kName, kWmKeyDown, 'A')) << "the other page takes none";
  };
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
  ASSERT_EQ(host.sheetRuns.size(), 1u);
  EXPECT_EQ(host.sheetRuns[0].caption, "Caption");
  EXPECT_TRUE(host.sheetRuns[0].applyButton);
  EXPECT_NE(std::find(events.begin(), events.end(), "400key65"), events.end());
  EXPECT_EQ(host.LiveWindows(), 0) << "sheet and pages are gone after the run";
}

TEST_F(Sheets, AWizardMovesOnlyWhereThePageAllowsAndFinishReadsThePage) {
  sheet.SetWizardMode();
  first.wizardButtons = kPswizbNext;
  second.wizardButtons = kPswizbBack | kPswizbFinish;
  host.onSheet = [&](sim::SimWindowHost& h, CPropertySheet& s) {
    const WindowHandle handle = s.GetSafeHwnd();
    EXPECT_FALSE(h.PressSheetButton(handle, kIdWizFinish)) << "Finish is not offered yet";
    EXPECT_FALSE(h.PressSheetButton(handle, kIdWizBack));
    EXPECT_FALSE(h.SelectPage(handle, 1)) << "a wizard has no tabs";
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizNext));
    EXPECT_EQ(h.SheetRun(handle)->wizardButtons, kPswizbBack | kPswizbFinish);
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizBack));
    ASSERT_TRUE(h.PressSheetButton(handle, kIdWizNext));
    h.Type(Page(), kName, "D:\\Tools");
    s.PressButton(kPsbtnFinish);
  };
  EXPECT_EQ(sheet.DoModal(), kIdWizFinish);
  EXPECT_STREQ(second.name, "D:\\Tools");
  EXPECT_EQ(host.sheetRuns[0].activations, (std::vector<int>{0, 1, 0, 1}));
  EXPECT_FALSE(host.sheetRuns[0].applyButton);
}

}  // namespace
}  // namespace qv
