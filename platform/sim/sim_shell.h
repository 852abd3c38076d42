// Simulated shell: the notification-area icon as the task bar would show it,
// opened files with a scripted result, icon handles that remember which
// resource they came from, special folders the test names, shortcuts kept
// as files of the simulated file system, and a scripted folder browser.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <optional>

#include "platform/shell.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_log.h"

namespace qv::sim {

class SimShell final : public Shell {
 public:
  explicit SimShell(Log& log) : log_(log) {}
  // Shortcuts become files of `files`; without it they cannot be made.
  SimShell(Log& log, SimFiles& files) : log_(log), files_(&files) {}

  Status NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
  std::intptr_t Open(WindowHandle owner, const char* file, std::int32_t showCommand) override;
  OwnedIcon LoadSmallIcon(std::uint32_t resourceId) override;
  OwnedIcon LoadLargeIcon(std::uint32_t resourceId) override { return LoadSmallIcon(resourceId); }
  Status SpecialFolderPath(WindowHandle owner, int csidl, char* path, std::size_t capacity) override;
  Status SaveShortcut(const char* folder, const char* name, const ShortcutRecord& link) override;
  Status RemoveShortcut(const char* folder, const char* name) override;
  Status BrowseForFolder(WindowHandle owner, const char* title, std::uint32_t flags, char* path,
                         std::size_t capacity) override;

  // The icon resources the program file has: its pictures of running, paused
  // and holding. Any other id loads as none.
  static constexpr std::uint32_t kActiveIcon = 128;
  static constexpr std::uint32_t kPausedIcon = 129;
  static constexpr std::uint32_t kHoldingIcon = 138;

  // Special folders by id; a missing id cannot be resolved.
  std::map<int, std::string> specialFolders;
  // What a shortcut file holds (its target, folder and description).
  struct Shortcut {
    std::string target;
    std::string workingFolder;
    std::string description;
  };
  // The shortcut at a file path, when that file exists; paths as SimFiles takes them.
  std::optional<Shortcut> ShortcutAt(const std::string& linkFile) const;
  int shortcutSaves = 0;
  bool failShortcuts = false;
  // The next browse's answer; none: the user cancels.
  std::optional<std::string> browseAnswer;
  std::string lastBrowseTitle;
  std::uint32_t lastBrowseFlags = 0;
  WindowHandle lastBrowseOwner = 0;

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
  void Release(IconKind, IconHandle icon) override;
  Log& log_;
  SimFiles* files_ = nullptr;
  std::map<std::string, Shortcut> shortcuts_;  // by absolute lower-case path
  std::map<IconHandle, std::uint32_t> icons_;
  IconHandle next_ = 0x9000;
};

}  // namespace qv::sim
