// The settings record and the values derived from it and from the pad.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace qv {

inline constexpr int BUTTON_SLOTS = 32;

// Action bits: at most one of these in a button's flags word.
inline constexpr std::uint32_t BA_LEFT = 0x00000001;
inline constexpr std::uint32_t BA_RIGHT = 0x00000002;
inline constexpr std::uint32_t BA_MIDDLE = 0x00000004;
inline constexpr std::uint32_t BA_WHEEL_STICK = 0x00000010;
inline constexpr std::uint32_t BA_WHEEL_UP = 0x00000020;
inline constexpr std::uint32_t BA_WHEEL_DOWN = 0x00000040;
inline constexpr std::uint32_t BA_ACCEL = 0x00000080;
inline constexpr std::uint32_t BA_SCROLL_STICK = 0x00000100;
inline constexpr std::uint32_t BA_ARROW_STICK = 0x00000200;
inline constexpr std::uint32_t BA_DECEL = 0x00000400;
inline constexpr std::uint32_t BA_FAVORITES = 0x00000800;
inline constexpr std::uint32_t BA_LAUNCH = 0x00001000;
inline constexpr std::uint32_t BA_KEY = 0x00002000;
// Extension bits: any combination.
inline constexpr std::uint32_t BX_SHIFT = 0x00010000;
inline constexpr std::uint32_t BX_CTRL = 0x00020000;
inline constexpr std::uint32_t BX_DOUBLE = 0x00040000;
inline constexpr std::uint32_t BX_ALT = 0x00080000;
inline constexpr std::uint32_t BX_HOLD = 0x00100000;

// A new record holds the defaults of a new profile.
struct PadSettings {
  std::int32_t PortID = 0;
  std::int32_t GSpeed = 4;
  std::int32_t NSpeed = 1;
  std::int32_t Speed = 20;
  std::int32_t Delay = 300;
  std::int32_t Sikii = 3000;
  std::int32_t Zaxis = 0;
  std::int32_t CursorSoundOn = 0;
  std::int32_t CursorSoundOff = 0;
  Text CursorSoundOnFile = {};
  Text CursorSoundOffFile = {};

  // A new profile's actions for the eight first slots; the others do nothing.
  std::uint32_t ButtonFlags[BUTTON_SLOTS] = {
      BA_LEFT,     BA_RIGHT,      BA_LEFT | BX_DOUBLE,    BA_ACCEL,
      BA_WHEEL_UP, BA_WHEEL_DOWN, BA_WHEEL_UP | BX_SHIFT, BA_WHEEL_DOWN | BX_SHIFT,
  };
  std::uint8_t KeyChar[BUTTON_SLOTS] = {};
  std::uint8_t KeyCode[BUTTON_SLOTS] = {};
  std::int32_t PressSound[BUTTON_SLOTS] = {};
  std::int32_t ReleaseSound[BUTTON_SLOTS] = {};
  Text PressSoundFile[BUTTON_SLOTS] = {};
  Text ReleaseSoundFile[BUTTON_SLOTS] = {};
  Text AppPath[BUTTON_SLOTS] = {};
};

struct PadCaps {
  std::int32_t ButtonCount = 0;
  std::uint32_t LeftLimit = 0;
  std::uint32_t RightLimit = 0;
  std::uint32_t UpLimit = 0;
  std::uint32_t DownLimit = 0;
  std::int32_t HasZ = 0;
  std::int32_t HasPOV = 0;
  // 0 when no position of the axis may count as pushed: there is no pad,
  // or its range is inverted or under two units wide (no pair of limits
  // could leave a resting stick between them).
  std::int32_t XUsable = 0;
  std::int32_t YUsable = 0;
};

struct StickMasks {
  std::uint32_t WheelStickMask = 0;
  std::uint32_t AccelMask = 0;
  std::uint32_t DecelMask = 0;
};

}  // namespace qv
