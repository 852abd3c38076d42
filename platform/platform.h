// All ports together, as the programs hand them to the logic.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/joystick.h"
#include "platform/menus.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/window_system.h"

namespace qv {

struct Platform {
  Joystick& joystick;
  MultimediaTimer& timer;
  Sound& sound;
  Input& input;
  WindowSystem& windows;
  Menus& menus;
  Shell& shell;
  Registry& registry;
  Process& process;
  Files& files;
  Dialogs& dialogs;
};

}  // namespace qv
