// The main dialog's Install: the two-page wizard, then, on Finish, the
// install with its closing message.
#pragma once

#include "framework/wnd.h"
#include "setup/setup_context.h"

namespace qv {

// A new wizard with fresh pages and the default folder text every time.
// `owner` is the main dialog, disabled while the wizard runs.
void RunInstallWizard(SetupContext& setup, WindowHost& host, CWnd* owner);

}  // namespace qv
