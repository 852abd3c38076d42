// Shell_NotifyIconA, ShellExecuteA and LoadImageW behind the Shell port.
#include "platform/win32/win32_shell.h"

#include <cstring>

#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace qv {

// The first form of the record: every shell version takes it. Its size is
// 88 bytes only on 32-bit Windows; pointers are wider on 64-bit.
#if defined(_M_IX86) || defined(__i386__)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "first notification record is 88 bytes");
#endif

bool Win32Shell::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = ToHwnd(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = ToHicon(record.icon);
  std::memcpy(data.szTip, record.tip, sizeof(record.tip));
  data.szTip[sizeof(record.tip) - 1] = '\0';
  DWORD message = NIM_ADD;
  if (op == NotifyOp::Modify) message = NIM_MODIFY;
  if (op == NotifyOp::Delete) message = NIM_DELETE;
  return ::Shell_NotifyIconA(message, &data) != FALSE;
}

std::intptr_t Win32Shell::Open(WindowHandle owner, const char* file, std::int32_t showCommand) {
  const HINSTANCE result = ::ShellExecuteA(ToHwnd(owner), nullptr, file, nullptr, nullptr, showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

IconHandle Win32Shell::LoadSmallIcon(std::uint32_t resourceId) {
  return FromHicon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(static_cast<WORD>(resourceId)),
                                                   IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
}

void Win32Shell::DestroyIcon(IconHandle icon) {
  if (icon != 0) ::DestroyIcon(ToHicon(icon));
}

}  // namespace qv
