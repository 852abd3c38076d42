// MessageBoxW with the program's Shift-JIS text converted, so that it reads
// right whatever the system's code page; WinHelpA takes an ANSI path.
#include "platform/win32/win32_dialogs.h"

#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace qv {

std::int32_t Win32Dialogs::MessageBox(WindowHandle owner, const char* text, const char* title,
                                      std::uint32_t flags) {
  const std::wstring wideText = ProgramToWide(text);
  const std::wstring wideTitle = ProgramToWide(title);
  return ::MessageBoxW(ToHwnd(owner), wideText.c_str(), wideTitle.c_str(), flags);
}

bool Win32Dialogs::WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
                           std::uintptr_t data) {
  return ::WinHelpA(ToHwnd(owner), file, command, data) != FALSE;
}

}  // namespace qv
