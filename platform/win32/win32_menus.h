// Pop-up menus through user32. Item texts go in and out through the wide
// functions, converted from and to the code page the caller names, so the
// program's Shift-JIS text reads right on a system of any code page.
#pragma once

#include "platform/menus.h"

namespace qv {

class Win32Menus final : public Menus {
 public:
  // Menus come from the resources of the program file itself.
  OwnedMenu LoadMenuResource(std::uint32_t resourceId) override;
  OwnedMenu CreatePopupMenu() override;
  MenuHandle SubMenu(MenuHandle menu, std::int32_t position) override;
  std::int32_t ItemCount(MenuHandle menu) override;
  std::size_t ItemText(MenuHandle menu, std::int32_t position, TextCode code, char* text,
                       std::size_t capacity) override;
  // kMenuNoItem for a pop-up item or a position with no item.
  std::uint32_t ItemId(MenuHandle menu, std::int32_t position) override;
  // The kMf* state bits; kMenuNoItem when there is no such item.
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

 private:
  void Release(MenuKind, MenuHandle menu) override;
};

}  // namespace qv
