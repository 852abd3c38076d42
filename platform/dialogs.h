// Port: the system's small modal services: message boxes, the help viewer
// and the file-open dialog.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/port.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

// Options of the file-open dialog.
inline constexpr std::uint32_t kOfnHideReadOnly = 0x00000004u;
inline constexpr std::uint32_t kOfnPathMustExist = 0x00000800u;
inline constexpr std::uint32_t kOfnFileMustExist = 0x00001000u;

class Dialogs : public Port {
 public:
  // A modal message box; text and title are Shift-JIS. Returns the button id.
  virtual std::int32_t MessageBox(WindowHandle owner, const char* text, const char* title,
                                  std::uint32_t flags) = 0;
  // Opens a help file in the help viewer (command kHelpFinder and the like).
  virtual Status WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
                       std::uintptr_t data) = 0;
  // The system's file-open dialog, with no initial file and no default
  // extension. `title` is the program's text; `filter` is in the system's
  // form (description and pattern, each ended by a zero, the list by one
  // more). The chosen file's full path in the system's ANSI code page;
  // NotFound when the user cancels, TooLarge when the path does not fit
  // `capacity` with its terminator (nothing is written then).
  virtual Status OpenFileName(WindowHandle owner, const char* title, const char* filter,
                              std::uint32_t flags, char* path, std::size_t capacity) = 0;
};

}  // namespace qv
