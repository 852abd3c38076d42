// The uninstall: the current user's settings, the links, the files and
// folders the install made, its registry keys and the removal entry.
#pragma once

#include "setup/setup_context.h"

namespace qv {

// Attempts every removal; true when every counted one succeeded.
bool UninstallProduct(SetupContext& setup);

}  // namespace qv
