// Port: the shell: the notification-area icon, opening files and programs,
// and the program's icon resources.
#pragma once

#include <cstdint>

#include "platform/port.h"
#include "platform/types.h"

namespace qv {

enum class NotifyOp { Add, Modify, Delete };

// The notification icon record in its first, 88-byte system form; the Win32
// side copies it field by field into NOTIFYICONDATAA of that size.
struct NotifyIconRecord {
  std::uint32_t size = 88;
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

class Shell : public Port {
 public:
  virtual bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) = 0;
  // Opens a file, document or program with its default verb, no parameters
  // and no working folder; returns the shell's result (32 or less: failure).
  virtual std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) = 0;
  // Loads an icon resource of the program at 16 x 16; 0 on failure.
  virtual IconHandle LoadSmallIcon(std::uint32_t resourceId) = 0;
  virtual void DestroyIcon(IconHandle icon) = 0;
};

}  // namespace qv
