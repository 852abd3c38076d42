// The game pad through the multimedia joystick functions of winmm.
#pragma once

#include "platform/joystick.h"

namespace qv {

class Win32Joystick final : public Joystick {
 public:
  // The multimedia joystick functions know 16 ports; higher numbers fail
  // here without asking the system.
  static constexpr std::uint32_t kPortCount = 16;

  Status GetCaps(std::uint32_t port, JoyCaps& caps) override;
  Status GetPosEx(std::uint32_t port, JoyInfoEx& sample) override;
};

}  // namespace qv
