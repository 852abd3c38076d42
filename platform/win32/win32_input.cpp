// SendInput and GetAsyncKeyState behind the Input port.
#include "platform/win32/win32_input.h"

#include "platform/win32/win32_api.h"

namespace qv {

void Win32Input::SendMouse(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                           std::int32_t data) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  // The wheel amount is signed but travels in a DWORD (-120 is a notch down).
  input.mi.mouseData = static_cast<DWORD>(data);
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

void Win32Input::SendKey(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

std::int16_t Win32Input::AsyncKeyState(std::uint8_t vk) { return ::GetAsyncKeyState(vk); }

}  // namespace qv
