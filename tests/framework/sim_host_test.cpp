// The rules the hosts keep for the program's windows, checked on the
// simulated host: binding before the first message, the order of the
// destruction messages, the message filter for queued messages only, window
// timers, synchronous painting and centring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/messages.h"
#include "framework/sim/sim_window_host.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
#include "platform/constants.h"

namespace qv {
namespace {

std::vector<std::string> g_events;

class Probe : public CWnd {
 public:
  Probe(WindowHost& host, std::string name) : CWnd(host), name_(std::move(name)) {}
  bool refuseCreate = false;
  bool boundAtCreate = false;
  std::vector<std::uint32_t> timers;
  OwnedBitmap bitmap;
  bool paintFailed = false;
  bool takeKeys = false;

  bool PreTranslateMessage(Msg& msg) override {
    if (takeKeys && msg.message == kWmKeyDown) {
      g_events.push_back(name_ + ":filtered");
      return true;
    }
    return false;
  }
  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override {
    if (message == kWmKeyDown) g_events.push_back(name_ + ":keydown");
    if (message == kWmNcDestroy) g_events.push_back(name_ + ":ncdestroy");
    return CWnd::WindowProc(message, wParam, lParam);
  }

 protected:
  int OnCreate() override {
    boundAtCreate = GetSafeHwnd() != 0;
    if (CWnd::OnCreate() == -1 || refuseCreate) return -1;
    return 0;
  }
  void OnDestroy() override {
    g_events.push_back(name_ + ":destroy");
    CWnd::OnDestroy();
  }
  void OnTimer(std::uint32_t id) override { timers.push_back(id); }
  void OnPaint() override {
    if (bitmap)
      paintFailed = !Succeeded(host().PaintBitmap(GetSafeHwnd(), bitmap.get(), Point{0, 0}));
    else
      CWnd::OnPaint();
  }
  void PostNcDestroy() override { g_events.push_back(name_ + ":final:" + std::to_string(GetSafeHwnd())); }

 private:
  std::string name_;
};

class SimHost : public ::testing::Test {
 protected:
  void SetUp() override { g_events.clear(); }

  Status Make(Probe& wnd, std::uint32_t style, WindowHandle parent = 0, std::int32_t width = 0,
              std::int32_t height = 0) {
    WindowCreateParams params;
    params.style = style;
    params.parent = parent;
    params.width = width;
    params.height = height;
    return wnd.CreateEx(params);
  }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  CWinApp app{host, "Test"};
};

TEST_F(SimHost, ObjectIsBoundBeforeCreationAndARefusalDestroysTheWindow) {
  Probe good(host, "good");
  ASSERT_TRUE(Succeeded(Make(good, kWsPopup)));
  EXPECT_TRUE(good.boundAtCreate);
  EXPECT_EQ(host.FromHandle(good.GetSafeHwnd()), &good);

  Probe bad(host, "bad");
  bad.refuseCreate = true;
  EXPECT_FALSE(Succeeded(Make(bad, kWsPopup)));
  EXPECT_EQ(bad.GetSafeHwnd(), 0u);
  EXPECT_EQ(host.LiveWindows(), 1);
}

TEST_F(SimHost, DestructionReachesParentThenChildrenAndEndsChildrenFirst) {
  Probe parent(host, "parent");
  Probe child(host, "child");
  ASSERT_TRUE(Succeeded(Make(parent, kWsPopup)));
  ASSERT_TRUE(Succeeded(Make(child, kWsChild | kWsVisible, parent.GetSafeHwnd())));
  g_events.clear();
  parent.DestroyWindow();
  // PostNcDestroy runs after the object has been unbound (its handle is 0).
  EXPECT_EQ(g_events, (std::vector<std::string>{"parent:destroy", "child:destroy",
                                                "child:ncdestroy", "child:final:0",
                                                "parent:ncdestroy", "parent:final:0"}));
  EXPECT_EQ(host.LiveWindows(), 0);
}

TEST_F(SimHost, AnObjectGoingAwayWithItsWindowGetsNoMoreMessages) {
  WindowHandle handle = 0;
  {
    Probe shortLived(host, "gone");
    ASSERT_TRUE(Succeeded(Make(shortLived, kWsPopup)));
    handle = shortLived.GetSafeHwnd();
  }
  EXPECT_TRUE(g_events.empty());
  EXPECT_FALSE(host.IsWindow(handle));
}

TEST_F(SimHost, QueuedMessagesPassTheFilterAndSentOnesDoNot) {
  Probe parent(host, "parent");
  Probe child(host, "child");
  ASSERT_TRUE(Succeeded(Make(parent, kWsPopup)));
  ASSERT_TRUE(Succeeded(Make(child, kWsChild, parent.GetSafeHwnd())));
  parent.takeKeys = true;
  // The application's default filter walks from the window up its parents.
  Ignore(sim.windows.PostMessage(child.GetSafeHwnd(), kWmKeyDown, 'A', 0));
  EXPECT_TRUE(g_events.empty()) << "nothing happens until the queue is pumped";
  EXPECT_EQ(host.Pump(), 1);
  sim.windows.SendMessage(child.GetSafeHwnd(), kWmKeyDown, 'B', 0);
  EXPECT_EQ(g_events, (std::vector<std::string>{"parent:filtered", "child:keydown"}));
}

TEST_F(SimHost, WindowTimersFireAsTimePassesUntilKilled) {
  Probe wnd(host, "timed");
  ASSERT_TRUE(Succeeded(Make(wnd, kWsPopup)));
  ASSERT_TRUE(Succeeded(wnd.SetTimer(1, 2000)));
  host.Advance(1999);
  EXPECT_TRUE(wnd.timers.empty());
  host.Advance(1);
  EXPECT_EQ(wnd.timers, (std::vector<std::uint32_t>{1}));
  host.Advance(2000);
  EXPECT_EQ(wnd.timers.size(), 2u);
  wnd.KillTimer(1);
  host.Advance(4000);
  EXPECT_EQ(wnd.timers.size(), 2u);
  EXPECT_FALSE(host.HasTimer(wnd.GetSafeHwnd(), 1));
}

TEST_F(SimHost, UpdatePaintsOnlyAVisibleInvalidWindowAndOnlyOnce) {
  Probe hidden(host, "hidden");
  ASSERT_TRUE(Succeeded(Make(hidden, kWsPopup)));
  hidden.UpdateWindow();
  EXPECT_EQ(host.Window(hidden.GetSafeHwnd())->paintMessages, 0);

  Probe shown(host, "shown");
  ASSERT_TRUE(Succeeded(Make(shown, kWsPopup | kWsVisible, 0, 320, 240)));
  shown.UpdateWindow();
  shown.UpdateWindow();
  EXPECT_EQ(host.Window(shown.GetSafeHwnd())->paintMessages, 1);
  shown.RedrawWindow();
  EXPECT_EQ(host.Window(shown.GetSafeHwnd())->paintMessages, 2);
}

TEST_F(SimHost, BitmapPaintRecordsThePictureOrFailsWithoutAMemoryContext) {
  constexpr std::uint32_t kPicture = 105;
  constexpr std::uint32_t kNoSuchBitmap = 106;
  host.AddBitmap(kPicture, Size{320, 240});
  Probe wnd(host, "picture");
  wnd.bitmap = host.LoadBitmap(kPicture);
  ASSERT_TRUE(wnd.bitmap);
  EXPECT_FALSE(host.LoadBitmap(kNoSuchBitmap)) << "no such resource";
  ASSERT_TRUE(Succeeded(Make(wnd, kWsPopup | kWsVisible, 0, 320, 240)));
  wnd.UpdateWindow();
  ASSERT_EQ(host.paints.size(), 1u);
  EXPECT_EQ(host.paints[0].bitmapResource, kPicture);
  EXPECT_EQ(host.paints[0].size.cx, 320);
  EXPECT_FALSE(wnd.paintFailed);

  host.failMemoryContext = true;
  wnd.RedrawWindow();
  EXPECT_TRUE(wnd.paintFailed);
  EXPECT_EQ(host.paints.size(), 1u);
  wnd.bitmap.reset();
  EXPECT_EQ(host.LiveBitmaps(), 0);
}

TEST_F(SimHost, CentringWithoutOwnerUsesTheWorkArea) {
  Probe wnd(host, "centred");
  ASSERT_TRUE(Succeeded(Make(wnd, kWsPopup, 0, 320, 240)));
  wnd.CenterWindow();
  const Rect r = host.Window(wnd.GetSafeHwnd())->rect;
  EXPECT_EQ(r.left, (host.workArea.right - 320) / 2);
  EXPECT_EQ(r.top, (host.workArea.bottom - 240) / 2);
  EXPECT_EQ(r.right - r.left, 320);
}

TEST_F(SimHost, RegisteredMessagesAreOnePerNameWhateverTheCase) {
  const std::uint32_t first = host.RegisterWindowMessage("TaskbarCreated");
  EXPECT_GE(first, sim::kFirstRegisteredMessage);
  EXPECT_EQ(host.RegisterWindowMessage("taskbarcreated"), first);
  EXPECT_NE(host.RegisterWindowMessage("Other"), first);
}

TEST_F(SimHost, LoopRunsUntilQuitWhileTheUserActs) {
  Probe wnd(host, "main");
  ASSERT_TRUE(Succeeded(Make(wnd, kWsPopup)));
  int turns = 0;
  host.onIdle = [&] {
    if (++turns == 2) Ignore(sim.windows.PostMessage(wnd.GetSafeHwnd(), kWmClose, 0, 0));
    if (!host.IsWindow(wnd.GetSafeHwnd())) host.PostQuit(7);
    return turns < 10;
  };
  EXPECT_EQ(host.RunMessageLoop(app), 7);
  EXPECT_FALSE(host.IsWindow(wnd.GetSafeHwnd()));
}

}  // namespace
}  // namespace qv
