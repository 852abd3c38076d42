// The shell: the notification-area icon, opening files and programs, the
// program's small icons, special folders, shortcuts and folder browsing.
#pragma once

#include "platform/shell.h"

namespace qv {

class Win32Shell final : public Shell {
 public:
  Status NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
  std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) override;
  OwnedIcon LoadSmallIcon(std::uint32_t resourceId) override;
  OwnedIcon LoadLargeIcon(std::uint32_t resourceId) override;
  Status SpecialFolderPath(WindowHandle owner, int csidl, char* path, std::size_t capacity) override;
  // Target and working folder through IShellLinkA; the description, the
  // program's text, through the same object's wide interface.
  Status SaveShortcut(const char* folder, const char* name, const ShortcutRecord& link) override;
  Status RemoveShortcut(const char* folder, const char* name) override;
  // Failed for a folder whose path the ANSI code page cannot spell.
  Status BrowseForFolder(WindowHandle owner, const char* title, std::uint32_t flags, char* path,
                         std::size_t capacity) override;

 private:
  void Release(IconKind, IconHandle icon) override;
};

}  // namespace qv
