// The whole simulated platform: one of each simulated port, sharing one log,
// handed to the logic as a qv::Platform.
#pragma once

#include "platform/platform.h"
#include "platform/sim/sim_devices.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_joystick.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_menus.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_timer.h"
#include "platform/sim/sim_window_system.h"

namespace qv::sim {

struct SimPlatform {
  explicit SimPlatform(MutexTable& mutexes) : process(mutexes) {}
  SimPlatform() : process(ownMutexes) {}

  MutexTable ownMutexes;
  Log log;
  SimJoystick joystick;
  SimTimer timer{log};
  SimSound sound{log};
  SimInput input{log};
  SimWindowSystem windows{log};
  SimMenus menus{log};
  SimFiles files;
  SimShell shell{log, files};
  SimRegistry registry;
  SimProcess process;
  SimDialogs dialogs{log};

  Platform platform{joystick, timer, sound, input, windows, menus,
                    shell,    registry, process, files, dialogs};
};

}  // namespace qv::sim
