// The system page worked like a user: sliders that snap on every scroll,
// values outside a slider's range, the throttle moving the step slider,
// the port's arrows and its pad status, and a port outside the range that
// keeps the page until it is mended.
#include <gtest/gtest.h>

#include <string>

#include "tests/config/system_page_rig.h"

namespace qv {
namespace {

using SystemPage = SystemPageRig;

TEST_F(SystemPage, SpeedDelayAndThresholdSnapOnEveryScrollOfAnySlider) {
  settings.Sikii = 5000;
  Run([&](WindowHandle w) {
    EXPECT_EQ(At(w, IDC_SIKII_SLIDER).sliderPos, 5000);
    host.DragSlider(w, IDC_GSPEED_SLIDER, 7);
    EXPECT_EQ(At(w, IDC_GSPEED_SLIDER).sliderPos, 7) << "acceleration has no grid";
    EXPECT_EQ(At(w, IDC_SIKII_SLIDER).sliderPos, 6000) << "snapped by another slider's move";
    const struct {
      int id;
      int dragTo;
      int rests;
    } cases[] = {
        {IDC_SPEED_SLIDER, 34, 30},   {IDC_SPEED_SLIDER, 35, 40},   {IDC_DELAY_SLIDER, 249, 200},
        {IDC_DELAY_SLIDER, 250, 300}, {IDC_SIKII_SLIDER, 1499, 100}, {IDC_SIKII_SLIDER, 1500, 3000},
        {IDC_SIKII_SLIDER, 28500, 30000},
    };
    for (const auto& c : cases) {
      host.DragSlider(w, c.id, c.dragTo);
      EXPECT_EQ(At(w, c.id).sliderPos, c.rests) << c.id << " dragged to " << c.dragTo;
    }
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.Speed, 40);
  EXPECT_EQ(settings.Delay, 300);
  EXPECT_EQ(settings.Sikii, 30000);
  EXPECT_EQ(settings.GSpeed, 7);
}

TEST_F(SystemPage, WithoutAMoveOffGridValuesStayAndOutOfRangeOnesComeBackAtTheEnds) {
  settings.Sikii = 5000;
  settings.Speed = 500;
  settings.NSpeed = 0;
  settings.Delay = -3;
  Run([&](WindowHandle) { EXPECT_TRUE(PressOk()); });
  EXPECT_EQ(settings.Sikii, 5000);
  EXPECT_EQ(settings.Speed, 100);
  EXPECT_EQ(settings.NSpeed, 1);
  EXPECT_EQ(settings.Delay, 0);
}

TEST_F(SystemPage, TheThrottleMovesTheStepSliderWhileTheOptionIsOn) {
  settings.Zaxis = 1;
  settings.NSpeed = 5;
  Run([&](WindowHandle w) {
    EXPECT_EQ(capture.state.captureMode.load(), kCaptureSystemPage);
    EXPECT_FALSE(At(w, IDC_NSPEED_SLIDER).enabled);
    EXPECT_TRUE(At(w, IDC_THROTTLE).enabled);
    sim.joystick.SetZ(65535);
    host.Advance(100);
    EXPECT_EQ(At(w, IDC_NSPEED_SLIDER).sliderPos, 16);
    sim.joystick.SetZ(0);
    host.Advance(100);
    EXPECT_EQ(At(w, IDC_NSPEED_SLIDER).sliderPos, 1);
    sim.joystick.SetZ(40000);  // the step the poll saw last, not yet on the slider
    sim.timer.Advance(100);
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.NSpeed, 10) << "OK sees the last step";
  EXPECT_EQ(settings.Zaxis, 1);
}

TEST_F(SystemPage, TheThrottleOptionOffOrWithoutAThrottleLeavesTheStepAlone) {
  settings.Zaxis = 1;
  settings.NSpeed = 5;
  Run([&](WindowHandle w) {
    host.Click(w, IDC_THROTTLE);
    EXPECT_TRUE(At(w, IDC_NSPEED_SLIDER).enabled);
    sim.joystick.SetZ(65535);
    host.Advance(300);
    EXPECT_EQ(At(w, IDC_NSPEED_SLIDER).sliderPos, 5);
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.Zaxis, 0);
  EXPECT_EQ(settings.NSpeed, 5);
}

TEST_F(SystemPage, APadWithoutThrottleDisablesTheOptionWhateverItHolds) {
  sim.joystick.Caps().caps = 0;
  hasZ = 0;
  settings.Zaxis = 1;
  settings.NSpeed = 3;
  Run([&](WindowHandle w) {
    EXPECT_FALSE(At(w, IDC_THROTTLE).enabled);
    sim.joystick.SetZ(65535);
    host.Advance(200);
    EXPECT_EQ(At(w, IDC_NSPEED_SLIDER).sliderPos, 3);
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.NSpeed, 3);
}

TEST_F(SystemPage, ThePortsArrowsStopAtOneAndSixteenAndShowWhereNoPadAnswers) {
  Run([&](WindowHandle w) {
    EXPECT_EQ(At(w, IDC_PORT).text, "1");
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "");
    host.SpinUpDown(w, IDC_PORT_SPIN, -1);
    EXPECT_EQ(At(w, IDC_PORT).text, "1");
    host.SpinUpDown(w, IDC_PORT_SPIN, 1);
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "未接続");
    EXPECT_EQ(capture.state.capturePort.load(), 1) << "the poll follows the port at once";
    host.SpinUpDown(w, IDC_PORT_SPIN, 30);
    EXPECT_EQ(At(w, IDC_PORT).text, "16");
    host.SpinUpDown(w, IDC_PORT_SPIN, -15);
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "");
    sim.joystick.Unplug();
    host.SpinUpDown(w, IDC_PORT_SPIN, 1);
    host.SpinUpDown(w, IDC_PORT_SPIN, -1);
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "未接続") << "unplugged while the page was open";
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.PortID, 0);
  EXPECT_EQ(MessageBoxes("1 から 16 までの整数を入力してください。"), 0);
}

TEST_F(SystemPage, APortOutsideTheRangeIsReportedAndKeepsThePageUntilMended) {
  settings.PortID = 16;
  Run([&](WindowHandle w) {
    EXPECT_EQ(MessageBoxes("1 から 16 までの整数を入力してください。"), 1);
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "未接続");
    EXPECT_FALSE(host.SelectPage(sheetWindow, 0));
    EXPECT_FALSE(PressOk());
    host.SpinUpDown(w, IDC_PORT_SPIN, 1);
    EXPECT_EQ(At(w, IDC_PORT).text, "1");
    EXPECT_EQ(At(w, IDC_PAD_STATUS).text, "");
    EXPECT_TRUE(host.SelectPage(sheetWindow, 0));
    EXPECT_TRUE(PressOk());
  });
  EXPECT_EQ(settings.PortID, 0);
}

}  // namespace
}  // namespace qv
