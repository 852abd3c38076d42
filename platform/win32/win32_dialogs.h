// Message boxes, the help viewer and the file-open dialog.
#pragma once

#include "platform/dialogs.h"

namespace qv {

class Win32Dialogs final : public Dialogs {
 public:
  std::int32_t MessageBox(WindowHandle owner, const char* text, const char* title,
                          std::uint32_t flags) override;
  Status WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
               std::uintptr_t data) override;
  Status OpenFileName(WindowHandle owner, const char* title, const char* filter,
                      std::uint32_t flags, char* path, std::size_t capacity) override;
};

}  // namespace qv
