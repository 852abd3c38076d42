// The shell: the notification-area icon, opening files and programs, and
// the program's small icons.
#pragma once

#include "platform/shell.h"

namespace qv {

class Win32Shell final : public Shell {
 public:
  bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
  std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) override;
  IconHandle LoadSmallIcon(std::uint32_t resourceId) override;
  void DestroyIcon(IconHandle icon) override;
};

}  // namespace qv
