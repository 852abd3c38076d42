// Port: the system's small modal services: message boxes and the help viewer.
#pragma once

#include <cstdint>

#include "platform/port.h"
#include "platform/types.h"

namespace qv {

class Dialogs : public Port {
 public:
  // A modal message box; text and title are Shift-JIS. Returns the button id.
  virtual std::int32_t MessageBox(WindowHandle owner, const char* text, const char* title,
                                  std::uint32_t flags) = 0;
  // Opens a help file in the help viewer (command kHelpFinder and the like).
  virtual bool WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
                       std::uintptr_t data) = 0;
};

}  // namespace qv
