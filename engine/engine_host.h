// What the engine needs from the view that owns it: the icon, the view state
// that the polling callback writes when it stops itself, and the window that
// favourites commands are posted to.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace qv {

inline constexpr std::uint32_t ICON_ACTIVE = 128;
inline constexpr std::uint32_t ICON_PAUSED = 129;
inline constexpr std::uint32_t ICON_HOLDING = 138;

class EngineHost {
 public:
  EngineHost() = default;
  EngineHost(const EngineHost&) = delete;
  EngineHost& operator=(const EngineHost&) = delete;

  // Shows one of the three pictures; safe from either thread.
  virtual void SetNotifyIcon(std::uint32_t picture) = 0;
  // The tick stopped polling by itself: timerRunning = 0, padError as given.
  virtual void PollingStoppedByTick(bool padError) = 0;
  // The application's main window (the favourites command goes there).
  virtual WindowHandle MainWindow() = 0;

 protected:
  virtual ~EngineHost() = default;
};

}  // namespace qv
