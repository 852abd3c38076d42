// What reaches a dialog's handlers through its message table (trackbar
// scrolls with the control's id, notifications by id and code, dropped files
// released whatever the handler did, numbered messages posted to it), the
// radio groups of a template, and the one message filter that every loop
// shares: a message offered by two paths is seen once, and the
// application-wide filter sees the system's loops too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/whole_number.h"
#include "framework/win_app.h"

namespace qv {
namespace {

constexpr std::uint32_t kTemplate = 500;
constexpr int kSlider = 1010;
constexpr int kRadioA = 1020, kRadioB = 1021, kRadioC = 1022, kOtherRadio = 1030;
constexpr std::uint32_t kOwnMessage = kWmApp + 3;
// A notification code the slider's line of the table answers, and one it does not.
constexpr std::uint32_t kSliderCode = 77u;
constexpr std::uint32_t kOtherCode = 78u;

class RoutedDialog final : public CDialog {
 public:
  explicit RoutedDialog(WindowHost& host) : CDialog(host, kTemplate) {}
  std::vector<std::string> seen;
  std::int32_t choice = 1;

 protected:
  bool DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                           LResult& result) override {
    static constexpr MessageMapEntry<RoutedDialog> kMap[] = {
        OnHScrollEntry(&RoutedDialog::OnHScroll),
        OnNotifyMessageEntry(kSlider, kSliderCode, &RoutedDialog::OnSliderNotify),
        OnDropFilesEntry(&RoutedDialog::OnDropFiles),
        OnMessageEntry(kOwnMessage, &RoutedDialog::OnOwnMessage),
    };
    if (DispatchMessageMap(*this, kMap, message, wParam, lParam, result)) return true;
    return CDialog::DispatchOwnMessages(message, wParam, lParam, result);
  }
  void DoDataExchange(CDataExchange& dx) override { DDX_Radio(dx, kRadioA, choice); }

 private:
  void OnHScroll(std::uint32_t, std::int32_t position, int controlId) {
    seen.push_back("scroll " + std::to_string(controlId) + " " + std::to_string(position));
  }
  void OnSliderNotify(const NmHdr&, LResult& result) {
    seen.push_back("notify");
    result = 9;
  }
  void OnDropFiles(CDropFiles& drop) {
    char name[8];
    for (std::uint32_t i = 0; i < drop.Count(); ++i) {
      drop.Name(i, name);
      seen.push_back(std::string("drop ") + name);
    }
  }
  LResult OnOwnMessage(WParam wParam, LParam) {
    seen.push_back("own " + std::to_string(wParam));
    return 0;
  }
};

class Routing : public ::testing::Test {
 protected:
  void SetUp() override {
    host.RegisterDialogTemplate(kTemplate,
                                {{kSlider, sim::ControlKind::Slider, ""},
                                 {kRadioA, sim::ControlKind::AutoRadioButton, "a", sim::kWsGroup},
                                 {kRadioB, sim::ControlKind::AutoRadioButton, "b"},
                                 {kRadioC, sim::ControlKind::AutoRadioButton, "c"},
                                 {kOtherRadio, sim::ControlKind::AutoRadioButton, "x", sim::kWsGroup}});
  }
  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
  RoutedDialog dialog{host};
};

TEST_F(Routing, ScrollNotifyDropsAndOwnMessagesReachTheirHandlers) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    h.DragSlider(w, kSlider, 40);
    NmHdr header{h.controls.ControlWindow(w, kSlider), kSlider, kSliderCode};
    EXPECT_EQ(sim.windows.SendMessage(w, kWmNotify, kSlider, reinterpret_cast<LParam>(&header)), 9);
    header.code = kOtherCode;
    sim.windows.SendMessage(w, kWmNotify, kSlider, reinterpret_cast<LParam>(&header));
    h.DropFiles(w, {"a.wav"});  // not taken: the dialog did not ask for drops
    d.DragAcceptFiles(true);
    h.DropFiles(w, {"a.wav", "long-name.wav"});
    Ignore(sim.windows.PostMessage(w, kOwnMessage, 5, 0));
    h.Pump();
    d.EndDialog(kIdOk);
  };
  dialog.DoModal();
  EXPECT_EQ(dialog.seen, (std::vector<std::string>{"scroll 1010 40", "notify", "drop a.wav",
                                                   "drop long-na", "own 5"}));
  EXPECT_EQ(host.UnfinishedDrops(), 0) << "every drop is released";
}

TEST_F(Routing, ARadioClickUnchecksItsGroupOnlyAndTheExchangeReadsTheIndex) {
  host.onDialog = [&](sim::SimWindowHost& h, CDialog& d) {
    const WindowHandle w = d.GetSafeHwnd();
    EXPECT_EQ(h.controls.At(w, kRadioB).check, 1) << "written from the member";
    h.Click(w, kOtherRadio);
    h.Click(w, kRadioC);
    EXPECT_EQ(h.controls.At(w, kRadioB).check, 0);
    EXPECT_EQ(h.controls.At(w, kOtherRadio).check, 1) << "another group is left alone";
    h.Click(w, static_cast<int>(kIdOk));
  };
  std::vector<std::string> unknown;
  host.controls.onUnknownControl = [&](WindowHandle, std::uint32_t templateId, int id) {
    unknown.push_back(std::to_string(templateId) + "/" + std::to_string(id));
  };
  dialog.DoModal();
  EXPECT_EQ(dialog.choice, 2);
  EXPECT_EQ(unknown, (std::vector<std::string>{"500/1"})) << "the template has no OK button";
}

TEST(WholeNumbers, TheWholeTextCountsHoweverLong) {
  std::int32_t value = -1;
  const std::string zeros = std::string(68, '0') + "05";
  EXPECT_EQ(ParseWholeNumber(zeros.data(), zeros.size(), value), WholeNumber::Valid);
  EXPECT_EQ(value, 5);
  const std::string junk = "7" + std::string(70, ' ') + "x";
  EXPECT_EQ(ParseWholeNumber(junk.data(), junk.size(), value), WholeNumber::NotANumber);
  const std::string huge = "1" + std::string(80, '0');
  EXPECT_EQ(ParseWholeNumber(huge.data(), huge.size(), value), WholeNumber::TooLarge);
  EXPECT_EQ(ParseWholeNumber(" -2147483648 ", 13, value), WholeNumber::Valid);
  EXPECT_EQ(value, INT32_MIN);
  EXPECT_EQ(ParseWholeNumber("2147483648", 10, value), WholeNumber::TooLarge);
  EXPECT_EQ(ParseWholeNumber("-", 1, value), WholeNumber::NotANumber);
  EXPECT_EQ(ParseWholeNumber("", 0, value), WholeNumber::NotANumber);
}

class Filtering final : public CWinApp {
 public:
  using CWinApp::CWinApp;
  int appWide = 0;
  bool takeAll = false;

 protected:
  bool PreTranslateAppMessage(Msg&) override {
    ++appWide;
    return takeAll;
  }
};

TEST(MessageFilter, OneMessageOfferedByTwoPathsIsSeenOnceAndSystemLoopsReachIt) {
  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  Filtering app{host, "Test"};
  Msg key{0x20000, kWmKeyDown, 'A', 0, 17};
  EXPECT_FALSE(app.ProcessMessageFilter(FilterSource::ProgramLoop, key));
  EXPECT_FALSE(app.ProcessMessageFilter(FilterSource::DialogLoop, key)) << "IsDialogMessage's hook";
  EXPECT_EQ(app.appWide, 1);
  Msg next = key;
  next.time = 18;  // the key's repeat: a message of its own
  app.takeAll = true;
  EXPECT_TRUE(app.ProcessMessageFilter(FilterSource::MenuLoop, next));
  Msg boxed{0x20000, kWmLButtonDown, 0, 0, 19};
  EXPECT_TRUE(app.ProcessMessageFilter(FilterSource::MessageBoxLoop, boxed));
  EXPECT_EQ(app.appWide, 3);
}

}  // namespace
}  // namespace qv
