// Simulated notification area and shell.
#include "platform/sim/sim_shell.h"

#include <cctype>
#include <cstring>

#include "platform/constants.h"
#include "platform/text.h"
#include "platform/sim/fold_case.h"

namespace qv::sim {
namespace {

// The shell's answer for a file it cannot find.
constexpr std::intptr_t kOpenFileNotFound = 2;

}  // namespace

Status SimShell::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
  const std::uint32_t resource = ResourceOf(record.icon);
  log_.Add(EffectKind::NotifyIcon, record.window, NotifyIconFields{op, resource});
  switch (op) {
    case NotifyOp::Add:
      if (iconPresent) return Status::Failed;
      iconPresent = true;
      break;
    case NotifyOp::Modify:
      if (!iconPresent) return Status::Failed;
      break;
    case NotifyOp::Delete:
      if (!iconPresent) return Status::Failed;
      iconPresent = false;
      return Status::Ok;
  }
  shownIconResource = resource;
  lastRecord = record;
  return Status::Ok;
}

std::intptr_t SimShell::Open(WindowHandle owner, const char* file, std::int32_t showCommand) {
  log_.Add(EffectKind::ShellOpen, owner, ShellOpenFields{showCommand}, file);
  if (!openable.empty() && !openable.count(file)) return kOpenFileNotFound;
  return openResult;
}

OwnedIcon SimShell::LoadSmallIcon(std::uint32_t resourceId) {
  if (resourceId != kActiveIcon && resourceId != kPausedIcon && resourceId != kHoldingIcon) return {};
  const IconHandle icon = next_++;
  icons_[icon] = resourceId;
  return OwnedIcon(*this, icon);
}

void SimShell::Release(IconKind, IconHandle icon) { icons_.erase(icon); }

namespace {

std::string LowerPath(std::string s) { return FoldCase(std::move(s)); }

std::string LinkFile(const char* folder, const char* name) {
  return std::string(folder) + "\\" + name + ".lnk";
}

}  // namespace

Status SimShell::SpecialFolderPath(WindowHandle, int csidl, char* path, std::size_t capacity) {
  auto it = specialFolders.find(csidl);
  if (it == specialFolders.end()) return Status::NotFound;
  if (it->second.size() + 1 > capacity) return Status::TooLarge;
  CopyText(path, capacity, it->second.c_str());
  return Status::Ok;
}

Status SimShell::SaveShortcut(const char* folder, const char* name, const ShortcutRecord& link) {
  ++shortcutSaves;
  const std::string file = LinkFile(folder, name);
  if (failShortcuts || files_ == nullptr || file.size() >= kMaxPath) return Status::Failed;
  if (files_->Write(file, "shortcut") != Status::Ok) return Status::Failed;
  shortcuts_[LowerPath(files_->Absolute(file))] =
      Shortcut{link.target, link.workingFolder, link.description};
  return Status::Ok;
}

Status SimShell::RemoveShortcut(const char* folder, const char* name) {
  if (files_ == nullptr) return Status::Failed;
  const std::string file = LinkFile(folder, name);
  if (file.size() >= kMaxPath) return Status::Failed;
  return files_->Remove(file.c_str());
}

std::optional<SimShell::Shortcut> SimShell::ShortcutAt(const std::string& linkFile) const {
  if (files_ == nullptr || !files_->IsFile(linkFile)) return std::nullopt;
  auto it = shortcuts_.find(LowerPath(files_->Absolute(linkFile)));
  if (it == shortcuts_.end()) return std::nullopt;
  return it->second;
}

Status SimShell::BrowseForFolder(WindowHandle owner, const char* title, std::uint32_t flags,
                                 char* path, std::size_t capacity) {
  lastBrowseOwner = owner;
  lastBrowseTitle = title;
  lastBrowseFlags = flags;
  if (!browseAnswer) return Status::NotFound;
  const std::string answer = *browseAnswer;
  browseAnswer.reset();
  if (answer.size() + 1 > capacity) return Status::TooLarge;
  CopyText(path, capacity, answer.c_str());
  return Status::Ok;
}

std::uint32_t SimShell::ResourceOf(IconHandle icon) const {
  auto it = icons_.find(icon);
  return it == icons_.end() ? 0 : it->second;
}

}  // namespace qv::sim
