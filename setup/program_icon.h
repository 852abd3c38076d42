// An icon of the program loaded through the shell port, small or large.
#pragma once

#include <cstdint>

#include "platform/shell.h"

namespace qv {

class ProgramIcon {
 public:
  enum class Size { Small, Large };
  ProgramIcon(Shell& shell, std::uint32_t resourceId, Size size)
      : icon_(size == Size::Small ? shell.LoadSmallIcon(resourceId) : shell.LoadLargeIcon(resourceId)) {}

  IconHandle get() const { return icon_.get(); }

 private:
  OwnedIcon icon_;
};

}  // namespace qv
