// End to end under Wine: a tick held up does not freeze the program. With
// the window under the pointer hung while the hat scrolls it, pausing, the
// menu's commands and exit all answer at once; while the launch failure box
// holds the tick, pausing and the About command still work, and an exit
// asked for then ends the program as soon as the box is answered.
#include <cstdio>
#include <string>

#include "engine/pad_settings.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

namespace {

using namespace qv::e2e;

constexpr UINT kNotifyIconMessage = WM_USER + 10;
constexpr WPARAM kAboutCommand = 57664;
const RECT kProbeArea{100, 100, 700, 600};
// Long enough that the program could only end before it by not waiting.
constexpr std::uint32_t kHangMs = 25000;
// What "at once" allows for on a loaded machine (ending alone takes Wine
// about four seconds here, with or without a tick held up).
constexpr std::uint32_t kPromptlyMs = 10000;

// The program's view: the window of its icon's messages.
HWND ViewOf(const Resident& program) { return ::GetWindow(program.frame(), GW_CHILD); }

void DoubleClickIcon(const Resident& program) {
  ::PostMessageW(ViewOf(program), kNotifyIconMessage, 1, WM_LBUTTONDBLCLK);
}

HWND VisibleDialog(const Resident& program, const wchar_t* title) {
  HWND dialog = FindTopLevel(program.id(), L"#32770", title);
  return dialog != nullptr && ::IsWindowVisible(dialog) ? dialog : nullptr;
}

// The About command, chosen as from the menu, shows its dialog; closed again.
bool AboutAnswers(const Resident& program) {
  ::PostMessageW(program.frame(), WM_COMMAND, kAboutCommand, 0);
  HWND about = nullptr;
  const bool shown = WaitUntil(
      [&] { return (about = VisibleDialog(program, L"ﾊﾞｰｼﾞｮﾝ情報(Quorvantix)")) != nullptr; },
      kPromptlyMs);
  if (about != nullptr) {
    ::PostMessageW(about, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !::IsWindow(about); }, kPromptlyMs);
  }
  return shown;
}

TEST_CASE(a_hung_window_under_the_pointer_does_not_freeze_pause_the_menu_or_exit) {
  ClearSettings();
  Probe probe;
  if (!CHECK(probe.Start(kProbeArea))) return;
  Resident program;
  // The hat held forward from 1.5 s on: a line-up scroll message to the
  // window under the pointer on every tick.
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=1\n"
                           "at 0 x=32767 y=32767\n"
                           "at 1500 pov=0\n",
                           kNoSplash)))
    return;
  CHECK(probe.BringToFront());
  const POINT centre = probe.Centre();
  ::SetCursorPos(centre.x, centre.y);
  if (!CHECK(WaitUntil([&] { return !probe.Events({"vscroll"}).empty(); }, 20000))) return;

  if (!CHECK(probe.Hang(kHangMs))) return;
  const DWORD hungAt = ::GetTickCount();
  Pump(500);  // the ticks now send to a window that takes nothing

  DoubleClickIcon(program);
  CHECK(AboutAnswers(program));
  ::PostMessageW(program.frame(), WM_CLOSE, 0, 0);
  CHECK(WaitUntil([&] { return !program.Running(); }, kPromptlyMs));
  const DWORD took = ::GetTickCount() - hungAt;
  std::printf("  ended %lu ms after the probe stopped responding\n", static_cast<unsigned long>(took));
  CHECK(took < kHangMs);
}

TEST_CASE(the_launch_failure_box_holds_the_tick_while_the_program_answers) {
  ClearSettings();
  CHECK(SetSetting("Buttons", "Button01", qv::BA_LAUNCH));  // starts on release
  CHECK(SetSetting("AP", "Button01", std::string("Z:\\no\\such\\folder\\program.exe")));
  Resident program;
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=0\n"
                           "at 0 x=32767 y=32767\n"
                           "at 1500 buttons=1\n"
                           "at 1700 buttons=0\n",
                           kNoSplash)))
    return;
  HWND box = nullptr;
  if (!CHECK(WaitUntil([&] { return (box = VisibleDialog(program, L"Quorvantix")) != nullptr; },
                       20000)))
    return;

  // The pause waits for the tick in the box; the program answers meanwhile.
  DoubleClickIcon(program);
  Pump(300);
  CHECK(AboutAnswers(program));

  // An exit waits for the tick too, and then ends the program.
  ::PostMessageW(program.frame(), WM_CLOSE, 0, 0);
  Pump(1000);
  CHECK(program.Running());
  CHECK(::IsWindowVisible(box));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  CHECK(WaitUntil([&] { return !program.Running(); }, kPromptlyMs));
}

}  // namespace

RUN_TESTS()
