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
  if (sikii <= 0) return 0;
  const std::uint32_t half = (max - min) / 2;
  const std::uint32_t widest = half > 0 ? half - 1 : 0;
  const auto margin = static_cast<std::uint32_t>(sikii);
  return margin < widest ? margin : widest;
}

// An axis that never counts as pushed; its limits take in every position,
// so that the hat's test also finds it centred.
void NeverPushed(std::uint32_t& low, std::uint32_t& high, std::int32_t& usable) {
  low = 0;
  high = 0xFFFFFFFFu;
  usable = 0;
}

// The limits of one axis. A range the driver reports inverted, or less than
// two units wide, leaves no place for a resting stick between the limits,
// so such an axis is never taken as pushed (turning an inverted range round
// would guess at what the driver meant).
void DeriveAxis(std::uint32_t min, std::uint32_t max, std::int32_t sikii, std::uint32_t& low,
                std::uint32_t& high, std::int32_t& usable) {
  if (max < min || max - min < 2) {
    NeverPushed(low, high, usable);
    return;
  }
  const std::uint32_t margin = Margin(sikii, min, max);
  low = min + margin;
  high = max - margin;
  usable = 1;
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
    DeriveAxis(joy.xMin, joy.xMax, settings.Sikii, caps.LeftLimit, caps.RightLimit, caps.XUsable);
    DeriveAxis(joy.yMin, joy.yMax, settings.Sikii, caps.UpLimit, caps.DownLimit, caps.YUsable);
    caps.HasZ = (joy.caps & kJoyCapsHasZ) ? 1 : 0;
    caps.HasPOV = (joy.caps & kJoyCapsHasPov) ? 1 : 0;
    if (!caps.HasZ) settings.Zaxis = 0;
  } else {
    // No pad there: no button fires and no stick position counts as pushed.
    // The throttle option is kept as stored: this pad's real capabilities
    // are unknown, and a pad missing at start-up should not cost the user
    // the option.
    caps.ButtonCount = 0;
    NeverPushed(caps.LeftLimit, caps.RightLimit, caps.XUsable);
    NeverPushed(caps.UpLimit, caps.DownLimit, caps.YUsable);
    caps.HasZ = 0;
    caps.HasPOV = 0;
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
