// The end-to-end tests' probe: one visible window over a given screen area
// that writes every mouse, wheel, key and scroll message it receives to a log
// file, one line each, written through at once so that a test can read the
// log while the probe runs.
//
//   probe.exe <log file> <left> <top> <width> <height>
//
// Lines (positions in screen coordinates):
//   ready <window>           the window exists and is shown
//   move <x> <y>
//   ldown|lup|ldbl|rdown|rup|rdbl|mdown|mup|mdbl <x> <y>
//   wheel <delta> <key flags>
//   keydown|keyup|syskeydown|syskeyup <virtual key> <extended 0/1>
//   vscroll|hscroll <code>
//   hang <ms>                the probe stops taking messages for <ms>
//   focus 1|0                the window got or lost the keyboard focus
//
// A test posts kProbeHang (WM_APP + 1, wParam: milliseconds) to make the
// probe stop responding, as a program that has hung.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

namespace {

qv::FileHandle g_log;

void Log(const char* line) {
  DWORD written = 0;
  ::WriteFile(g_log.get(), line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
}

void LogPoint(const char* what, HWND window, LPARAM lParam) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ::ClientToScreen(window, &p);
  char line[80];
  std::snprintf(line, sizeof line, "%s %ld %ld\n", what, static_cast<long>(p.x),
                static_cast<long>(p.y));
  Log(line);
}

void LogKey(const char* what, WPARAM wParam, LPARAM lParam) {
  // A key message's lParam says in this bit whether the key is an extended one.
  constexpr int kExtendedKeyBit = 24;
  char line[80];
  std::snprintf(line, sizeof line, "%s %u %u\n", what, static_cast<unsigned>(wParam),
                static_cast<unsigned>((lParam >> kExtendedKeyBit) & 1));
  Log(line);
}

const char* ButtonName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return "ldown";
    case WM_LBUTTONUP: return "lup";
    case WM_LBUTTONDBLCLK: return "ldbl";
    case WM_RBUTTONDOWN: return "rdown";
    case WM_RBUTTONUP: return "rup";
    case WM_RBUTTONDBLCLK: return "rdbl";
    case WM_MBUTTONDOWN: return "mdown";
    case WM_MBUTTONUP: return "mup";
    case WM_MBUTTONDBLCLK: return "mdbl";
    default: return nullptr;
  }
}

constexpr UINT kProbeHang = WM_APP + 1;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  char line[80];
  if (const char* name = ButtonName(message)) {
    LogPoint(name, window, lParam);
    return 0;
  }
  switch (message) {
    case WM_MOUSEMOVE:
      LogPoint("move", window, lParam);
      return 0;
    case WM_MOUSEWHEEL:
      std::snprintf(line, sizeof line, "wheel %d %u\n", static_cast<int>(GET_WHEEL_DELTA_WPARAM(wParam)),
                    static_cast<unsigned>(GET_KEYSTATE_WPARAM(wParam)));
      Log(line);
      return 0;
    case WM_KEYDOWN: LogKey("keydown", wParam, lParam); return 0;
    case WM_KEYUP: LogKey("keyup", wParam, lParam); return 0;
    // ALT turns keys into system keys; recorded, and kept from the default
    // handling, which would enter a menu loop.
    case WM_SYSKEYDOWN: LogKey("syskeydown", wParam, lParam); return 0;
    case WM_SYSKEYUP: LogKey("syskeyup", wParam, lParam); return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      std::snprintf(line, sizeof line, "%s %u\n", message == WM_VSCROLL ? "vscroll" : "hscroll",
                    static_cast<unsigned>(LOWORD(wParam)));
      Log(line);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Log(message == WM_SETFOCUS ? "focus 1\n" : "focus 0\n");
      return ::DefWindowProcW(window, message, wParam, lParam);
    case kProbeHang:
      std::snprintf(line, sizeof line, "hang %u\n", static_cast<unsigned>(wParam));
      Log(line);
      ::Sleep(static_cast<DWORD>(wParam));
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: probe.exe <log file> <left> <top> <width> <height>\n");
    return 2;
  }
  g_log.reset(::CreateFileA(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                                        FILE_SHARE_DELETE,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!g_log) {
    std::fprintf(stderr, "probe: cannot write %s\n", argv[1]);
    return 2;
  }

  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.style = CS_DBLCLKS;  // so that a quick second click arrives as a double click
  wc.lpfnWndProc = &ProbeProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"QvE2EProbe";
  if (!::RegisterClassW(&wc)) return 2;

  // A caption-less pop-up: its client area is the whole window, so client
  // and screen positions differ only by the window's origin.
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"QvE2EProbe", L"QvE2EProbe",
                                  WS_POPUP | WS_VISIBLE, std::atoi(argv[2]), std::atoi(argv[3]),
                                  std::atoi(argv[4]), std::atoi(argv[5]), nullptr, nullptr,
                                  instance, nullptr);
  if (window == nullptr) return 2;
  ::SetForegroundWindow(window);
  ::SetFocus(window);
  ::UpdateWindow(window);

  char line[80];
  std::snprintf(line, sizeof line, "ready %p\n", static_cast<void*>(window));
  Log(line);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
