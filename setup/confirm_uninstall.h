// The uninstall as the main dialog's button runs it: the question first,
// then the uninstall and its closing message.
#pragma once

#include "setup/setup_context.h"

namespace qv {

void ConfirmUninstall(SetupContext& setup);

}  // namespace qv
