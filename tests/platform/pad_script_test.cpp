// The scripted pad: the script format's rules and faults, and the joystick
// that plays a script against the multimedia clock.
#include "platform/script/pad_script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/constants.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_timer.h"

namespace qv {
namespace {

// Where the axes of a pad without a 'caps' line rest: the middle of 0 to 65535.
constexpr std::uint32_t kRest = 32767;

Status Parse(const std::string& text, PadScript& script, PadScriptError& error) {
  return ParsePadScript(text.data(), text.size(), script, error);
}

// Parses text that must be good.
PadScript Good(const std::string& text) {
  PadScript script;
  PadScriptError error;
  EXPECT_EQ(Parse(text, script, error), Status::Ok) << Describe(error);
  return script;
}

// Parses text that must fail; returns "line N: message".
std::string Bad(const std::string& text) {
  PadScript script;
  PadScriptError error;
  EXPECT_EQ(Parse(text, script, error), Status::Failed);
  return Describe(error);
}

TEST(PadScriptParse, WithoutCapsDescribesATwelveButtonPadAtRest) {
  const PadScript script = Good("# nothing but a comment\n\n");
  EXPECT_EQ(script.port, 0u);
  EXPECT_EQ(script.caps.xMin, 0u);
  EXPECT_EQ(script.caps.xMax, 65535u);
  EXPECT_EQ(script.caps.yMax, 65535u);
  EXPECT_EQ(script.caps.zMax, 65535u);
  EXPECT_EQ(script.caps.numButtons, 12u);
  EXPECT_EQ(script.caps.caps, kJoyCapsHasZ | kJoyCapsHasPov);
  EXPECT_TRUE(script.steps.empty());
  EXPECT_TRUE(script.rest.plugged);
  EXPECT_EQ(script.rest.x, kRest);
  EXPECT_EQ(script.rest.y, kRest);
  EXPECT_EQ(script.rest.buttons, 0u);
  EXPECT_EQ(script.rest.pov, kJoyPovCentered);
}

TEST(PadScriptParse, CapsLineSetsRangesFlagsPortAndTheRestPosition) {
  const PadScript script =
      Good("caps port=2 buttons=4 z=0 pov=0 xmin=100 xmax=300 ymin=0 ymax=1000 zmin=10 zmax=20\n");
  EXPECT_EQ(script.port, 2u);
  EXPECT_EQ(script.caps.numButtons, 4u);
  EXPECT_EQ(script.caps.caps, 0u);
  EXPECT_EQ(script.caps.xMin, 100u);
  EXPECT_EQ(script.caps.xMax, 300u);
  EXPECT_EQ(script.rest.x, 200u);
  EXPECT_EQ(script.rest.y, 500u);
  EXPECT_EQ(script.rest.z, 15u);
  EXPECT_EQ(Good("caps z=1 pov=0\n").caps.caps, kJoyCapsHasZ);
  EXPECT_EQ(Good("caps z=0 pov=1\n").caps.caps, kJoyCapsHasPov);
}

TEST(PadScriptParse, StepsKeepFieldsTheyDoNotNameAndToleratesCrLfAndTrailingComments) {
  const PadScript script = Good(
      "at 0 x=65535\r\n"
      "at 250 y=0 buttons=0x3   # hex with prefix\r\n"
      "at 250 buttons=A pov=9000\n"
      "at 400 unplug\n"
      "at 600 plug z=0\n"
      "at 700 pov=centre\n"
      "\tat 800   pov=center buttons=0");
  ASSERT_EQ(script.steps.size(), 7u);
  EXPECT_EQ(script.steps[0].x, 65535u);
  EXPECT_EQ(script.steps[0].y, kRest);
  EXPECT_EQ(script.steps[1].atMs, 250u);
  EXPECT_EQ(script.steps[1].x, 65535u);
  EXPECT_EQ(script.steps[1].y, 0u);
  EXPECT_EQ(script.steps[1].buttons, 3u);
  EXPECT_EQ(script.steps[2].buttons, 0xAu);
  EXPECT_EQ(script.steps[2].pov, 9000u);
  EXPECT_FALSE(script.steps[3].plugged);
  // Plugging back in resumes with the values from before the unplug.
  EXPECT_TRUE(script.steps[4].plugged);
  EXPECT_EQ(script.steps[4].x, 65535u);
  EXPECT_EQ(script.steps[4].buttons, 0xAu);
  EXPECT_EQ(script.steps[4].z, 0u);
  EXPECT_EQ(script.steps[5].pov, kJoyPovCentered);
  EXPECT_EQ(script.steps[6].atMs, 800u);
  EXPECT_EQ(script.steps[6].buttons, 0u);
}

TEST(PadScriptParse, ThirtyTwoButtonsAllowEveryBit) {
  const PadScript script = Good("caps buttons=32\nat 0 buttons=FFFFFFFF\n");
  EXPECT_EQ(script.steps[0].buttons, 0xFFFFFFFFu);
}

TEST(PadScriptParse, FaultsNameTheirLine) {
  EXPECT_EQ(Bad("# ok\nwait 10\n"), "line 2: unknown command 'wait' (expected 'caps' or 'at')");
  EXPECT_EQ(Bad("at\n"), "line 1: 'at' needs a time in milliseconds");
  EXPECT_EQ(Bad("at 1.5 x=0\n"), "line 1: 'at' needs a decimal number, found '1.5'");
  EXPECT_EQ(Bad("at 0\nat 10 x=-1\n"), "line 2: 'x' needs a decimal number, found '-1'");
  EXPECT_EQ(Bad("at 4294967296\n"), "line 1: 'at' needs a decimal number, found '4294967296'");
  EXPECT_EQ(Bad("at 0 x\n"), "line 1: expected name=value, found 'x'");
  EXPECT_EQ(Bad("at 0 =5\n"), "line 1: expected name=value, found '=5'");
  EXPECT_EQ(Bad("at 0 q=1\n"), "line 1: unknown field 'q'");
  EXPECT_EQ(Bad("at 0 x=1 x=2\n"), "line 1: 'x' given twice");
  EXPECT_EQ(Bad("at 0 buttons=0xG\n"), "line 1: 'buttons' needs a hexadecimal number, found '0xG'");
  EXPECT_EQ(Bad("at 0 buttons=0x\n"), "line 1: 'buttons' needs a hexadecimal number, found '0x'");
}

TEST(PadScriptParse, TimesMustNotGoBackwards) {
  EXPECT_EQ(Bad("at 100\nat 100\nat 99\n"), "line 3: time 99 is before the previous line's 100");
}

TEST(PadScriptParse, SamplesMustFitThePadTheCapsDescribe) {
  EXPECT_EQ(Bad("caps xmin=10 xmax=20\nat 0 x=21\n"),
            "line 2: x=21 is outside the pad's range 10 to 20");
  EXPECT_EQ(Bad("caps ymin=10\nat 0 y=9\n"), "line 2: y=9 is outside the pad's range 10 to 65535");
  EXPECT_EQ(Bad("caps zmax=5\nat 0 z=6\n"), "line 2: z=6 is outside the pad's range 0 to 5");
  EXPECT_EQ(Bad("caps buttons=4\nat 0 buttons=10\n"),
            "line 2: buttons=10 names a button beyond the 4 the pad has");
  EXPECT_EQ(Bad("caps buttons=0\nat 0 buttons=1\n"),
            "line 2: buttons=1 names a button beyond the 0 the pad has");
  EXPECT_EQ(Bad("at 0 pov=36000\n"), "line 1: pov must be 0 to 35999 or 65535 (centred), found 36000");
  EXPECT_EQ(Bad("caps pov=0\nat 0 pov=0\n"),
            "line 2: the pad has no hat ('caps pov=0'), so pov stays centred");
  EXPECT_EQ(Good("caps pov=0\nat 0 pov=65535\n").steps.size(), 1u);
}

TEST(PadScriptParse, CapsLineFaults) {
  EXPECT_EQ(Bad("caps buttons=33\n"), "line 1: a pad has at most 32 buttons");
  EXPECT_EQ(Bad("caps xmin=5 xmax=4\n"), "line 1: an axis minimum is above its maximum");
  EXPECT_EQ(Bad("caps z=2\n"), "line 1: 'z' must be 0 or 1, found '2'");
  EXPECT_EQ(Bad("caps hats=1\n"), "line 1: unknown caps field 'hats'");
  EXPECT_EQ(Bad("caps\ncaps\n"), "line 2: a second 'caps' line");
  EXPECT_EQ(Bad("at 0\ncaps buttons=4\n"), "line 2: 'caps' must come before the first 'at' line");
}

TEST(PadScriptParse, UnplugRules) {
  EXPECT_EQ(Bad("at 0 unplug x=5\n"), "line 1: 'unplug' takes no fields");
  EXPECT_EQ(Bad("at 0 unplug\nat 10 x=5\n"),
            "line 2: the pad is unplugged: 'plug' it before giving a sample");
  EXPECT_EQ(Good("at 0 unplug\nat 5 unplug\nat 10 plug\n").steps.size(), 3u);
}

TEST(PadScriptLoad, MissingFileIsNotFoundAndNamed) {
  PadScript script;
  PadScriptError error;
  EXPECT_EQ(LoadPadScript("/nonexistent/pad.txt", script, error), Status::NotFound);
  EXPECT_EQ(error.line, 0);
  EXPECT_EQ(Describe(error), "cannot open pad script '/nonexistent/pad.txt'");
}

TEST(PadScriptLoad, ReadsAFileLargerThanOneChunk) {
  const std::string path = ::testing::TempDir() + "pad_script_test.txt";
  std::string text = "caps buttons=2\n";
  for (int i = 0; i < 2000; ++i) text += "at " + std::to_string(i * 10) + " buttons=" +
                                          std::to_string(i % 4) + "\n";
  text += "at 20000 x=7 # last\n";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file), text.size());
  std::fclose(file);

  PadScript script;
  PadScriptError error;
  ASSERT_EQ(LoadPadScript(path.c_str(), script, error), Status::Ok) << Describe(error);
  ASSERT_EQ(script.steps.size(), 2001u);
  EXPECT_EQ(script.steps[1999].buttons, 3u);
  EXPECT_EQ(script.steps[2000].x, 7u);

  file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  const char bad[] = "at 0\nat 5 buttons=1000\n";  // button 13 of 12
  ASSERT_EQ(std::fwrite(bad, 1, sizeof bad - 1, file), sizeof bad - 1);
  std::fclose(file);
  EXPECT_EQ(LoadPadScript(path.c_str(), script, error), Status::Failed);
  EXPECT_EQ(error.line, 2);
  std::remove(path.c_str());
}

class ScriptedJoystickTest : public ::testing::Test {
 protected:
  ScriptedJoystick Make(const std::string& text) { return ScriptedJoystick(Good(text), clock); }

  JoyInfoEx Read(ScriptedJoystick& pad, Status expected = Status::Ok) {
    JoyInfoEx sample;
    sample.dwSize = sizeof sample;
    sample.dwFlags = kJoyReturnAll;
    EXPECT_EQ(pad.GetPosEx(0, sample), expected);
    return sample;
  }

  sim::Log log;
  sim::SimTimer clock{log};
};

TEST_F(ScriptedJoystickTest, ClockStartsAtTheFirstQueryAndEachSampleHoldsUntilTheNext) {
  ScriptedJoystick pad = Make(
      "at 100 x=0 buttons=5\n"
      "at 200 x=65535 y=0 buttons=0 pov=18000\n");
  clock.Advance(5000);  // time before the first query does not count
  JoyInfoEx s = Read(pad);
  EXPECT_EQ(s.dwSize, sizeof s);
  EXPECT_EQ(s.dwFlags, kJoyReturnAll);
  EXPECT_EQ(s.dwXpos, kRest);
  EXPECT_EQ(s.dwButtons, 0u);
  EXPECT_EQ(s.dwPOV, kJoyPovCentered);

  clock.Advance(99);
  EXPECT_EQ(Read(pad).dwXpos, kRest);
  clock.Advance(1);
  s = Read(pad);
  EXPECT_EQ(s.dwXpos, 0u);
  EXPECT_EQ(s.dwYpos, kRest);
  EXPECT_EQ(s.dwButtons, 5u);
  EXPECT_EQ(s.dwButtonNumber, 2u);
  clock.Advance(99);
  EXPECT_EQ(Read(pad).dwButtons, 5u);
  clock.Advance(1);
  s = Read(pad);
  EXPECT_EQ(s.dwXpos, 65535u);
  EXPECT_EQ(s.dwYpos, 0u);
  EXPECT_EQ(s.dwButtons, 0u);
  EXPECT_EQ(s.dwButtonNumber, 0u);
  EXPECT_EQ(s.dwPOV, 18000u);
  clock.Advance(100000);  // the last sample holds for good
  EXPECT_EQ(Read(pad).dwXpos, 65535u);
}

TEST_F(ScriptedJoystickTest, CapsQueryAlsoStartsTheClock) {
  ScriptedJoystick pad = Make("caps buttons=6 z=0\nat 50 x=1\n");
  JoyCaps caps;
  ASSERT_EQ(pad.GetCaps(0, caps), Status::Ok);
  EXPECT_EQ(caps.numButtons, 6u);
  EXPECT_EQ(caps.caps, kJoyCapsHasPov);
  EXPECT_EQ(caps.xMax, 65535u);
  clock.Advance(50);
  EXPECT_EQ(Read(pad).dwXpos, 1u);
}

TEST_F(ScriptedJoystickTest, SeveralStepsAtOneTimeTheLastWins) {
  ScriptedJoystick pad = Make("at 0 buttons=1\nat 0 buttons=2\nat 10 buttons=4\n");
  EXPECT_EQ(Read(pad).dwButtons, 2u);
  EXPECT_EQ(pad.StepAt(9).buttons, 2u);
  EXPECT_EQ(pad.StepAt(10).buttons, 4u);
}

TEST_F(ScriptedJoystickTest, UnpluggedPadFailsBothQueriesUntilPluggedBack) {
  ScriptedJoystick pad = Make("at 0 x=10\nat 20 unplug\nat 40 plug y=3\n");
  JoyCaps caps;
  EXPECT_EQ(pad.GetCaps(0, caps), Status::Ok);
  clock.Advance(20);
  EXPECT_EQ(pad.GetCaps(0, caps), Status::NotFound);
  Read(pad, Status::NotFound);
  clock.Advance(20);
  EXPECT_EQ(pad.GetCaps(0, caps), Status::Ok);
  const JoyInfoEx s = Read(pad);
  EXPECT_EQ(s.dwXpos, 10u);
  EXPECT_EQ(s.dwYpos, 3u);
}

TEST_F(ScriptedJoystickTest, OnlyTheScriptedPortHasAPad) {
  ScriptedJoystick pad = Make("caps port=1\n");
  JoyCaps caps;
  JoyInfoEx sample;
  EXPECT_EQ(pad.GetCaps(0, caps), Status::NotFound);
  EXPECT_EQ(pad.GetPosEx(0, sample), Status::NotFound);
  EXPECT_EQ(pad.GetCaps(1, caps), Status::Ok);
  EXPECT_EQ(pad.GetPosEx(1, sample), Status::Ok);
  EXPECT_EQ(pad.GetCaps(16, caps), Status::NotFound);
}

TEST_F(ScriptedJoystickTest, ScriptTimeRunsOnAcrossTheClocksWrap) {
  clock.SetNow(0xFFFFFFFFu - 10);
  ScriptedJoystick pad = Make("at 20 x=5\n");
  EXPECT_EQ(Read(pad).dwXpos, kRest);
  clock.Advance(19);
  EXPECT_EQ(Read(pad).dwXpos, kRest);
  clock.Advance(1);
  EXPECT_EQ(clock.Now(), 9u);
  EXPECT_EQ(Read(pad).dwXpos, 5u);
}

}  // namespace
}  // namespace qv
