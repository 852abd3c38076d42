// Message boxes of the setup program, all titled the same way.
#include "setup/setup_context.h"

namespace qv {

std::int32_t SetupContext::Tell(const char* text, std::uint32_t flags) const {
  return platform.dialogs.MessageBox(owner, text, title.c_str(), flags);
}

}  // namespace qv
