// MessageBoxW with the program's Shift-JIS text converted, so that it reads
// right whatever the system's code page; WinHelpA takes an ANSI path; the
// file-open dialog is the wide one, its path handed on in the ANSI code page.
#include "platform/win32/win32_dialogs.h"

#include <cstring>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

#include <commdlg.h>

namespace qv {

std::int32_t Win32Dialogs::MessageBox(WindowHandle owner, const char* text, const char* title,
                                      std::uint32_t flags) {
  const std::wstring wideText = ProgramToWide(text);
  const std::wstring wideTitle = ProgramToWide(title);
  return ::MessageBoxW(ToHwnd(owner), wideText.c_str(), wideTitle.c_str(), flags);
}

Status Win32Dialogs::WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
                           std::uintptr_t data) {
  return OkOrFailed(::WinHelpA(ToHwnd(owner), file, command, data) != FALSE);
}

}  // namespace qv

namespace qv {
namespace {

// The filter's strings up to the empty one that ends the list, widened.
std::wstring WideFilter(const char* filter) {
  std::wstring out;
  for (const char* p = filter; p != nullptr && *p != '\0'; p += std::strlen(p) + 1) {
    out += ProgramToWide(p);
    out.push_back(L'\0');
  }
  out.push_back(L'\0');
  return out;
}

}  // namespace

Status Win32Dialogs::OpenFileName(WindowHandle owner, const char* title, const char* filter,
                                  std::uint32_t flags, char* path, std::size_t capacity) {
  const std::wstring wideTitle = ProgramToWide(title);
  const std::wstring wideFilter = WideFilter(filter);
  // Room for any path the dialog can give; one that the caller cannot hold is
  // refused below rather than cut into another path.
  constexpr std::size_t kChosenUnits = 1024;
  wchar_t chosen[kChosenUnits] = {};
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = ToHwnd(owner);
  request.lpstrFilter = wideFilter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = chosen;
  request.nMaxFile = kChosenUnits;
  request.lpstrTitle = wideTitle.c_str();
  request.Flags = flags;
  if (!::GetOpenFileNameW(&request)) return Status::NotFound;
  // The file functions take the path in the ANSI code page: a name it cannot
  // spell is refused rather than handed on misspelt.
  BOOL lossy = FALSE;
  char narrow[kChosenUnits * 2];
  const int length = ::WideCharToMultiByte(CP_ACP, 0, chosen, -1, narrow, sizeof narrow,
                                           nullptr, &lossy);
  if (length <= 0 || lossy) return Status::Failed;
  if (static_cast<std::size_t>(length) > capacity) return Status::TooLarge;
  std::memcpy(path, narrow, static_cast<std::size_t>(length));
  return Status::Ok;
}

}  // namespace qv
