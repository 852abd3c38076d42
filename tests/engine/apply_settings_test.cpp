// Taking an edited copy of the settings into use: the new port's pad
// decides the limits and the throttle option, the record reaches the
// profile, and a profile that cannot be written loses nothing in memory.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/engine/engine_rig.h"

namespace qv {
namespace {

using test::EngineRig;

constexpr const char* kButtons = "Software\\Nerrow Lab\\Quorvantix\\Buttons";
constexpr const char* kApps = "Software\\Nerrow Lab\\Quorvantix\\AP";

PadSettings EditedCopy(const PadSettings& from) {
  PadSettings edited = from;
  edited.PortID = 2;
  edited.Sikii = 1000;
  edited.Zaxis = 1;
  edited.ButtonFlags[9] = BA_KEY | BX_CTRL;
  edited.KeyChar[9] = 0x41;
  edited.KeyCode[9] = 0x1E;
  CopyText(edited.AppPath[3], "C:\\Apps\\edit.exe");
  edited.PressSound[3] = 1;
  return edited;
}

TEST(ApplySettings, ANewPortsPadGivesTheLimitsAtOnceAndTheRecordIsSaved) {
  EngineRig rig;
  rig.Start();
  rig.engine.StopPolling();
  rig.sim.joystick.SetPort(2);
  rig.sim.joystick.Caps().numButtons = 6;
  rig.sim.joystick.Caps().caps = kJoyCapsHasPov;
  rig.engine.ApplySettings(EditedCopy(rig.engine.settings));

  EXPECT_EQ(rig.engine.caps.ButtonCount, 6);
  EXPECT_EQ(rig.engine.caps.LeftLimit, 1000u);
  EXPECT_EQ(rig.engine.caps.RightLimit, 64535u);
  // No Z axis on the new pad: the option is off, and saved so.
  EXPECT_EQ(rig.engine.settings.Zaxis, 0);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtons, "Zaxis"), 0u);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtons, "PortID"), 2u);
  EXPECT_EQ(rig.sim.registry.Dword(Hive::CurrentUser, kButtons, "Button10"), BA_KEY | BX_CTRL);
  EXPECT_EQ(rig.sim.registry.String(Hive::CurrentUser, kApps, "Button04"), "C:\\Apps\\edit.exe");
  EXPECT_EQ(rig.engine.settings.KeyCode[9], 0x1E);
  EXPECT_EQ(rig.engine.settings.PressSound[3], 1);
}

TEST(ApplySettings, AProfileThatRefusesEveryWriteLosesNothingInMemory) {
  EngineRig rig;
  rig.Start();
  rig.engine.StopPolling();
  rig.sim.joystick.SetPort(2);
  rig.sim.joystick.Caps().caps = kJoyCapsHasZ;
  rig.sim.registry.failAll = true;
  const PadSettings edited = EditedCopy(rig.engine.settings);
  rig.engine.ApplySettings(edited);
  rig.sim.registry.failAll = false;

  EXPECT_FALSE(rig.sim.registry.Has(Hive::CurrentUser, kButtons, "PortID"));
  EXPECT_EQ(rig.engine.settings.PortID, 2);
  EXPECT_EQ(rig.engine.settings.ButtonFlags[9], BA_KEY | BX_CTRL);
  EXPECT_STREQ(rig.engine.settings.AppPath[3], "C:\\Apps\\edit.exe");
  EXPECT_EQ(rig.engine.settings.Zaxis, 1);
  EXPECT_EQ(rig.engine.caps.HasZ, 1);
}

}  // namespace
}  // namespace qv
