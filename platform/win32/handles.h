// Conversions between the ports' integer handles and the system's handle types.
#pragma once

#include "platform/types.h"
#include "platform/win32/win32_api.h"

namespace qv {

inline HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
inline HMENU ToHmenu(MenuHandle h) { return reinterpret_cast<HMENU>(h); }
inline HICON ToHicon(IconHandle h) { return reinterpret_cast<HICON>(h); }

inline WindowHandle FromHwnd(HWND h) { return reinterpret_cast<WindowHandle>(h); }
inline MenuHandle FromHmenu(HMENU h) { return reinterpret_cast<MenuHandle>(h); }
inline IconHandle FromHicon(HICON h) { return reinterpret_cast<IconHandle>(h); }

}  // namespace qv
