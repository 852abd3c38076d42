// Port: the shell: the notification-area icon, opening files and programs,
// the program's icon resources, special folders, shortcuts and the
// browse-for-folder dialog.
#pragma once

#include <cstdint>

#include <cstddef>

#include "platform/owned.h"
#include "platform/port.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

enum class NotifyOp { Add, Modify, Delete };

// The notification icon record in its first system form (88 bytes on 32-bit
// Windows); the Win32 side copies it field by field into the system's record.
inline constexpr std::uint32_t kNotifyIconRecordSize = 88;

struct NotifyIconRecord {
  std::uint32_t size = kNotifyIconRecordSize;
  WindowHandle window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;  // kNif* bits
  std::uint32_t callbackMessage = 0;
  IconHandle icon = 0;
  char tip[64] = {};
};

inline constexpr std::uint32_t kNifMessage = 0x1;
inline constexpr std::uint32_t kNifIcon = 0x2;
inline constexpr std::uint32_t kNifTip = 0x4;

// Special folders by id.
inline constexpr int kCsidlPrograms = 2;         // the current user's programs
inline constexpr int kCsidlCommonPrograms = 23;  // the programs of all users

// Browse-for-folder flags.
inline constexpr std::uint32_t kBifReturnOnlyFsDirs = 0x1;

// A shortcut as the shell stores it; paths in the system's ANSI code page.
struct ShortcutRecord {
  const char* target = "";
  const char* workingFolder = "";
  const char* description = "";  // the program's text (Shift-JIS)
};

class Shell;
using OwnedIcon = Owned<Shell, IconKind>;

class Shell : public Port {
 public:
  virtual Status NotifyIcon(NotifyOp op, const NotifyIconRecord& record) = 0;
  // Opens a file, document or program with its default verb, no parameters
  // and no working folder; returns the shell's result (32 or less: failure).
  virtual std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) = 0;
  // Loads an icon resource of the program at 16 x 16; none on failure.
  virtual OwnedIcon LoadSmallIcon(std::uint32_t resourceId) = 0;
  // The same at the system's icon size.
  virtual OwnedIcon LoadLargeIcon(std::uint32_t resourceId) = 0;

  // The file-system path of a special folder (kCsidl*), asked for `owner`.
  virtual Status SpecialFolderPath(WindowHandle owner, int csidl, char* path,
                                   std::size_t capacity) = 0;
  // Makes or replaces the shortcut `name`.lnk in `folder`, which must
  // exist. `folder` is a path in the system's ANSI code page, `name` the
  // program's text, so that the file is named right on every code page. The
  // component system is started for this one call.
  virtual Status SaveShortcut(const char* folder, const char* name, const ShortcutRecord& link) = 0;
  // Deletes the shortcut file `name`.lnk in `folder`, named as above.
  virtual Status RemoveShortcut(const char* folder, const char* name) = 0;
  // The shell's browse-for-folder dialog, starting at the desktop: the
  // chosen folder's path; NotFound when the user cancels or picks something
  // that is no file-system folder. `title` is the program's text.
  virtual Status BrowseForFolder(WindowHandle owner, const char* title, std::uint32_t flags,
                                 char* path, std::size_t capacity) = 0;

 protected:
  template <typename, typename>
  friend class Owned;
  virtual void Release(IconKind, IconHandle icon) = 0;
};

}  // namespace qv
