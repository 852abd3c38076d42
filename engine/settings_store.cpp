// Loading and saving the settings record in the profile, entry by entry in
// a fixed order.
#include <cstdio>

#include "engine/engine.h"
#include "engine/profile.h"

namespace qv {
namespace {

struct EntryName {
  char text[16];
};

EntryName Numbered(const char* stem, int slot) {
  EntryName name;
  std::snprintf(name.text, sizeof name.text, "%s%02d", stem, slot + 1);
  return name;
}

}  // namespace

void Engine::LoadSettings() {
  Profile profile(platform_.registry);
  PadSettings& s = settings;
  const PadSettings defaults;

  s.PortID = profile.GetInt("Buttons", "PortID", defaults.PortID);
  s.GSpeed = profile.GetInt("Buttons", "GSpeed", defaults.GSpeed);
  s.NSpeed = profile.GetInt("Buttons", "NSpeed", defaults.NSpeed);
  s.Speed = profile.GetInt("Buttons", "Speed", defaults.Speed);
  s.Delay = profile.GetInt("Buttons", "Delay", defaults.Delay);
  s.Sikii = profile.GetInt("Buttons", "Sikii", defaults.Sikii);
  s.Zaxis = profile.GetInt("Buttons", "Zaxis", defaults.Zaxis);
  for (int slot = 0; slot < BUTTON_SLOTS; ++slot) {
    const std::int32_t fallback = slot < 8 ? static_cast<std::int32_t>(kDefaultButtonFlags[slot]) : 0;
    s.ButtonFlags[slot] = static_cast<std::uint32_t>(
        profile.GetInt("Buttons", Numbered("Button", slot).text, fallback));
  }

  s.CursorSoundOn = profile.GetInt("SoundOn", "Cursol", 0);
  s.CursorSoundOff = profile.GetInt("SoundOff", "Cursol", 0);
  profile.GetString("SoundOn", "CursolFile", s.CursorSoundOnFile, kTextCapacity);
  profile.GetString("SoundOff", "CursolFile", s.CursorSoundOffFile, kTextCapacity);

  for (int slot = 0; slot < BUTTON_SLOTS; ++slot) {
    const EntryName button = Numbered("Button", slot);
    const EntryName file = Numbered("File", slot);
    const EntryName key = Numbered("Key", slot);
    s.PressSound[slot] = profile.GetInt("SoundOn", button.text, 0);
    s.ReleaseSound[slot] = profile.GetInt("SoundOff", button.text, 0);
    profile.GetString("AP", button.text, s.AppPath[slot], kTextCapacity);
    profile.GetString("SoundOn", file.text, s.PressSoundFile[slot], kTextCapacity);
    profile.GetString("SoundOff", file.text, s.ReleaseSoundFile[slot], kTextCapacity);
    s.KeyChar[slot] = static_cast<std::uint8_t>(profile.GetInt("Char", key.text, 0) & 0xFF);
    s.KeyCode[slot] = static_cast<std::uint8_t>(profile.GetInt("Code", key.text, 0) & 0xFF);
  }
}

void Engine::SaveSettings() {
  Profile profile(platform_.registry);
  const PadSettings& s = settings;

  profile.WriteInt("Buttons", "PortID", s.PortID);
  profile.WriteInt("Buttons", "GSpeed", s.GSpeed);
  profile.WriteInt("Buttons", "NSpeed", s.NSpeed);
  profile.WriteInt("Buttons", "Speed", s.Speed);
  profile.WriteInt("Buttons", "Delay", s.Delay);
  profile.WriteInt("Buttons", "Sikii", s.Sikii);
  profile.WriteInt("Buttons", "Zaxis", s.Zaxis);
  profile.WriteInt("SoundOn", "Cursol", s.CursorSoundOn);
  profile.WriteInt("SoundOff", "Cursol", s.CursorSoundOff);
  profile.WriteString("SoundOn", "CursolFile", s.CursorSoundOnFile);
  profile.WriteString("SoundOff", "CursolFile", s.CursorSoundOffFile);

  for (int slot = 0; slot < BUTTON_SLOTS; ++slot) {
    const EntryName button = Numbered("Button", slot);
    const EntryName file = Numbered("File", slot);
    const EntryName key = Numbered("Key", slot);
    profile.WriteInt("Buttons", button.text, static_cast<std::int32_t>(s.ButtonFlags[slot]));
    profile.WriteString("AP", button.text, s.AppPath[slot]);
    profile.WriteInt("SoundOn", button.text, s.PressSound[slot]);
    profile.WriteInt("SoundOff", button.text, s.ReleaseSound[slot]);
    profile.WriteString("SoundOn", file.text, s.PressSoundFile[slot]);
    profile.WriteString("SoundOff", file.text, s.ReleaseSoundFile[slot]);
    profile.WriteInt("Char", key.text, s.KeyChar[slot]);
    profile.WriteInt("Code", key.text, s.KeyCode[slot]);
  }
}

}  // namespace qv
