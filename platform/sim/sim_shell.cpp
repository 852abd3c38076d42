// Simulated notification area and shell.
#include "platform/sim/sim_shell.h"

namespace qv::sim {

bool SimShell::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
  const std::uint32_t resource = ResourceOf(record.icon);
  log_.Add(EffectKind::NotifyIcon, record.window, static_cast<std::int64_t>(op), resource);
  switch (op) {
    case NotifyOp::Add:
      if (iconPresent) return false;
      iconPresent = true;
      break;
    case NotifyOp::Modify:
      if (!iconPresent) return false;
      break;
    case NotifyOp::Delete:
      if (!iconPresent) return false;
      iconPresent = false;
      return true;
  }
  shownIconResource = resource;
  lastRecord = record;
  return true;
}

std::intptr_t SimShell::Open(WindowHandle owner, const char* file, std::int32_t showCommand) {
  log_.Add(EffectKind::ShellOpen, owner, showCommand, 0, 0, 0, file);
  if (!openable.empty() && !openable.count(file)) return 2;
  return openResult;
}

IconHandle SimShell::LoadSmallIcon(std::uint32_t resourceId) {
  if (resourceId != 128 && resourceId != 129 && resourceId != 138) return 0;
  const IconHandle icon = next_++;
  icons_[icon] = resourceId;
  return icon;
}

void SimShell::DestroyIcon(IconHandle icon) { icons_.erase(icon); }

std::uint32_t SimShell::ResourceOf(IconHandle icon) const {
  auto it = icons_.find(icon);
  return it == icons_.end() ? 0 : it->second;
}

}  // namespace qv::sim
