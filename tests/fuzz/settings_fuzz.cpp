// The settings record loaded from a profile of hand-edited values: any type,
// any length, any bytes. Every text of the loaded record is the stored
// string cut to 259 bytes at a character boundary (or empty when the value
// is not a string), and ticks run on whatever numbers were stored.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/sim/sim_platform.h"
#include "platform/text.h"
#include "product/product.h"
#include "tests/engine/quiet_host.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using qv::fuzz::FuzzInput;

struct Entry {
  const char* section;
  const char* name;
  bool perSlot;
};

// Every entry of the profile, with the members that hold text.
constexpr Entry kEntries[] = {
    {"Buttons", "PortID", false},  {"Buttons", "GSpeed", false},  {"Buttons", "NSpeed", false},
    {"Buttons", "Speed", false},   {"Buttons", "Delay", false},   {"Buttons", "Sikii", false},
    {"Buttons", "Zaxis", false},   {"Buttons", "Button", true},   {"SoundOn", "Cursol", false},
    {"SoundOff", "Cursol", false}, {"SoundOn", "CursolFile", false},
    {"SoundOff", "CursolFile", false}, {"SoundOn", "Button", true}, {"SoundOff", "Button", true},
    {"AP", "Button", true},        {"SoundOn", "File", true},     {"SoundOff", "File", true},
    {"Char", "Key", true},         {"Code", "Key", true},
};
constexpr std::uint32_t kEntryCount = sizeof kEntries / sizeof kEntries[0];
// The entries above whose values load into text members.
constexpr std::size_t kCursorSoundOnFile = 10;
constexpr std::size_t kCursorSoundOffFile = 11;
constexpr std::size_t kAppPath = 14;
constexpr std::size_t kPressSoundFile = 15;
constexpr std::size_t kReleaseSoundFile = 16;

std::string NameOf(const Entry& entry, int slot) {
  char name[16];
  if (entry.perSlot)
    std::snprintf(name, sizeof name, "%s%02d", entry.name, slot + 1);
  else
    std::snprintf(name, sizeof name, "%s", entry.name);
  return name;
}

std::string KeyOf(const char* section) { return std::string(qv::kProfileRoot) + "\\" + section; }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Stored {
  qv::RegType type;
  std::vector<std::uint8_t> bytes;
};
using Profile = std::map<std::string, Stored>;  // by lower-case "section\name"

// A value of any type and size; long ones mostly repeat a short pattern, so
// that short inputs reach past every buffer.
Stored MakeValue(FuzzInput& in) {
  static constexpr qv::RegType kTypes[] = {qv::RegType::String, qv::RegType::Dword,
                                           qv::RegType::Binary, qv::RegType::ExpandString,
                                           qv::RegType::None};
  Stored value{kTypes[in.Below(5)], {}};
  const std::size_t length = in.Byte() % 2 ? in.Below(8) : 250 + in.Below(30) + 300 * in.Below(3);
  const std::string pattern = in.Bytes(1 + in.Below(8));
  for (std::size_t i = 0; i < length; ++i)
    value.bytes.push_back(pattern.empty() ? 0x81 : static_cast<std::uint8_t>(pattern[i % pattern.size()]));
  return value;
}

// What a text member must hold after loading `stored`: the stored string up
// to its first zero, cut as the text helpers cut (their own fuzz target
// holds them to the character boundaries), so that the loader is checked
// against that contract rather than against a second copy of the cut.
std::string Expected(const Profile& profile, const Entry& entry, int slot) {
  const auto found = profile.find(Lower(std::string(entry.section) + "\\" + NameOf(entry, slot)));
  if (found == profile.end() || found->second.type != qv::RegType::String) return "";
  const std::vector<std::uint8_t>& bytes = found->second.bytes;
  std::string text(bytes.begin(), bytes.end());
  text = text.c_str();
  return text.substr(0, qv::ShiftJisPrefixLength(text.data(), text.size(), qv::kTextCapacity - 1));
}

void CheckText(const char (&text)[qv::kTextCapacity], const std::string& expected) {
  const void* terminator = std::memchr(text, '\0', qv::kTextCapacity);
  QV_FUZZ_CHECK(terminator != nullptr);
  QV_FUZZ_CHECK(std::string(text) == expected);
}

void CheckTexts(const qv::PadSettings& s, const Profile& profile) {
  CheckText(s.CursorSoundOnFile, Expected(profile, kEntries[kCursorSoundOnFile], 0));
  CheckText(s.CursorSoundOffFile, Expected(profile, kEntries[kCursorSoundOffFile], 0));
  for (int slot = 0; slot < qv::BUTTON_SLOTS; ++slot) {
    CheckText(s.AppPath[slot], Expected(profile, kEntries[kAppPath], slot));
    CheckText(s.PressSoundFile[slot], Expected(profile, kEntries[kPressSoundFile], slot));
    CheckText(s.ReleaseSoundFile[slot], Expected(profile, kEntries[kReleaseSoundFile], slot));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  // One simulated platform for all runs (its log alone is megabytes), with
  // a registry, a pad and a clock of each run's own.
  static qv::sim::SimPlatform sim;
  sim.log.Clear();
  qv::sim::SimRegistry registry;
  qv::sim::SimJoystick joystick;
  qv::sim::SimTimer timer(sim.log);
  qv::Platform platform{joystick, timer, sim.sound, sim.input, sim.windows, sim.menus,
                        sim.shell, registry, sim.process, sim.files, sim.dialogs};
  qv::test::QuietHost host;
  qv::Engine engine(platform, host);
  Profile profile;
  const std::uint32_t values = in.Below(64);
  for (std::uint32_t v = 0; v < values && !in.Empty(); ++v) {
    const Entry& entry = kEntries[in.Below(kEntryCount)];
    const int slot = entry.perSlot ? static_cast<int>(in.Below(qv::BUTTON_SLOTS)) : 0;
    const Stored value = MakeValue(in);
    const std::string name = NameOf(entry, slot);
    registry.Put(qv::Hive::CurrentUser, KeyOf(entry.section), name, value.type, value.bytes);
    profile[Lower(std::string(entry.section) + "\\" + name)] = value;
  }
  engine.ResetMotion();
  engine.ResetButtonTables();
  engine.LoadSettings();
  CheckTexts(engine.settings, profile);

  // Ticks on the stored numbers, the stick and buttons as the rest of the input says.
  engine.DeriveCaps();
  if (engine.StartPolling() == 0) return 0;
  constexpr std::uint32_t kPollPeriodMs = 10;
  constexpr std::uint32_t kAxisMax = qv::sim::SimJoystick::kAxisMax;
  for (int tick = 0; tick < 24 && !in.Empty(); ++tick) {
    joystick.SetStick(in.Word() % (kAxisMax + 1), in.Word() % (kAxisMax + 1));
    joystick.SetButtons(in.Word());
    timer.Advance(kPollPeriodMs);
  }
  engine.StopPolling();
  return 0;
}
