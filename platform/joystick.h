// Port: the game pad, as the multimedia joystick functions see it.
#pragma once

#include <cstdint>

#include "platform/port.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

class Joystick : public Port {
 public:
  // Capabilities of the pad on `port` (0-based). Fails for an empty or
  // out-of-range port.
  virtual Status GetCaps(std::uint32_t port, JoyCaps& caps) = 0;
  // One sample; the caller fills dwSize and dwFlags.
  virtual Status GetPosEx(std::uint32_t port, JoyInfoEx& sample) = 0;
};

}  // namespace qv
