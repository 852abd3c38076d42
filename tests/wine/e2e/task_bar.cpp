// Helpers of the end-to-end tests on the desktop with a task bar (see
// task_bar.h).
#include "tests/wine/e2e/task_bar.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/wine/check.h"

namespace qv::e2e {

namespace {
// Wine gives a desktop of this name a task bar with a notification area.
constexpr const wchar_t* kDesktopName = L"shell";
constexpr const char* kDesktopSize = "1024x768";
constexpr const char* kOnTaskBarDesktop = "--on-task-bar-desktop";
}  // namespace

int RunOnTaskBarDesktop(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], kOnTaskBarDesktop) == 0) {
    ::GetDesktopWindow();  // makes the desktop, and with it the task bar
    return ::qvcheck::RunAll();
  }
  qv::RegistryKey desktops;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, desktops.put(), nullptr) == ERROR_SUCCESS) {
    ::RegSetValueExA(desktops.get(), "shell", 0, REG_SZ, reinterpret_cast<const BYTE*>(kDesktopSize),
                     static_cast<DWORD>(std::strlen(kDesktopSize) + 1));
  }
  char self[MAX_PATH];
  if (::GetModuleFileNameA(nullptr, self, MAX_PATH) == 0) return 1;
  ChildProcess inside;
  if (!inside.Start(std::string("\"") + self + "\" " + kOnTaskBarDesktop, kDesktopName)) return 1;
  DWORD code = 1;
  if (!inside.Wait(100000, code)) {
    std::printf("the test on the task bar's desktop did not end\n");
    return 1;
  }
  return static_cast<int>(code);
}

RECT Changed(const ScreenPicture& before, const ScreenPicture& now, const RECT& area, int& count) {
  RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const int px = x - now.area.left;
      const int py = y - now.area.top;
      if (now.At(px, py) == before.At(px, py)) continue;
      ++count;
      if (x < box.left) box.left = x;
      if (y < box.top) box.top = y;
      if (x + 1 > box.right) box.right = x + 1;
      if (y + 1 > box.bottom) box.bottom = y + 1;
    }
  }
  if (count == 0) box = RECT{0, 0, 0, 0};
  return box;
}

bool TaskBar::Find() {
  if (!WaitUntil([&] { return (window = FindTopLevel(0, L"Shell_TrayWnd", nullptr)) != nullptr; },
                 30000))
    return false;
  if (!::GetWindowRect(window, &area)) return false;
  Pump(1000);  // let it paint
  empty = CaptureScreen(area);
  return true;
}

bool TaskBar::WaitForNewIcon(RECT& icon) const {
  const RECT farEnd{area.left + (area.right - area.left) * 2 / 3, area.top, area.right, area.bottom};
  int changed = 0;
  const bool seen = WaitUntil(
      [&] {
        icon = Changed(empty, CaptureScreen(area), farEnd, changed);
        return changed > 0;
      },
      20000);
  if (seen) {
    std::printf("  icon at (%ld, %ld) to (%ld, %ld)\n", static_cast<long>(icon.left),
                static_cast<long>(icon.top), static_cast<long>(icon.right),
                static_cast<long>(icon.bottom));
  }
  return seen;
}

POINT Centre(const RECT& box) { return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2}; }

HWND VisibleMenu() {
  // "#32768" is the system's class of pop-up menu windows.
  HWND menu = FindTopLevel(0, L"#32768", nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

bool OpenIconMenu(const RECT& icon, HWND& menu) {
  ::SetCursorPos(Centre(icon).x, Centre(icon).y);
  Pump(100);
  SendMouseButton(MOUSEEVENTF_RIGHTDOWN);
  const bool open = WaitUntil([&] { return (menu = VisibleMenu()) != nullptr; }, 10000);
  SendMouseButton(MOUSEEVENTF_RIGHTUP);
  Pump(300);
  return open;
}

void SaveScreen(const char* name) {
  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (!SaveBmp(CaptureScreen(screen), ArtifactFile(name))) std::printf("  could not save %s\n", name);
}

}  // namespace qv::e2e
