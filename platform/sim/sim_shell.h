// Simulated shell: the notification-area icon as the task bar would show it,
// opened files with a scripted result, and icon handles that remember which
// resource they came from.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/shell.h"
#include "platform/sim/sim_log.h"

namespace qv::sim {

class SimShell final : public Shell {
 public:
  explicit SimShell(Log& log) : log_(log) {}

  bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
  std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) override;
  IconHandle LoadSmallIcon(std::uint32_t resourceId) override;
  void DestroyIcon(IconHandle icon) override;

  // What the task bar shows now.
  bool iconPresent = false;
  std::uint32_t shownIconResource = 0;
  NotifyIconRecord lastRecord;
  // Result of the next Open calls (above 32 is success).
  std::intptr_t openResult = 42;
  // Files the shell can open; when non-empty, others fail with 2 (not found).
  std::map<std::string, bool> openable;

  std::uint32_t ResourceOf(IconHandle icon) const;
  int LiveIcons() const { return static_cast<int>(icons_.size()); }

 private:
  Log& log_;
  std::map<IconHandle, std::uint32_t> icons_;
  IconHandle next_ = 0x9000;
};

}  // namespace qv::sim
