// Command routing from the frame to its view, itself and the application,
// and the menu-update pass that greys items as a pop-up opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/frame_wnd.h"
#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "platform/constants.h"
#include "platform/message_words.h"

namespace qv {
namespace {

std::vector<std::string>* g_calls = nullptr;

constexpr std::uint32_t kViewOnly = 100;
constexpr std::uint32_t kShared = 101;  // view and frame both handle it
constexpr std::uint32_t kFrameOnly = 102;
constexpr std::uint32_t kAppOnly = 103;
constexpr std::uint32_t kNobody = 104;
constexpr std::uint32_t kGreyedByUpdate = 105;
constexpr std::uint32_t kEdited = 106;  // handled with the notification code kEnChange only

class TestView final : public CView {
 public:
  using CView::CView;
  bool allowGreyed = false;
  void OnViewOnly() { g_calls->push_back("view:only"); }
  void OnShared() { g_calls->push_back("view:shared"); }
  void OnGreyed() { g_calls->push_back("view:greyed"); }
  void OnUpdateGreyed(CCmdUI* ui) { ui->Enable(allowGreyed); }
  void OnEdited() { g_calls->push_back("view:edited"); }

 protected:
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* info) override {
    static constexpr CommandMapEntry<TestView> kMap[] = {
        OnCommandEntry(kViewOnly, &TestView::OnViewOnly),
        OnCommandEntry(kShared, &TestView::OnShared),
        OnCommandEntry(kGreyedByUpdate, &TestView::OnGreyed),
        OnUpdateEntry(kGreyedByUpdate, &TestView::OnUpdateGreyed),
        OnNotifyEntry(kEdited, kEnChange, &TestView::OnEdited),
    };
    return DispatchCommandMap(*this, kMap, id, code, extra, info) ||
           CView::DispatchOwnCommands(id, code, extra, info);
  }
};

class TestFrame final : public CFrameWnd {
 public:
  using CFrameWnd::CFrameWnd;
  void OnShared() { g_calls->push_back("frame:shared"); }
  void OnFrameOnly() { g_calls->push_back("frame:only"); }

 protected:
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* info) override {
    static constexpr CommandMapEntry<TestFrame> kMap[] = {
        OnCommandEntry(kShared, &TestFrame::OnShared),
        OnCommandEntry(kFrameOnly, &TestFrame::OnFrameOnly),
    };
    return DispatchCommandMap(*this, kMap, id, code, extra, info);
  }
};

class TestApp final : public CWinApp {
 public:
  using CWinApp::CWinApp;
  void OnAppOnly() { g_calls->push_back("app:only"); }

 protected:
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* info) override {
    static constexpr CommandMapEntry<TestApp> kMap[] = {
        OnCommandEntry(kAppOnly, &TestApp::OnAppOnly),
    };
    return DispatchCommandMap(*this, kMap, id, code, extra, info) ||
           CWinApp::DispatchOwnCommands(id, code, extra, info);
  }
};

class CommandRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls = &calls;
    WindowCreateParams params;
    params.style = kWsPopup;
    params.title = "frame";
    ASSERT_TRUE(Succeeded(frame.LoadFrame(params, &view)));
    app.m_pMainWnd = &frame;
  }
  void TearDown() override { g_calls = nullptr; }

  void Command(std::uint32_t id, std::uint32_t code = 0) {
    sim.windows.SendMessage(frame.GetSafeHwnd(), kWmCommand, MakeWParam(id, code), 0);
  }

  std::vector<std::string> calls;
  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  TestApp app{host, "Test"};
  TestFrame frame{host, app};
  TestView view{host};
};

TEST_F(CommandRouting, GoesToTheViewThenTheFrameThenTheApplication) {
  Command(kViewOnly);
  Command(kShared);
  Command(kFrameOnly);
  Command(kAppOnly);
  Command(kNobody);
  EXPECT_EQ(calls, (std::vector<std::string>{"view:only", "view:shared", "frame:only", "app:only"}));
}

TEST_F(CommandRouting, NotificationCodesSelectTheirOwnHandler) {
  Command(kEdited, kEnChange);
  Command(kEdited, kBnClicked);  // no line for a click on that control
  EXPECT_EQ(calls, (std::vector<std::string>{"view:edited"}));
}

TEST_F(CommandRouting, AProbeFindsTheHandlerWithoutRunningIt) {
  CmdHandlerInfo info;
  EXPECT_TRUE(frame.OnCmdMsg(kFrameOnly, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.target, &frame);
  CmdHandlerInfo none;
  EXPECT_FALSE(frame.OnCmdMsg(kNobody, CN_COMMAND, nullptr, &none));
  EXPECT_TRUE(calls.empty());
}

TEST_F(CommandRouting, ExitCommandClosesTheMainWindowAndEndsTheLoop) {
  Command(kIdAppExit);
  EXPECT_FALSE(host.IsWindow(frame.GetSafeHwnd()));
  EXPECT_EQ(frame.GetSafeHwnd(), 0u);
  EXPECT_EQ(view.GetSafeHwnd(), 0u);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_TRUE(host.quitPosted);
}

class MenuUpdate : public CommandRouting {
 protected:
  void SetUp() override {
    CommandRouting::SetUp();
    owner = sim.menus.CreatePopupMenu();
    menu = owner.get();
    for (std::uint32_t id : {kViewOnly, kAppOnly, kNobody, kGreyedByUpdate})
      Ignore(sim.menus.AppendItem(menu, kMfString, id, TextCode::Program, "item"));
    Ignore(sim.menus.AppendItem(menu, kMfSeparator, 0, TextCode::Program, nullptr));
    // Items start greyed, so that "enabled" is something the update did.
    for (std::uint32_t id : {kViewOnly, kAppOnly, kNobody, kGreyedByUpdate})
      sim.menus.EnableItem(menu, id, kMfGrayed);
  }
  std::uint32_t StateOf(int position) { return sim.menus.ItemState(menu, position) & kMfGrayed; }
  OwnedMenu owner;
  MenuHandle menu = 0;
};

TEST_F(MenuUpdate, TrackingAsksTheChainAndGreysItemsWithoutHandlers) {
  Ignore(host.TrackPopupMenu(menu, kTpmRightButton, Point{5, 6}, frame.GetSafeHwnd()));
  EXPECT_EQ(StateOf(0), 0u) << "view handles it";
  EXPECT_EQ(StateOf(1), 0u) << "application handles it";
  EXPECT_EQ(StateOf(2), kMfGrayed) << "nobody handles it";
  EXPECT_EQ(StateOf(3), kMfGrayed) << "its update handler says no";
  EXPECT_EQ(sim.menus.ItemState(menu, 4) & kMfSeparator, kMfSeparator);
  EXPECT_TRUE(calls.empty()) << "updating runs no command";
  ASSERT_EQ(sim.log.Count(sim::EffectKind::TrackMenu), 1u);
}

TEST_F(MenuUpdate, UpdateHandlerDecidesEachTimeTheMenuOpens) {
  view.allowGreyed = true;
  Ignore(host.TrackPopupMenu(menu, 0, Point{}, frame.GetSafeHwnd()));
  EXPECT_EQ(StateOf(3), 0u);
  view.allowGreyed = false;
  Ignore(host.TrackPopupMenu(menu, 0, Point{}, frame.GetSafeHwnd()));
  EXPECT_EQ(StateOf(3), kMfGrayed);
}

TEST_F(MenuUpdate, OnlyTheFrameUpdatesItsMenus) {
  // A menu owned by the view gets no update pass: its items stay as built.
  Ignore(host.TrackPopupMenu(menu, 0, Point{}, view.GetSafeHwnd()));
  EXPECT_EQ(StateOf(0), kMfGrayed);
}

}  // namespace
}  // namespace qv
