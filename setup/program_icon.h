// An icon of the program loaded through the shell port, destroyed by its
// owner.
#pragma once

#include <cstdint>

#include "platform/shell.h"

namespace qv {

class ProgramIcon {
 public:
  enum class Size { Small, Large };
  ProgramIcon(Shell& shell, std::uint32_t resourceId, Size size)
      : shell_(shell),
        icon_(size == Size::Small ? shell.LoadSmallIcon(resourceId) : shell.LoadLargeIcon(resourceId)) {}
  ProgramIcon(const ProgramIcon&) = delete;
  ProgramIcon& operator=(const ProgramIcon&) = delete;
  ~ProgramIcon() { shell_.DestroyIcon(icon_); }

  IconHandle get() const { return icon_; }

 private:
  Shell& shell_;
  IconHandle icon_;
};

}  // namespace qv
