// Port: pop-up menus (load from resources, build, grey, track, destroy).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/owned.h"
#include "platform/port.h"
#include "platform/status.h"
#include "platform/types.h"

namespace qv {

// Which code page a menu text is in: the program's own text (Shift-JIS,
// shown through the wide functions converted from code page 932) or a name
// from the file system (the system's ANSI code page).
enum class TextCode { Program, System };

// The system's answer (-1) from ItemId for a pop-up item or a position with
// no item, and from ItemState for a position with no item.
inline constexpr std::uint32_t kMenuNoItem = 0xFFFFFFFFu;

class Menus;
using OwnedMenu = Owned<Menus, MenuKind>;

class Menus : public Port {
 public:
  // None (0) when the resource is missing or the system refuses.
  virtual OwnedMenu LoadMenuResource(std::uint32_t resourceId) = 0;
  virtual OwnedMenu CreatePopupMenu() = 0;
  // A submenu of a menu the caller owns; it goes with that menu.
  virtual MenuHandle SubMenu(MenuHandle menu, std::int32_t position) = 0;
  virtual std::int32_t ItemCount(MenuHandle menu) = 0;
  // Text of the item at `position` (Shift-JIS, at most capacity - 1 bytes and
  // a terminator); returns its length, 0 when there is none.
  virtual std::size_t ItemText(MenuHandle menu, std::int32_t position, TextCode code, char* text,
                               std::size_t capacity) = 0;
  virtual std::uint32_t ItemId(MenuHandle menu, std::int32_t position) = 0;
  virtual std::uint32_t ItemState(MenuHandle menu, std::int32_t position) = 0;  // kMf* bits
  // Inserts a text item (id) or a pop-up item (submenu) before `position`;
  // a position past the end appends. An inserted submenu belongs to `menu`
  // from then on; one that cannot be inserted is destroyed.
  virtual Status InsertItem(MenuHandle menu, std::int32_t position, std::uint32_t id, TextCode code,
                          const char* text) = 0;
  virtual Status InsertSubMenu(MenuHandle menu, std::int32_t position, OwnedMenu submenu,
                             TextCode code, const char* text) = 0;
  // kMf* flags (kMfGrayed, kMfSeparator, ...); text ignored for a separator.
  virtual Status AppendItem(MenuHandle menu, std::uint32_t flags, std::uint32_t id, TextCode code,
                          const char* text) = 0;
  // kMfEnabled or kMfGrayed, by command id.
  virtual void EnableItem(MenuHandle menu, std::uint32_t id, std::uint32_t enableFlags) = 0;
  // Tracks the menu until it closes; the chosen command is posted to `owner`
  // as an ordinary WM_COMMAND.
  virtual Status TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                              WindowHandle owner) = 0;

 protected:
  template <typename, typename>
  friend class Owned;
  // Destroys a menu with all its submenus.
  virtual void Release(MenuKind, MenuHandle menu) = 0;
};

}  // namespace qv
