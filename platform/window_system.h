// Port: other programs' windows and messages, the pointer position and
// finding windows. The program's own windows are made by the framework.
#pragma once

#include <cstdint>

#include "platform/port.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

class WindowSystem : public Port {
 public:
  virtual Status GetCursorPos(Point& where) = 0;
  virtual WindowHandle WindowFromPoint(Point where) = 0;
  virtual Status ScreenToClient(WindowHandle window, Point& where) = 0;
  // Synchronous: waits for the receiving window.
  virtual LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                              LParam lParam) = 0;
  // Synchronous too, but waits at most `timeoutMs`, and not at all for a
  // receiver the system counts as hung; Failed when it gave up (the
  // receiver may still handle the message later).
  [[nodiscard]] virtual Status SendMessageTimeout(WindowHandle window, std::uint32_t message,
                                                  WParam wParam, LParam lParam,
                                                  std::uint32_t timeoutMs) = 0;
  virtual Status PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                           LParam lParam) = 0;
  // Top-level window by class name (title not compared); 0 when none.
  virtual WindowHandle FindWindowByClass(const char* className) = 0;
  // First child window; 0 when none.
  virtual WindowHandle FirstChild(WindowHandle window) = 0;
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  virtual WindowHandle DesktopWindow() = 0;
};

}  // namespace qv
