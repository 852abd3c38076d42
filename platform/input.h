// Port: synthesised mouse and keyboard input, and the key state.
#pragma once

#include <cstdint>

#include "platform/port.h"

namespace qv {

class Input : public Port {
 public:
  // One mouse input record: kMouse* flags, relative movement, wheel data.
  virtual void SendMouse(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                         std::int32_t data) = 0;
  // One keyboard input record: virtual key, scan code, kKeyEvent* flags.
  virtual void SendKey(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) = 0;
  // The asynchronous key state: nonzero when down or pressed since the last query.
  virtual std::int16_t AsyncKeyState(std::uint8_t vk) = 0;
};

}  // namespace qv
