// Synthesised mouse and keyboard input, one SendInput record per call, and
// the asynchronous key state.
#pragma once

#include "platform/input.h"

namespace qv {

class Win32Input final : public Input {
 public:
  void SendMouse(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data) override;
  void SendKey(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
  std::int16_t AsyncKeyState(std::uint8_t vk) override;
};

}  // namespace qv
