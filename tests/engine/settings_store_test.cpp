// The settings record's profile: defaults, where each entry lives, what a
// bad stored value gives, how long text is cut, and the order of writing.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace qv::test {
namespace {

using ::testing::ElementsAreArray;

const std::string kRoot = "Software\\Nerrow Lab\\Quorvantix";

std::string Sec(const char* section) { return kRoot + "\\" + section; }
std::string Num(const char* prefix, int slot) {
  char name[16];
  std::snprintf(name, sizeof name, "%s%02d", prefix, slot + 1);
  return name;
}

void ExpectSameSettings(const PadSettings& a, const PadSettings& b) {
  EXPECT_EQ(a.PortID, b.PortID);
  EXPECT_EQ(a.GSpeed, b.GSpeed);
  EXPECT_EQ(a.NSpeed, b.NSpeed);
  EXPECT_EQ(a.Speed, b.Speed);
  EXPECT_EQ(a.Delay, b.Delay);
  EXPECT_EQ(a.Sikii, b.Sikii);
  EXPECT_EQ(a.Zaxis, b.Zaxis);
  EXPECT_EQ(a.CursorSoundOn, b.CursorSoundOn);
  EXPECT_EQ(a.CursorSoundOff, b.CursorSoundOff);
  EXPECT_STREQ(a.CursorSoundOnFile, b.CursorSoundOnFile);
  EXPECT_STREQ(a.CursorSoundOffFile, b.CursorSoundOffFile);
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i));
    EXPECT_EQ(a.ButtonFlags[i], b.ButtonFlags[i]);
    EXPECT_EQ(a.KeyChar[i], b.KeyChar[i]);
    EXPECT_EQ(a.KeyCode[i], b.KeyCode[i]);
    EXPECT_EQ(a.PressSound[i], b.PressSound[i]);
    EXPECT_EQ(a.ReleaseSound[i], b.ReleaseSound[i]);
    EXPECT_STREQ(a.PressSoundFile[i], b.PressSoundFile[i]);
    EXPECT_STREQ(a.ReleaseSoundFile[i], b.ReleaseSoundFile[i]);
    EXPECT_STREQ(a.AppPath[i], b.AppPath[i]);
  }
}

// Where FillDistinct puts a slot's number in its flags word: among the
// extension bits, so that every slot's word differs.
constexpr int kSlotNumberShift = 16;

// Every field different from its default, so that a load must set each one.
void FillDistinct(PadSettings& s) {
  s.PortID = 3;
  s.GSpeed = 9;
  s.NSpeed = 7;
  s.Speed = 60;
  s.Delay = 500;
  s.Sikii = 12000;
  s.Zaxis = 1;
  s.CursorSoundOn = 1;
  s.CursorSoundOff = 1;
  CopyText(s.CursorSoundOnFile, "C:\\Sounds\\on.wav");
  CopyText(s.CursorSoundOffFile, "C:\\Sounds\\off.wav");
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    s.ButtonFlags[i] = BA_KEY | (static_cast<std::uint32_t>(i) << kSlotNumberShift);
    s.KeyChar[i] = static_cast<std::uint8_t>(0x41 + i);
    s.KeyCode[i] = static_cast<std::uint8_t>(0x80 + i);
    s.PressSound[i] = i % 2;
    s.ReleaseSound[i] = 1 - i % 2;
    CopyText(s.PressSoundFile[i], ("press" + std::to_string(i) + ".wav").c_str());
    CopyText(s.ReleaseSoundFile[i], ("release" + std::to_string(i) + ".wav").c_str());
    CopyText(s.AppPath[i], ("C:\\Apps\\app" + std::to_string(i) + ".exe").c_str());
  }
}

TEST(SettingsLoad, EmptyProfileGivesExactDefaults) {
  EngineRig rig;
  FillDistinct(rig.engine.settings);
  rig.engine.LoadSettings();

  PadSettings expected;
  const std::uint32_t defaults[] = {
      BA_LEFT,     BA_RIGHT,      BA_LEFT | BX_DOUBLE,    BA_ACCEL,
      BA_WHEEL_UP, BA_WHEEL_DOWN, BA_WHEEL_UP | BX_SHIFT, BA_WHEEL_DOWN | BX_SHIFT,
  };
  int slot = 0;
  for (const std::uint32_t flags : defaults) expected.ButtonFlags[slot++] = flags;
  EXPECT_EQ(expected.PortID, 0);
  EXPECT_EQ(expected.GSpeed, 4);
  EXPECT_EQ(expected.NSpeed, 1);
  EXPECT_EQ(expected.Speed, 20);
  EXPECT_EQ(expected.Delay, 300);
  EXPECT_EQ(expected.Sikii, 3000);
  ExpectSameSettings(rig.engine.settings, expected);
}

TEST(SettingsLoad, FailingRegistryGivesDefaults) {
  EngineRig rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, Sec("Buttons"), "GSpeed", 11);
  rig.sim.registry.failAll = true;
  FillDistinct(rig.engine.settings);
  rig.engine.LoadSettings();
  EXPECT_EQ(rig.engine.settings.GSpeed, 4);
  EXPECT_EQ(rig.engine.settings.ButtonFlags[2], BA_LEFT | BX_DOUBLE);
  EXPECT_STREQ(rig.engine.settings.AppPath[0], "");
}

TEST(SettingsLoad, ReadsEachEntryFromItsSectionAndName) {
  EngineRig rig;
  auto& reg = rig.sim.registry;
  const Hive cu = Hive::CurrentUser;
  reg.PutDword(cu, Sec("Buttons"), "PortID", 2);
  reg.PutDword(cu, Sec("Buttons"), "GSpeed", 8);
  reg.PutDword(cu, Sec("Buttons"), "NSpeed", 5);
  reg.PutDword(cu, Sec("Buttons"), "Speed", 70);
  reg.PutDword(cu, Sec("Buttons"), "Delay", 100);
  reg.PutDword(cu, Sec("Buttons"), "Sikii", 9000);
  reg.PutDword(cu, Sec("Buttons"), "Zaxis", 1);
  reg.PutDword(cu, Sec("SoundOn"), "Cursol", 1);
  reg.PutDword(cu, Sec("SoundOff"), "Cursol", 1);
  reg.PutString(cu, Sec("SoundOn"), "CursolFile", "go.wav");
  reg.PutString(cu, Sec("SoundOff"), "CursolFile", "halt.wav");
  // Slot 0, a first-eight slot, and slot 31, past them.
  reg.PutDword(cu, Sec("Buttons"), "Button01", BA_KEY);
  reg.PutDword(cu, Sec("Buttons"), "Button32", BA_FAVORITES | BX_CTRL);
  reg.PutDword(cu, Sec("SoundOn"), "Button32", 1);
  reg.PutDword(cu, Sec("SoundOff"), "Button01", 1);
  reg.PutString(cu, Sec("SoundOn"), "File32", "p32.wav");
  reg.PutString(cu, Sec("SoundOff"), "File01", "r01.wav");
  reg.PutString(cu, Sec("AP"), "Button10", "C:\\Apps\\ten.exe");
  reg.PutDword(cu, Sec("Char"), "Key32", 0x5A);
  reg.PutDword(cu, Sec("Code"), "Key32", 0x2C);
  // Entries in the wrong section are not picked up.
  reg.PutDword(cu, Sec("SoundOn"), "Button10", 0);
  reg.PutDword(cu, Sec("Buttons"), "Key05", 0x51);

  rig.engine.LoadSettings();
  const PadSettings& s = rig.engine.settings;
  EXPECT_EQ(s.PortID, 2);
  EXPECT_EQ(s.GSpeed, 8);
  EXPECT_EQ(s.NSpeed, 5);
  EXPECT_EQ(s.Speed, 70);
  EXPECT_EQ(s.Delay, 100);
  EXPECT_EQ(s.Sikii, 9000);
  EXPECT_EQ(s.Zaxis, 1);
  EXPECT_EQ(s.CursorSoundOn, 1);
  EXPECT_EQ(s.CursorSoundOff, 1);
  EXPECT_STREQ(s.CursorSoundOnFile, "go.wav");
  EXPECT_STREQ(s.CursorSoundOffFile, "halt.wav");
  EXPECT_EQ(s.ButtonFlags[0], BA_KEY);
  EXPECT_EQ(s.ButtonFlags[1], BA_RIGHT);  // others keep their defaults
  EXPECT_EQ(s.ButtonFlags[31], BA_FAVORITES | BX_CTRL);
  EXPECT_EQ(s.PressSound[31], 1);
  EXPECT_EQ(s.PressSound[0], 0);
  EXPECT_EQ(s.ReleaseSound[0], 1);
  EXPECT_STREQ(s.PressSoundFile[31], "p32.wav");
  EXPECT_STREQ(s.ReleaseSoundFile[0], "r01.wav");
  EXPECT_STREQ(s.AppPath[9], "C:\\Apps\\ten.exe");
  EXPECT_EQ(s.KeyChar[31], 0x5A);
  EXPECT_EQ(s.KeyCode[31], 0x2C);
  EXPECT_EQ(s.KeyChar[4], 0);
}

TEST(SettingsLoad, StoredIntegersAreTakenWithoutRangeChecks) {
  EngineRig rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, Sec("Buttons"), "Delay", 0xFFFFFFFFu);
  rig.sim.registry.PutDword(Hive::CurrentUser, Sec("Buttons"), "GSpeed", 99);
  rig.engine.LoadSettings();
  EXPECT_EQ(rig.engine.settings.Delay, -1);
  EXPECT_EQ(rig.engine.settings.GSpeed, 99);
}

TEST(SettingsLoad, WrongRegistryTypeGivesTheDefault) {
  EngineRig rig;
  auto& reg = rig.sim.registry;
  const Hive cu = Hive::CurrentUser;
  reg.PutString(cu, Sec("Buttons"), "GSpeed", "9");
  reg.Put(cu, Sec("Buttons"), "Delay", RegType::Binary, {0x64, 0, 0, 0});
  reg.Put(cu, Sec("Buttons"), "Button03", RegType::Binary, {0x02, 0, 0, 0});
  reg.PutDword(cu, Sec("AP"), "Button01", 0x41);
  reg.PutDword(cu, Sec("SoundOn"), "CursolFile", 7);
  FillDistinct(rig.engine.settings);
  rig.engine.LoadSettings();
  EXPECT_EQ(rig.engine.settings.GSpeed, 4);
  EXPECT_EQ(rig.engine.settings.Delay, 300);
  EXPECT_EQ(rig.engine.settings.ButtonFlags[2], BA_LEFT | BX_DOUBLE);
  EXPECT_STREQ(rig.engine.settings.AppPath[0], "");
  EXPECT_STREQ(rig.engine.settings.CursorSoundOnFile, "");
}

TEST(SettingsLoad, KeyValuesKeepTheirLowByte) {
  EngineRig rig;
  rig.sim.registry.PutDword(Hive::CurrentUser, Sec("Char"), "Key01", 0x141);
  rig.sim.registry.PutDword(Hive::CurrentUser, Sec("Code"), "Key01", 0x12345678);
  rig.engine.LoadSettings();
  EXPECT_EQ(rig.engine.settings.KeyChar[0], 0x41);
  EXPECT_EQ(rig.engine.settings.KeyCode[0], 0x78);
}

TEST(SettingsLoad, LongTextIsCutToFitWithoutSplittingACharacter) {
  EngineRig rig;
  const Hive cu = Hive::CurrentUser;
  // 300 single-byte characters: the first 259 are kept.
  const std::string ascii(300, 'a');
  // 258 single bytes and a double-byte character that would end at byte 260.
  const std::string split = std::string(258, 'b') + "\x82\xA0" + "cc";
  rig.sim.registry.PutString(cu, Sec("AP"), "Button01", ascii);
  rig.sim.registry.PutString(cu, Sec("SoundOff"), "CursolFile", split);
  rig.sim.registry.PutString(cu, Sec("SoundOff"), "File32", ascii);
  rig.engine.LoadSettings();
  const PadSettings& s = rig.engine.settings;
  EXPECT_EQ(std::string(s.AppPath[0]), std::string(259, 'a'));
  EXPECT_EQ(std::string(s.CursorSoundOffFile), std::string(258, 'b'));
  EXPECT_EQ(std::string(s.ReleaseSoundFile[31]), std::string(259, 'a'));
  // Neighbouring fields are untouched.
  EXPECT_STREQ(s.AppPath[1], "");
  EXPECT_EQ(s.ButtonFlags[0], BA_LEFT);
  EXPECT_STREQ(s.AppPath[31], "");
}

TEST(SettingsLoad, TextOfExactlyTheBufferSizeIsKeptWhole) {
  EngineRig rig;
  const std::string full = std::string(257, 'x') + "\x83\x41";  // 259 bytes
  rig.sim.registry.PutString(Hive::CurrentUser, Sec("SoundOn"), "File05", full);
  rig.engine.LoadSettings();
  EXPECT_EQ(std::string(rig.engine.settings.PressSoundFile[4]), full);
}

std::vector<std::string> ExpectedReadOrder() {
  std::vector<std::string> r;
  for (const char* e : {"PortID", "GSpeed", "NSpeed", "Speed", "Delay", "Sikii", "Zaxis"})
    r.push_back(Sec("Buttons") + "\\" + e);
  for (int i = 0; i < BUTTON_SLOTS; ++i) r.push_back(Sec("Buttons") + "\\" + Num("Button", i));
  r.push_back(Sec("SoundOn") + "\\Cursol");
  r.push_back(Sec("SoundOff") + "\\Cursol");
  r.push_back(Sec("SoundOn") + "\\CursolFile");
  r.push_back(Sec("SoundOff") + "\\CursolFile");
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    for (const char* section : {"SoundOn", "SoundOff", "AP"})
      r.push_back(Sec(section) + "\\" + Num("Button", i));
    r.push_back(Sec("SoundOn") + "\\" + Num("File", i));
    r.push_back(Sec("SoundOff") + "\\" + Num("File", i));
    r.push_back(Sec("Char") + "\\" + Num("Key", i));
    r.push_back(Sec("Code") + "\\" + Num("Key", i));
  }
  return r;
}

TEST(SettingsLoad, ReadsEveryEntryInItsOrder) {
  EngineRig rig;
  rig.engine.LoadSettings();
  EXPECT_THAT(rig.sim.registry.reads, ElementsAreArray(ExpectedReadOrder()));
}

std::vector<std::string> ExpectedWriteOrder() {
  std::vector<std::string> w;
  for (const char* e : {"PortID", "GSpeed", "NSpeed", "Speed", "Delay", "Sikii", "Zaxis"})
    w.push_back(Sec("Buttons") + "\\" + e);
  w.push_back(Sec("SoundOn") + "\\Cursol");
  w.push_back(Sec("SoundOff") + "\\Cursol");
  w.push_back(Sec("SoundOn") + "\\CursolFile");
  w.push_back(Sec("SoundOff") + "\\CursolFile");
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    for (const char* section : {"Buttons", "AP", "SoundOn", "SoundOff"})
      w.push_back(Sec(section) + "\\" + Num("Button", i));
    w.push_back(Sec("SoundOn") + "\\" + Num("File", i));
    w.push_back(Sec("SoundOff") + "\\" + Num("File", i));
    w.push_back(Sec("Char") + "\\" + Num("Key", i));
    w.push_back(Sec("Code") + "\\" + Num("Key", i));
  }
  return w;
}

TEST(SettingsSave, WritesEveryEntryInOrderWithItsType) {
  EngineRig rig;
  FillDistinct(rig.engine.settings);
  rig.sim.joystick.Caps().numButtons = 4;  // all 32 slots are written anyway
  rig.engine.DeriveCaps();
  rig.engine.settings.Zaxis = 1;
  rig.engine.SaveSettings();
  EXPECT_THAT(rig.sim.registry.writes, ElementsAreArray(ExpectedWriteOrder()));

  auto& reg = rig.sim.registry;
  const Hive cu = Hive::CurrentUser;
  for (const char* e : {"PortID", "GSpeed", "NSpeed", "Speed", "Delay", "Sikii", "Zaxis"})
    EXPECT_EQ(reg.TypeOf(cu, Sec("Buttons"), e), RegType::Dword) << e;
  EXPECT_EQ(reg.TypeOf(cu, Sec("SoundOn"), "Cursol"), RegType::Dword);
  EXPECT_EQ(reg.TypeOf(cu, Sec("SoundOff"), "CursolFile"), RegType::String);
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i));
    EXPECT_EQ(reg.TypeOf(cu, Sec("Buttons"), Num("Button", i)), RegType::Dword);
    EXPECT_EQ(reg.TypeOf(cu, Sec("AP"), Num("Button", i)), RegType::String);
    EXPECT_EQ(reg.TypeOf(cu, Sec("SoundOn"), Num("Button", i)), RegType::Dword);
    EXPECT_EQ(reg.TypeOf(cu, Sec("SoundOff"), Num("File", i)), RegType::String);
    EXPECT_EQ(reg.TypeOf(cu, Sec("Char"), Num("Key", i)), RegType::Dword);
    EXPECT_EQ(reg.TypeOf(cu, Sec("Code"), Num("Key", i)), RegType::Dword);
  }
  EXPECT_EQ(reg.Dword(cu, Sec("Buttons"), "Speed"), 60u);
  EXPECT_EQ(reg.Dword(cu, Sec("Buttons"), "Button32"), BA_KEY | (31u << kSlotNumberShift));
  EXPECT_EQ(reg.Dword(cu, Sec("Char"), "Key02"), 0x42u);
  EXPECT_EQ(reg.String(cu, Sec("AP"), "Button07"), "C:\\Apps\\app6.exe");
  EXPECT_EQ(reg.String(cu, Sec("SoundOn"), "CursolFile"), "C:\\Sounds\\on.wav");
}

TEST(SettingsSave, FailedWritesAreIgnored) {
  EngineRig rig;
  rig.sim.registry.failAll = true;
  rig.engine.SaveSettings();
  EXPECT_EQ(rig.sim.registry.writes.size(), ExpectedWriteOrder().size());
  EXPECT_EQ(rig.sim.registry.ValueCount(), 0);
}

TEST(SettingsSave, LoadingWhatWasSavedGivesTheSameRecord) {
  EngineRig rig;
  FillDistinct(rig.engine.settings);
  // Text at the limit, with double-byte characters, survives as it is.
  CopyText(rig.engine.settings.AppPath[5], (std::string(255, 'p') + "\x93\xFA\x96\x7B").c_str());
  const PadSettings saved = rig.engine.settings;
  rig.engine.SaveSettings();

  rig.engine.settings = PadSettings{};
  rig.engine.LoadSettings();
  ExpectSameSettings(rig.engine.settings, saved);
}

}  // namespace
}  // namespace qv::test
