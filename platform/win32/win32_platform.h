// The real platform: one of each Win32 port, handed to the logic as one
// qv::Platform. A test build may bring its own pad source.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_joystick.h"
#include "platform/win32/win32_menus.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_window_system.h"

namespace qv {

class Win32Platform {
 public:
  // `joystick`, when given, replaces the system's pad (it must outlive this).
  explicit Win32Platform(Joystick* joystick = nullptr);
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform& platform() { return platform_; }

 private:
  Win32Joystick joystick_;
  Win32MultimediaTimer timer_;
  Win32Sound sound_;
  Win32Input input_;
  Win32WindowSystem windows_;
  Win32Menus menus_;
  Win32Shell shell_;
  Win32Registry registry_;
  Win32Process process_;
  Win32Files files_;
  Win32Dialogs dialogs_;
  Platform platform_;
};

}  // namespace qv
