// user32 window and message functions behind the WindowSystem port. Messages
// go through the W functions: the windows they reach are other programs',
// and the parameters here are numbers, never text.
#include "platform/win32/win32_window_system.h"

#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace qv {

Status Win32WindowSystem::GetCursorPos(Point& where) {
  POINT p{};
  if (!::GetCursorPos(&p)) return Status::Failed;
  where.x = p.x;
  where.y = p.y;
  return Status::Ok;
}

WindowHandle Win32WindowSystem::WindowFromPoint(Point where) {
  POINT p{where.x, where.y};
  return FromHwnd(::WindowFromPoint(p));
}

Status Win32WindowSystem::ScreenToClient(WindowHandle window, Point& where) {
  POINT p{where.x, where.y};
  if (!::ScreenToClient(ToHwnd(window), &p)) return Status::Failed;
  where.x = p.x;
  where.y = p.y;
  return Status::Ok;
}

LResult Win32WindowSystem::SendMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                       LParam lParam) {
  return ::SendMessageW(ToHwnd(window), message, wParam, lParam);
}

Status Win32WindowSystem::SendMessageTimeout(WindowHandle window, std::uint32_t message,
                                             WParam wParam, LParam lParam, std::uint32_t timeoutMs) {
  // SMTO_ABORTIFHUNG: a receiver that has not taken a message for some
  // seconds (the system's test of a hung window) makes the send fail at once.
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam,
                               SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result) != 0
             ? Status::Ok
             : Status::Failed;
}

Status Win32WindowSystem::PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                                    LParam lParam) {
  return OkOrFailed(::PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE);
}

WindowHandle Win32WindowSystem::FindWindowByClass(const char* className) {
  return FromHwnd(::FindWindowA(className, nullptr));
}

WindowHandle Win32WindowSystem::FirstChild(WindowHandle window) {
  return FromHwnd(::GetWindow(ToHwnd(window), GW_CHILD));
}

void Win32WindowSystem::SetForegroundWindow(WindowHandle window) {
  ::SetForegroundWindow(ToHwnd(window));
}

WindowHandle Win32WindowSystem::DesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

}  // namespace qv
