// Entry point of the resident program on Windows: the real platform, the
// framework's Win32 host and the application object. The scripted test
// build (QV_SCRIPTED_PAD) takes its pad samples from the file named by the
// environment variable QV_PAD_SCRIPT instead of the system's joystick, and
// keeps the splash up for QV_SPLASH_MS milliseconds when that is set.
#include "platform/win32/win32_api.h"

// The framework's operations are named after the system's functions, which
// the headers would rename to their A forms.
#undef DefWindowProc
#undef LoadBitmap
#undef RegisterWindowMessage

#include <string>
#include <vector>

#include "framework/win32/win32_window_host.h"
#include "platform/win32/win32_platform.h"
#include "shell/command_line.h"
#include "shell/quorvantix_app.h"

#ifdef QV_SCRIPTED_PAD
#include <cstdio>
#include <cstdlib>

#include "platform/script/pad_script.h"
#include "platform/win32/win32_timer.h"
#include "shell/splash_wnd.h"
#endif

namespace {

// The command line after the program's name, which may be quoted.
const char* ArgumentsText() {
  const char* text = ::GetCommandLineA();
  if (*text == '"') {
    ++text;
    while (*text != '\0' && *text != '"') ++text;
    if (*text == '"') ++text;
  } else {
    while (*text != '\0' && *text != ' ' && *text != '\t') ++text;
  }
  return text;
}

int RunProgram(qv::Joystick* joystick) {
  qv::Win32Platform system(joystick);
  qv::Win32WindowHost host(system.platform());
  qv::CQuorvantixApp app(host);
  app.m_args = qv::SplitCommandLine(ArgumentsText());
  return app.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#ifdef QV_SCRIPTED_PAD
  // The exit code of a scripted run whose pad script is missing or unreadable.
  constexpr int kNoPadScriptExit = 3;
  // The longest splash time taken from QV_SPLASH_MS: ten minutes.
  constexpr unsigned long kLongestSplashMs = 600000;
  const char* path = std::getenv("QV_PAD_SCRIPT");
  if (path == nullptr || *path == '\0') {
    std::fprintf(stderr, "QV_PAD_SCRIPT names no pad script\n");
    return kNoPadScriptExit;
  }
  qv::PadScript script;
  qv::PadScriptError error;
  if (!qv::Succeeded(qv::LoadPadScript(path, script, error))) {
    std::fprintf(stderr, "%s: %s\n", path, qv::Describe(error).c_str());
    return kNoPadScriptExit;
  }
  // A splash that outlives its two seconds lets a test tell a key or a click
  // that closed it from its own timer; anything but a whole number leaves
  // the time as shipped.
  if (const char* splashMs = std::getenv("QV_SPLASH_MS")) {
    char* end = nullptr;
    const unsigned long ms = std::strtoul(splashMs, &end, 10);
    if (end != splashMs && *end == '\0' && ms <= kLongestSplashMs)
      qv::CSplashWnd::SetDisplayTime(static_cast<std::uint32_t>(ms));
  }
  // The script's clock; the program's own timer lives inside the platform.
  qv::Win32MultimediaTimer clock;
  qv::ScriptedJoystick joystick(std::move(script), clock);
  return RunProgram(&joystick);
#else
  return RunProgram(nullptr);
#endif
}
