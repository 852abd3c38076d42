// In-memory menus: resource templates registered by the test (or by the
// program's own menu table), items with text, id, state and submenus, and a
// record of every tracking. Text is kept as the bytes it was given.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/menus.h"
#include "platform/sim/sim_log.h"

namespace qv::sim {

struct SimMenuItem {
  std::string text;
  std::uint32_t id = 0;
  std::uint32_t state = 0;  // kMfGrayed, kMfSeparator
  MenuHandle submenu = 0;
  TextCode code = TextCode::Program;
};

class SimMenus final : public Menus {
 public:
  explicit SimMenus(Log& log) : log_(log) {}

  OwnedMenu LoadMenuResource(std::uint32_t resourceId) override;
  OwnedMenu CreatePopupMenu() override;
  MenuHandle SubMenu(MenuHandle menu, std::int32_t position) override;
  std::int32_t ItemCount(MenuHandle menu) override;
  std::size_t ItemText(MenuHandle menu, std::int32_t position, TextCode code, char* text,
                       std::size_t capacity) override;
  std::uint32_t ItemId(MenuHandle menu, std::int32_t position) override;
  std::uint32_t ItemState(MenuHandle menu, std::int32_t position) override;
  Status InsertItem(MenuHandle menu, std::int32_t position, std::uint32_t id, TextCode code,
                  const char* text) override;
  Status InsertSubMenu(MenuHandle menu, std::int32_t position, OwnedMenu submenu, TextCode code,
                     const char* text) override;
  Status AppendItem(MenuHandle menu, std::uint32_t flags, std::uint32_t id, TextCode code,
                  const char* text) override;
  void EnableItem(MenuHandle menu, std::uint32_t id, std::uint32_t enableFlags) override;
  Status TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                      WindowHandle owner) override;

  // A menu template: a top-level menu whose items may have submenus built
  // with the same calls. `build` fills the new menu each time it is loaded.
  void RegisterResource(std::uint32_t resourceId, std::function<void(SimMenus&, MenuHandle)> build) {
    resources_[resourceId] = std::move(build);
  }
  // Called during TrackPopupMenu as the user (e.g. choose an item).
  std::function<void(MenuHandle, WindowHandle)> onTrack;

  bool Exists(MenuHandle menu) const { return menus_.count(menu) != 0; }
  int LiveCount() const { return static_cast<int>(menus_.size()); }
  const std::vector<SimMenuItem>& Items(MenuHandle menu) const { return menus_.at(menu); }

 private:
  void Release(MenuKind, MenuHandle menu) override;
  SimMenuItem* ItemAt(MenuHandle menu, std::int32_t position);
  Log& log_;
  std::map<MenuHandle, std::vector<SimMenuItem>> menus_;
  std::map<std::uint32_t, std::function<void(SimMenus&, MenuHandle)>> resources_;
  MenuHandle next_ = 0x5000;
};

}  // namespace qv::sim
