// Helpers of the end-to-end tests that work the resident program through its
// notification icon: a desktop of Wine's with a task bar, the icon found on
// it, the icon's pop-up menu and pictures of the whole screen.
#pragma once

#include <cstdint>

#include "tests/wine/e2e/e2e_support.h"

namespace qv::e2e {

// The tests of this program run again on a desktop with a task bar; the
// first run starts that run and answers with its result. Call from main.
int RunOnTaskBarDesktop(int argc, char** argv);

// Pixels of `now` inside `area` (screen coordinates) that differ from
// `before`, and the box around them.
RECT Changed(const ScreenPicture& before, const ScreenPicture& now, const RECT& area, int& count);

struct TaskBar {
  HWND window = nullptr;
  RECT area{};          // the task bar on the screen
  ScreenPicture empty;  // as it was when found

  // Waits for the task bar and takes its picture.
  [[nodiscard]] bool Find();
  // Waits for a new icon at the task bar's far end, where the notification
  // area is, and gives the box around it.
  [[nodiscard]] bool WaitForNewIcon(RECT& icon) const;
};

POINT Centre(const RECT& box);
// The pop-up menu on the screen, if one is shown.
HWND VisibleMenu();
// Opens the icon's pop-up menu with the right button, as a user does, and
// waits for it.
[[nodiscard]] bool OpenIconMenu(const RECT& icon, HWND& menu);
// Saves a picture of the whole screen in the artefacts folder.
void SaveScreen(const char* name);

}  // namespace qv::e2e
