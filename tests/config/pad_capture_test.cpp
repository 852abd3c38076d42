// Choosing the slot with the pad: which button wins when several are held,
// when the choice is made, and what the poll does without a pad or behind
// the system page.
#include "config/pad_capture.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sim/sim_platform.h"

namespace qv {
namespace {

constexpr WindowHandle kPage = 0x5100;

class PadCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim.windows.Attach(kPage, [this](std::uint32_t message, WParam wParam, LParam) {
      if (message == kWmSelectSlot) chosen.push_back(static_cast<int>(wParam));
      return LResult{0};
    });
    capture.state.captureMode.store(kCaptureButtonPage);
    capture.state.buttonPage.store(kPage);
    ASSERT_EQ(capture.Start(), Status::Ok);
  }
  // One poll period, then whatever the poll posted reaches the page.
  void Poll() {
    sim.timer.Advance(100);
    sim.windows.PumpPosted();
  }

  sim::SimPlatform sim;
  PadCapture capture{sim.platform};
  std::vector<int> chosen;
};

TEST_F(PadCaptureTest, ASlotIsChosenWhenItsButtonIsReleased) {
  EXPECT_EQ(sim.timer.LastResolution(), 100u);
  sim.joystick.Press(2);
  Poll();
  EXPECT_TRUE(chosen.empty());
  EXPECT_EQ(capture.state.capturedButton.load(), 3);
  sim.joystick.Release(2);
  Poll();
  EXPECT_EQ(chosen, std::vector<int>{2});
  EXPECT_EQ(capture.state.capturedButton.load(), 0);
  Poll();
  EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(PadCaptureTest, OfButtonsHeldTogetherTheLowestHeldAtTheLastPollWins) {
  // Buttons 2 and 5 together.
  sim.joystick.Press(1);
  sim.joystick.Press(4);
  Poll();
  sim.joystick.SetButtons(0);
  Poll();
  // 5, then 2 added, 5 released, then 2.
  sim.joystick.Press(4);
  Poll();
  sim.joystick.Press(1);
  Poll();
  sim.joystick.Release(4);
  Poll();
  sim.joystick.Release(1);
  Poll();
  // 2, then 5 added, 2 released first: 5 was the last one seen held.
  sim.joystick.Press(1);
  Poll();
  sim.joystick.Press(4);
  Poll();
  sim.joystick.Release(1);
  Poll();
  sim.joystick.Release(4);
  Poll();
  EXPECT_EQ(chosen, (std::vector<int>{1, 1, 4}));
}

TEST_F(PadCaptureTest, NoPadOnThePortOrTheSystemPageInFrontChoosesNothing) {
  sim.joystick.Unplug();
  sim.joystick.Press(3);
  Poll();
  sim.joystick.Release(3);
  Poll();
  EXPECT_EQ(capture.state.capturedButton.load(), 0);
  sim.joystick.Plug();
  capture.state.captureMode.store(kCaptureSystemPage);
  sim.joystick.Press(3);
  Poll();
  sim.joystick.Release(3);
  Poll();
  EXPECT_TRUE(chosen.empty());
  // The pad on another port than the one polled.
  capture.state.captureMode.store(kCaptureButtonPage);
  capture.state.capturePort.store(1);
  sim.joystick.Press(3);
  Poll();
  EXPECT_EQ(capture.state.capturedButton.load(), 0);
}

TEST_F(PadCaptureTest, AfterStopNoPollRunsAndStartAgainMakesOneTimer) {
  capture.Stop();
  sim.joystick.Press(0);
  Poll();
  EXPECT_EQ(capture.state.capturedButton.load(), 0);
  EXPECT_EQ(sim.timer.LiveCount(), 0);
  ASSERT_EQ(capture.Start(), Status::Ok);
  ASSERT_EQ(capture.Start(), Status::Ok);
  EXPECT_EQ(sim.timer.LiveCount(), 1);
  sim.timer.failNextStart = true;
  capture.Stop();
  EXPECT_EQ(capture.Start(), Status::Failed);
  Poll();
  EXPECT_EQ(capture.state.capturedButton.load(), 0);
}

TEST_F(PadCaptureTest, AChoiceMadeBeforeThePageHasItsWindowWaitsForIt) {
  capture.state.buttonPage.store(0);
  sim.joystick.Press(6);
  Poll();
  sim.joystick.Release(6);
  Poll();
  EXPECT_EQ(capture.state.capturedButton.load(), 7);
  capture.state.buttonPage.store(kPage);
  Poll();
  EXPECT_EQ(chosen, std::vector<int>{6});
}

}  // namespace
}  // namespace qv
