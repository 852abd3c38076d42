// The values derived from the pad's capabilities and the settings: the
// trigger limits, the button count, the throttle and hat, the stick masks.
#include <cstdint>

#include "engine/engine.h"
#include "platform/constants.h"

namespace qv {
namespace {

// The trigger margin actually used on one axis. A negative margin counts as
// none, and a margin reaching past the middle of the axis is narrowed so the
// two limits never cross (or wrap around): a centred stick must never count
// as pushed, or the pointer would drift with no way to stop it.
std::uint32_t Margin(std::int32_t sikii, std::uint32_t min, std::uint32_t max) {
  if (sikii <= 0 || max <= min) return 0;
  const std::uint32_t half = (max - min) / 2;
  const std::uint32_t widest = half > 0 ? half - 1 : 0;
  const auto margin = static_cast<std::uint32_t>(sikii);
  return margin < widest ? margin : widest;
}

}  // namespace

void Engine::DeriveCaps() {
  JoyCaps joy;
  const bool known =
      settings.PortID >= 0 &&
      platform_.joystick.GetCaps(static_cast<std::uint32_t>(settings.PortID), joy) == Status::Ok;

  if (known) {
    caps.ButtonCount = joy.numButtons > static_cast<std::uint32_t>(BUTTON_SLOTS)
                           ? BUTTON_SLOTS
                           : static_cast<std::int32_t>(joy.numButtons);
    const std::uint32_t mx = Margin(settings.Sikii, joy.xMin, joy.xMax);
    const std::uint32_t my = Margin(settings.Sikii, joy.yMin, joy.yMax);
    caps.LeftLimit = joy.xMin + mx;
    caps.RightLimit = joy.xMax - mx;
    caps.UpLimit = joy.yMin + my;
    caps.DownLimit = joy.yMax - my;
    caps.HasZ = (joy.caps & kJoyCapsHasZ) ? 1 : 0;
    caps.HasPOV = (joy.caps & kJoyCapsHasPov) ? 1 : 0;
    if (!caps.HasZ) settings.Zaxis = 0;
    caps.NoPad = 0;
  } else {
    // No pad there: no button fires and, through NoPad, no stick position
    // counts as pushed (the limits alone would still let X = 0 count as
    // left). The throttle option is kept as stored: this pad's real
    // capabilities are unknown, and a pad missing at start-up should not
    // cost the user the option.
    caps.ButtonCount = 0;
    caps.LeftLimit = 0;
    caps.RightLimit = 0xFFFFFFFFu;
    caps.UpLimit = 0;
    caps.DownLimit = 0xFFFFFFFFu;
    caps.HasZ = 0;
    caps.HasPOV = 0;
    caps.NoPad = 1;
  }

  masks = StickMasks{};
  for (int slot = 0; slot < BUTTON_SLOTS; ++slot) {
    const std::uint32_t bit = 1u << slot;
    const std::uint32_t flags = settings.ButtonFlags[slot];
    if (flags & BA_WHEEL_STICK) masks.WheelStickMask |= bit;
    if (flags & BA_ACCEL) masks.AccelMask |= bit;
    if (flags & BA_DECEL) masks.DecelMask |= bit;
  }
}

}  // namespace qv
