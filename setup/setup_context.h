// What every setup operation works with: the ports, the progress display,
// and the owner and title of its message boxes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "setup/progress.h"

namespace qv {

struct SetupContext {
  Platform& platform;
  ProgressDisplay& progress;
  WindowHandle owner = 0;
  // The program's file name without extension.
  std::string title;

  // A message box of the setup program; returns the button pressed.
  std::int32_t Tell(const char* text, std::uint32_t flags) const;
};

// How long the display shows its last message before it closes.
inline constexpr std::uint32_t kDoneDisplayMs = 500;

}  // namespace qv
