// Plain value types shared by the ports: handles as integers, points, and the
// joystick records with the layout the system uses for them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

// Window, menu and icon handles travel through the ports as plain integers so
// that portable code never sees a system type. 0 is "none".
using WindowHandle = std::uintptr_t;
using MenuHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// The extended joystick sample, field for field as the system lays it out
// (13 32-bit words, 52 bytes). The Win32 side checks it against JOYINFOEX.
struct JoyInfoEx {
  std::uint32_t dwSize = 0;
  std::uint32_t dwFlags = 0;
  std::uint32_t dwXpos = 0;
  std::uint32_t dwYpos = 0;
  std::uint32_t dwZpos = 0;
  std::uint32_t dwRpos = 0;
  std::uint32_t dwUpos = 0;
  std::uint32_t dwVpos = 0;
  std::uint32_t dwButtons = 0;
  std::uint32_t dwButtonNumber = 0;
  std::uint32_t dwPOV = 0;
  std::uint32_t dwReserved1 = 0;
  std::uint32_t dwReserved2 = 0;
};
static_assert(sizeof(JoyInfoEx) == 52, "joystick sample must keep the system's layout");

// The part of the joystick capability record that the program reads.
struct JoyCaps {
  std::uint32_t xMin = 0;
  std::uint32_t xMax = 0;
  std::uint32_t yMin = 0;
  std::uint32_t yMax = 0;
  std::uint32_t zMin = 0;
  std::uint32_t zMax = 0;
  std::uint32_t numButtons = 0;
  std::uint32_t caps = 0;  // JOYCAPS_* bits
};

}  // namespace qv
