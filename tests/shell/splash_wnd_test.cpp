// The splash window as the user meets it at start-up: shown centred at the
// picture's size before start-up goes on, gone after two seconds or at the
// first key or button press (which does nothing else), never shown with the
// embedding switches or by a second copy, and no trouble when it cannot be.
#include <gtest/gtest.h>

#include <vector>

#include "framework/messages.h"
#include "shell/splash_wnd.h"
#include "tests/shell/shell_rig.h"

namespace qv {
namespace {

using test::ShellRig;

// A window of the program that records what reaches it.
class ProbeWnd final : public CWnd {
 public:
  explicit ProbeWnd(WindowHost& host) : CWnd(host) {}
  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override {
    received.push_back(message);
    return CWnd::WindowProc(message, wParam, lParam);
  }
  std::vector<std::uint32_t> received;
};

class SplashTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.host.AddBitmap(IDB_SPLASH, Size{320, 240}); }
  void TearDown() override {
    CSplashWnd::HideSplashScreen();
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::SetDisplayTime(0);
  }

  bool Start(std::vector<std::string> args = {}) {
    rig.app = std::make_unique<CQuorvantixApp>(rig.host);
    rig.app->m_args = std::move(args);
    return rig.app->InitInstance();
  }
  WindowHandle Splash() const {
    return CSplashWnd::Current() ? CSplashWnd::Current()->GetSafeHwnd() : 0;
  }

  ShellRig rig;
};

TEST_F(SplashTest, ShownCentredAtThePicturesSizeAndPaintedBeforeStartUpGoesOn) {
  std::size_t paintsWhenFrameMade = 99;
  rig.host.refuseCreate = [&](const WindowCreateParams& params) {
    if (params.title != nullptr && std::string(params.title) == "Quorvantix")
      paintsWhenFrameMade = rig.host.paints.size();
    return false;
  };
  ASSERT_TRUE(Start());
  const WindowHandle splash = Splash();
  ASSERT_NE(splash, 0u);
  const sim::SimWindow* w = rig.host.Window(splash);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->style, kWsPopup | kWsVisible);
  EXPECT_EQ(w->exStyle, 0u);
  EXPECT_EQ(w->title, "");
  EXPECT_EQ(w->parent, 0u);
  EXPECT_TRUE(w->centred);
  EXPECT_EQ(w->centredOn, 0u);
  const Rect& area = rig.host.workArea;
  EXPECT_EQ(w->rect.left, (area.right - area.left - 320) / 2);
  EXPECT_EQ(w->rect.top, (area.bottom - area.top - 240) / 2);
  EXPECT_EQ(w->rect.right - w->rect.left, 320);
  EXPECT_EQ(w->rect.bottom - w->rect.top, 240);
  EXPECT_TRUE(rig.host.HasTimer(splash, kSplashTimerId));

  EXPECT_EQ(paintsWhenFrameMade, 1u);
  ASSERT_FALSE(rig.host.paints.empty());
  const sim::SimPaint& paint = rig.host.paints[0];
  EXPECT_EQ(paint.window, splash);
  EXPECT_EQ(paint.bitmapResource, IDB_SPLASH);
  EXPECT_EQ(paint.at.x, 0);
  EXPECT_EQ(paint.at.y, 0);
}

TEST_F(SplashTest, GoesAfterTwoSecondsWithItsPicture) {
  ASSERT_TRUE(Start());
  const WindowHandle splash = Splash();
  ASSERT_NE(splash, 0u);
  EXPECT_EQ(rig.host.LiveBitmaps(), 1);
  rig.host.Advance(1999);
  EXPECT_EQ(Splash(), splash);
  rig.host.Advance(1);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_FALSE(rig.host.IsWindow(splash));
  EXPECT_EQ(rig.host.LiveBitmaps(), 0);
  // The program runs on, and nothing shows the splash again.
  EXPECT_TRUE(rig.host.IsWindow(rig.frameWindow()));
  rig.host.Advance(5000);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST_F(SplashTest, ALongerDisplayTimeKeepsItUpThatLongAndZeroMeansTwoSeconds) {
  CSplashWnd::SetDisplayTime(60000);
  ASSERT_TRUE(Start());
  const WindowHandle splash = Splash();
  ASSERT_NE(splash, 0u);
  rig.host.Advance(59999);
  EXPECT_EQ(Splash(), splash);
  rig.host.Advance(1);
  EXPECT_FALSE(rig.host.IsWindow(splash));

  CSplashWnd::SetDisplayTime(0);
  ShellRig fresh;
  fresh.host.AddBitmap(IDB_SPLASH, Size{320, 240});
  fresh.app = std::make_unique<CQuorvantixApp>(fresh.host);
  ASSERT_TRUE(fresh.app->InitInstance());
  ASSERT_NE(CSplashWnd::Current(), nullptr);
  fresh.host.Advance(2000);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST_F(SplashTest, EmbeddingSwitchesKeepItAway) {
  for (const char* argument : {"/Embedding", "-embedding", "/AUTOMATION"}) {
    ShellRig other;
    other.host.AddBitmap(IDB_SPLASH, Size{320, 240});
    other.app = std::make_unique<CQuorvantixApp>(other.host);
    other.app->m_args = {argument};
    ASSERT_TRUE(other.app->InitInstance()) << argument;
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << argument;
    EXPECT_TRUE(other.host.paints.empty()) << argument;
  }
  for (const char* argument : {"/embed", "Embedding"}) {
    ShellRig other;
    other.host.AddBitmap(IDB_SPLASH, Size{320, 240});
    other.app = std::make_unique<CQuorvantixApp>(other.host);
    other.app->m_args = {argument};
    ASSERT_TRUE(other.app->InitInstance()) << argument;
    EXPECT_NE(CSplashWnd::Current(), nullptr) << argument;
    CSplashWnd::HideSplashScreen();
  }
}

TEST_F(SplashTest, ASecondCopyShowsNoSplash) {
  ASSERT_TRUE(Start());
  rig.host.Advance(2000);
  ASSERT_EQ(CSplashWnd::Current(), nullptr);
  ShellRig second(rig.sim.ownMutexes);
  second.host.AddBitmap(IDB_SPLASH, Size{320, 240});
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(second.host.LiveWindows(), 0);
}

TEST_F(SplashTest, KeyAndButtonPressesCloseItAndAreConsumed) {
  ASSERT_TRUE(Start());
  ProbeWnd probe(rig.host);
  WindowCreateParams params;
  params.style = kWsPopup;
  ASSERT_EQ(probe.CreateEx(params), Status::Ok);
  probe.received.clear();

  // Releases, moves and other messages pass and leave the splash up.
  for (std::uint32_t message : {kWmKeyUp, kWmMouseMove, kWmLButtonUp, kWmRButtonUp, kWmUser}) {
    Ignore(rig.sim.windows.PostMessage(probe.GetSafeHwnd(), message, 0, 0));
    rig.host.Pump();
  }
  EXPECT_NE(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(probe.received,
            (std::vector<std::uint32_t>{kWmKeyUp, kWmMouseMove, kWmLButtonUp, kWmRButtonUp, kWmUser}));

  probe.received.clear();
  Ignore(rig.sim.windows.PostMessage(probe.GetSafeHwnd(), kWmLButtonDown, 0, 0));
  rig.host.Pump();
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_TRUE(probe.received.empty()) << "the click that closed the splash does nothing else";

  // With the splash gone, presses are ordinary messages again.
  Ignore(rig.sim.windows.PostMessage(probe.GetSafeHwnd(), kWmKeyDown, 0, 0));
  rig.host.Pump();
  EXPECT_EQ(probe.received, (std::vector<std::uint32_t>{kWmKeyDown}));
  probe.DestroyWindow();
}

TEST_F(SplashTest, TheFilterTakesExactlyTheListedPresses) {
  const std::uint32_t presses[] = {0x0100, 0x0104, 0x0201, 0x0204, 0x0207, 0x00A1, 0x00A4, 0x00A7};
  const std::uint32_t others[] = {0x0101, 0x0105, 0x0200, 0x0202, 0x0203, 0x0205, 0x0206,
                                  0x0208, 0x0209, 0x00A0, 0x00A2, 0x00A3, 0x00A9, 0x020A,
                                  0x0102, 0x0113, 0x000F};
  CSplashWnd::EnableSplashScreen(true);
  for (std::uint32_t message : presses) {
    CSplashWnd::ShowSplashScreen(rig.host, nullptr);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    for (std::uint32_t other : others)
      EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(Msg{0, other, 0, 0})) << std::hex << other;
    EXPECT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(Msg{0, message, 0, 0})) << std::hex << message;
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << std::hex << message;
  }
  // No splash: nothing is taken.
  EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(Msg{0, kWmKeyDown, 0, 0}));
}

TEST_F(SplashTest, AnyTimerMessageHidesIt) {
  CSplashWnd::EnableSplashScreen(true);
  CSplashWnd::ShowSplashScreen(rig.host, nullptr);
  const WindowHandle splash = Splash();
  ASSERT_NE(splash, 0u);
  // Sent straight to it: the window goes inside its own handler.
  rig.sim.windows.SendMessage(splash, kWmTimer, 7, 0);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_FALSE(rig.host.IsWindow(splash));
  EXPECT_EQ(rig.host.LiveBitmaps(), 0);
}

TEST_F(SplashTest, OneAtATimeAndOnlyWhenEnabled) {
  CSplashWnd::ShowSplashScreen(rig.host, nullptr);
  EXPECT_EQ(CSplashWnd::Current(), nullptr) << "off until enabled";
  CSplashWnd::EnableSplashScreen(true);
  CSplashWnd::ShowSplashScreen(rig.host, nullptr);
  CSplashWnd* first = CSplashWnd::Current();
  ASSERT_NE(first, nullptr);
  const int windows = rig.host.LiveWindows();
  CSplashWnd::ShowSplashScreen(rig.host, nullptr);
  EXPECT_EQ(CSplashWnd::Current(), first);
  EXPECT_EQ(rig.host.LiveWindows(), windows);
  EXPECT_EQ(rig.host.LiveBitmaps(), 1);
}

TEST_F(SplashTest, AnOwnerIsHonoured) {
  ProbeWnd owner(rig.host);
  WindowCreateParams params;
  params.style = kWsPopup;
  params.width = 600;
  params.height = 400;
  ASSERT_EQ(owner.CreateEx(params), Status::Ok);
  CSplashWnd::EnableSplashScreen(true);
  CSplashWnd::ShowSplashScreen(rig.host, &owner);
  ASSERT_NE(CSplashWnd::Current(), nullptr);
  const sim::SimWindow* w = rig.host.Window(Splash());
  EXPECT_EQ(w->parent, owner.GetSafeHwnd());
  EXPECT_EQ(w->rect.left, (600 - 320) / 2);
  CSplashWnd::HideSplashScreen();
  owner.DestroyWindow();
}

TEST_F(SplashTest, NoPictureOrNoWindowMeansNoSplashAndStartUpGoesOn) {
  ShellRig bare;  // no bitmap resource
  bare.app = std::make_unique<CQuorvantixApp>(bare.host);
  ASSERT_TRUE(bare.app->InitInstance());
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(bare.sim.log.Count(sim::EffectKind::MessageBox), 0u);

  rig.host.refuseCreate = [](const WindowCreateParams& params) {
    return params.width == 320 && params.height == 240;
  };
  ASSERT_TRUE(Start());
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(rig.host.LiveBitmaps(), 0);
  EXPECT_TRUE(rig.host.IsWindow(rig.frameWindow()));
  EXPECT_EQ(rig.sim.log.Count(sim::EffectKind::MessageBox), 0u);
}

TEST_F(SplashTest, APaintThatCannotBeMadeLeavesItUp) {
  rig.host.failMemoryContext = true;
  ASSERT_TRUE(Start());
  EXPECT_NE(CSplashWnd::Current(), nullptr);
  EXPECT_TRUE(rig.host.paints.empty());
  rig.host.Advance(2000);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

}  // namespace
}  // namespace qv
