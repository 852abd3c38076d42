// End to end under Wine, on a desktop with a task bar: a key pressed while
// the icon's menu is open closes the splash like a key anywhere else, and
// goes to the splash alone: the menu it was pressed in stays open and takes
// the next key. The scripted program keeps its splash up for a minute, so
// the splash's own timer cannot be what closes it here.
#include <cstdio>

#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"
#include "tests/wine/e2e/task_bar.h"

namespace {

using namespace qv::e2e;

struct SplashSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchSplash(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<SplashSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  RECT r{};
  if (owner == search->process && ::IsWindowVisible(window) && ::GetWindowRect(window, &r) &&
      r.right - r.left == 320 && r.bottom - r.top == 240) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible window of the process the size of the splash's picture.
HWND SplashOf(DWORD process) {
  SplashSearch search{process, nullptr};
  ::EnumWindows(&MatchSplash, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Up(HWND window) { return ::IsWindow(window) && ::IsWindowVisible(window); }

void PressKey(WORD vk) {
  SendKey(vk, false);
  SendKey(vk, true);
}

TEST_CASE(a_key_in_the_icons_menu_closes_the_splash_and_the_menu_stays_open) {
  TaskBar bar;
  if (!CHECK(bar.Find())) return;
  ClearSettings();
  ::SetEnvironmentVariableA("QV_SPLASH_MS", "60000");
  Resident program;
  const bool started = program.Start(kPadAtRest);
  ::SetEnvironmentVariableA("QV_SPLASH_MS", nullptr);
  if (!CHECK(started)) return;
  HWND splash = nullptr;
  if (!CHECK(WaitUntil([&] { return (splash = SplashOf(program.id())) != nullptr; }, 10000))) return;

  RECT icon{};
  if (!CHECK(bar.WaitForNewIcon(icon))) return;
  HWND menu = nullptr;
  if (!CHECK(OpenIconMenu(icon, menu))) return;
  // Opening the menu with the pointer is no press of the program's own.
  if (!CHECK(Up(splash))) return;
  SaveScreen("splash-under-the-icon-menu.bmp");

  PressKey(VK_ESCAPE);
  CHECK(WaitUntil([&] { return !Up(splash); }, 10000));
  Pump(500);
  CHECK(Up(menu));
  // With the splash gone the menu sees the key.
  PressKey(VK_ESCAPE);
  CHECK(WaitUntil([&] { return !Up(menu); }, 10000));

  CHECK(program.Running());
  program.Stop();
  CHECK(program.closedCleanly());
}

}  // namespace

int main(int argc, char** argv) { return RunOnTaskBarDesktop(argc, argv); }
