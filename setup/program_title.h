// The title of the setup program's message boxes: its own file name without
// the extension, whatever the file was renamed to.
#pragma once

#include <string>

#include "platform/process.h"

namespace qv {

[[nodiscard]] std::string ProgramTitle(Process& process);

}  // namespace qv
