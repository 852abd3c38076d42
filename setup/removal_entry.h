// The product's entry in the system's list of installed programs, whose
// removal command is the setup program where it ran.
#pragma once

#include "platform/platform.h"

namespace qv {

// True when the entry's key was made; its two values are written untested.
bool RegisterUninstall(Platform& platform);
// True when the entry's key was deleted.
bool UnregisterUninstall(Platform& platform);

}  // namespace qv
