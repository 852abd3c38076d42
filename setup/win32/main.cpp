// Entry point of the setup program on Windows: the real platform, the
// framework's Win32 host and the application object. It takes no arguments.
#include "platform/win32/win32_api.h"

// The framework's operations are named after the system's functions, which
// the headers would rename to their A forms.
#undef DefWindowProc
#undef LoadBitmap
#undef RegisterWindowMessage

#include "framework/win32/win32_window_host.h"
#include "platform/win32/win32_platform.h"
#include "setup/setup_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  qv::Win32Platform system;
  qv::Win32WindowHost host(system.platform());
  qv::CSetupApp app(host);
  return app.Run();
}
