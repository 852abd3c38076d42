// Other programs' windows, messages and the pointer position through user32.
#pragma once

#include "platform/window_system.h"

namespace qv {

class Win32WindowSystem final : public WindowSystem {
 public:
  Status GetCursorPos(Point& where) override;
  WindowHandle WindowFromPoint(Point where) override;
  Status ScreenToClient(WindowHandle window, Point& where) override;
  LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                      LParam lParam) override;
  Status SendMessageTimeout(WindowHandle window, std::uint32_t message, WParam wParam,
                            LParam lParam, std::uint32_t timeoutMs) override;
  Status PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                   LParam lParam) override;
  WindowHandle FindWindowByClass(const char* className) override;
  WindowHandle FirstChild(WindowHandle window) override;
  void SetForegroundWindow(WindowHandle window) override;
  WindowHandle DesktopWindow() override;
};

}  // namespace qv
