// The work behind the wizard's Finish: the product's files into the install
// folder, the install record, the removal entry and the start-menu links.
#pragma once

#include "setup/setup_context.h"

namespace qv {

// True when every counted step succeeded; a failure has shown its message
// and stops the install there (nothing done before it is undone).
bool InstallProduct(SetupContext& setup, const char* folderText);

}  // namespace qv
