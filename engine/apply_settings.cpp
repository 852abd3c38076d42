// The end of an accepted setup cycle: the edited copy taken over, the
// derived values made anew for the port it names, the record saved.
#include <cstring>

#include "engine/engine.h"

namespace qv {
namespace {

template <typename T, std::size_t N>
void CopyArray(T (&target)[N], const T (&source)[N]) {
  std::memcpy(target, source, sizeof target);
}

}  // namespace

void Engine::ApplySettings(const PadSettings& edited) {
  PadSettings& s = settings;
  CopyArray(s.ButtonFlags, edited.ButtonFlags);
  CopyArray(s.KeyChar, edited.KeyChar);
  CopyArray(s.KeyCode, edited.KeyCode);
  s.GSpeed = edited.GSpeed;
  s.Speed = edited.Speed;
  s.NSpeed = edited.NSpeed;
  s.Delay = edited.Delay;
  s.Sikii = edited.Sikii;
  s.Zaxis = edited.Zaxis;
  s.PortID = edited.PortID;

  // May turn the throttle option off for a pad without a Z axis.
  DeriveCaps();

  s.CursorSoundOn = edited.CursorSoundOn;
  s.CursorSoundOff = edited.CursorSoundOff;
  CopyText(s.CursorSoundOnFile, edited.CursorSoundOnFile);
  CopyText(s.CursorSoundOffFile, edited.CursorSoundOffFile);
  CopyArray(s.PressSound, edited.PressSound);
  CopyArray(s.ReleaseSound, edited.ReleaseSound);
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    CopyText(s.AppPath[i], edited.AppPath[i]);
    CopyText(s.PressSoundFile[i], edited.PressSoundFile[i]);
    CopyText(s.ReleaseSoundFile[i], edited.ReleaseSoundFile[i]);
  }

  SaveSettings();
}

}  // namespace qv
