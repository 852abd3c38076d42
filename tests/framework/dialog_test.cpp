// Modal dialogs: initialisation writes the controls, OK reads them back
// with validation, a refused value keeps the dialog open, Cancel and closing
// leave the members alone; and the controls behave as the system's do.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "platform/constants.h"

namespace qv {
namespace {

constexpr std::uint32_t kPortTemplate = 300;
constexpr int kNameField = 1001;
constexpr int kPortField = 1002;
constexpr int kCheckBox = 1003;
constexpr int kPortUpDown = 1004;
constexpr int kSlider = 2000;

class PortDialog final : public CDialog {
 public:
  explicit PortDialog(WindowHost& host) : CDialog(host, kPortTemplate) {}
  char name[32] = "pad";
  std::int32_t port = 1;
  std::int32_t flag = 0;
  int okCalls = 0;

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    DDX_Text(dx, kNameField, name);
    DDX_Text(dx, kPortField, port);
    DDV_MinMaxInt(dx, port, 1, 16);
    DDX_Check(dx, kCheckBox, flag);
  }
  void OnOK() override {
    ++okCalls;
    CDialog::OnOK();
  }
};

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    host.RegisterDialogTemplate(
        kPortTemplate, {{kNameField, sim::ControlKind::Edit, ""},
                        {kPortField, sim::ControlKind::Edit, ""},
                        {kCheckBox, sim::ControlKind::AutoCheckBox, "flag"},
                        {kPortUpDown, sim::ControlKind::UpDown, ""},
                        {kSlider, sim::ControlKind::Slider, ""},
                        {static_cast<int>(kIdOk), sim::ControlKind::PushButton, "OK"},
                        {static_cast<int>(kIdCancel), sim::ControlKind::PushButton, "Cancel"}});
  }
  void PressOk(WindowHandle window) { host.Click(window, static_cast<int>(kIdOk)); }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  PortDialog dialog{host};
};

TEST_F(Dialogs, InitialisationWritesEveryMemberAndOkReadsThemBack) {
  dialog.port = 3;
  std::string shownName, shownPort;
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    shownName = h.controls.At(w, kNameField).text;
    shownPort = h.controls.At(w, kPortField).text;
    h.Type(w, kNameField, "stick");
    h.Type(w, kPortField, " 12 ");
    h.Click(w, kCheckBox);
    PressOk(w);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(shownName, "pad");
  EXPECT_EQ(shownPort, "3");
  EXPECT_STREQ(dialog.name, "stick");
  EXPECT_EQ(dialog.port, 12);
  EXPECT_EQ(dialog.flag, 1);
  ASSERT_EQ(host.dialogRuns.size(), 1u);
  EXPECT_EQ(host.dialogRuns[0].templateId, kPortTemplate);
  EXPECT_EQ(dialog.GetSafeHwnd(), 0u) << "the dialog window is gone after the run";
}

TEST_F(Dialogs, ARefusedValueIsReportedFocusedAndKeepsTheDialogOpen) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    h.Type(w, kPortField, "17");
    PressOk(w);
    EXPECT_EQ(h.Window(w) != nullptr && !h.Window(w)->ended, true) << "still open";
    EXPECT_EQ(h.controls.Focus(w), kPortField);
    h.Type(w, kPortField, "16");
    PressOk(w);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.okCalls, 2);
  EXPECT_EQ(dialog.port, 16);
  const auto boxes = sim.log.Of(sim::EffectKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_STREQ(boxes[0].text, "1 から 16 までの整数を入力してください。");
  EXPECT_EQ(boxes[0].box.flags, kMbOk | kMbIconExclamation);
  EXPECT_EQ(sim.dialogs.lastTitle, "Test");
}

TEST_F(Dialogs, TextThatIsNoNumberIsRefusedWithItsRangeAndStopsTheRestOfTheExchange) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    h.Type(w, kPortField, "2x");
    h.Click(w, kCheckBox);
    EXPECT_FALSE(d.UpdateData(true));
  };
  EXPECT_EQ(dialog.DoModal(), kIdCancel) << "left open by the user: closed as with Esc";
  EXPECT_EQ(dialog.port, 1);
  EXPECT_EQ(dialog.flag, 0) << "the check box after the bad field was not read";
  const auto boxes = sim.log.Of(sim::EffectKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_STREQ(boxes[0].text, "1 から 16 までの整数を入力してください。");
}

TEST_F(Dialogs, CancelAndCloseLeaveTheMembersAlone) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    h.Type(d.GetSafeHwnd(), kNameField, "changed");
    sim.windows.SendMessage(d.GetSafeHwnd(), kWmClose, 0, 0);
  };
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_STREQ(dialog.name, "pad");
  EXPECT_EQ(dialog.okCalls, 0);
}

TEST_F(Dialogs, UpDownKeepsItsRangeAndWritesItsBuddy) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    d.controls().SetUpDownBuddy(w, kPortUpDown, kPortField);
    d.controls().SetUpDownRange(w, kPortUpDown, 1, 16);
    d.controls().SetUpDownPos(w, kPortUpDown, 15);
    h.SpinUpDown(w, kPortUpDown, +1);
    h.SpinUpDown(w, kPortUpDown, +1);
    EXPECT_EQ(d.controls().GetUpDownPos(w, kPortUpDown), 16);
    EXPECT_EQ(h.controls.At(w, kPortField).text, "16");
    PressOk(w);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.port, 16);
}

TEST_F(Dialogs, SliderHoldsPositionsAtTheEndsOfItsRange) {
  host.onDialog = [&](sim::SimWindowHost&, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    d.controls().SetSliderRange(w, kSlider, 100, 30000);
    d.controls().SetSliderPos(w, kSlider, 50);
    EXPECT_EQ(d.controls().GetSliderPos(w, kSlider), 100);
    d.controls().SetSliderPos(w, kSlider, 40000);
    EXPECT_EQ(d.controls().GetSliderPos(w, kSlider), 30000);
    d.EndDialog(kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
}

TEST_F(Dialogs, DisabledControlsIgnoreTheUser) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    d.EnableDlgItem(kCheckBox, false);
    h.Click(w, kCheckBox);
    EXPECT_EQ(d.IsDlgButtonChecked(kCheckBox), 0);
    PressOk(w);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.flag, 0);
}

}  // namespace
}  // namespace qv
