// user32 menu functions behind the Menus port.
#include "platform/win32/win32_menus.h"

#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace qv {
namespace {

// Longest item text read back, in UTF-16 units; menu texts are short.
constexpr int kMaxItemText = 512;

// Inserting by position at or past the end is the same as appending; the
// system only documents -1 for that, so the port says it plainly.
bool InsertOrAppend(HMENU menu, std::int32_t position, UINT flags, UINT_PTR item,
                    const std::wstring& text) {
  const int count = ::GetMenuItemCount(menu);
  if (position < 0 || count < 0 || position >= count) {
    return ::AppendMenuW(menu, flags, item, text.c_str()) != FALSE;
  }
  return ::InsertMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | flags, item,
                       text.c_str()) != FALSE;
}

}  // namespace

OwnedMenu Win32Menus::LoadMenuResource(std::uint32_t resourceId) {
  return OwnedMenu(*this, FromHmenu(::LoadMenuW(::GetModuleHandleW(nullptr),
                                                MAKEINTRESOURCEW(static_cast<WORD>(resourceId)))));
}

OwnedMenu Win32Menus::CreatePopupMenu() { return OwnedMenu(*this, FromHmenu(::CreatePopupMenu())); }

void Win32Menus::Release(MenuKind, MenuHandle menu) { ::DestroyMenu(ToHmenu(menu)); }

MenuHandle Win32Menus::SubMenu(MenuHandle menu, std::int32_t position) {
  return FromHmenu(::GetSubMenu(ToHmenu(menu), position));
}

std::int32_t Win32Menus::ItemCount(MenuHandle menu) { return ::GetMenuItemCount(ToHmenu(menu)); }

std::size_t Win32Menus::ItemText(MenuHandle menu, std::int32_t position, TextCode code, char* text,
                                 std::size_t capacity) {
  if (capacity == 0) return 0;
  text[0] = '\0';
  wchar_t wide[kMaxItemText];
  const int length = ::GetMenuStringW(ToHmenu(menu), static_cast<UINT>(position), wide,
                                      kMaxItemText, MF_BYPOSITION);
  if (length <= 0) return 0;
  return FromWide(CodePageOf(code), wide, text, capacity);
}

std::uint32_t Win32Menus::ItemId(MenuHandle menu, std::int32_t position) {
  return ::GetMenuItemID(ToHmenu(menu), position);
}

std::uint32_t Win32Menus::ItemState(MenuHandle menu, std::int32_t position) {
  const UINT state = ::GetMenuState(ToHmenu(menu), static_cast<UINT>(position), MF_BYPOSITION);
  if (state == kMenuNoItem) return kMenuNoItem;
  // For a pop-up item the high byte holds the submenu's item count, and the
  // state bits are the low byte alone.
  constexpr UINT kPopupStateBits = 0xFFu;
  return (state & MF_POPUP) ? (state & kPopupStateBits) : state;
}

Status Win32Menus::InsertItem(MenuHandle menu, std::int32_t position, std::uint32_t id, TextCode code,
                            const char* text) {
  return OkOrFailed(InsertOrAppend(ToHmenu(menu), position, MF_STRING, id, ToWide(CodePageOf(code), text)));
}

Status Win32Menus::InsertSubMenu(MenuHandle menu, std::int32_t position, OwnedMenu submenu,
                               TextCode code, const char* text) {
  if (!InsertOrAppend(ToHmenu(menu), position, MF_STRING | MF_POPUP, submenu.get(),
                      ToWide(CodePageOf(code), text)))
    return Status::Failed;
  submenu.HandOver();
  return Status::Ok;
}

Status Win32Menus::AppendItem(MenuHandle menu, std::uint32_t flags, std::uint32_t id, TextCode code,
                            const char* text) {
  if (flags & MF_SEPARATOR) return OkOrFailed(::AppendMenuW(ToHmenu(menu), flags, id, nullptr) != FALSE);
  const std::wstring wide = ToWide(CodePageOf(code), text);
  return OkOrFailed(::AppendMenuW(ToHmenu(menu), flags | MF_STRING, id, wide.c_str()) != FALSE);
}

void Win32Menus::EnableItem(MenuHandle menu, std::uint32_t id, std::uint32_t enableFlags) {
  ::EnableMenuItem(ToHmenu(menu), id, MF_BYCOMMAND | enableFlags);
}

Status Win32Menus::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                                WindowHandle owner) {
  const BOOL tracked =
      ::TrackPopupMenu(ToHmenu(menu), flags, where.x, where.y, 0, ToHwnd(owner), nullptr);
  // A menu tracked for a notification icon misbehaves the next time it opens
  // (it closes at once) unless the owner receives a message after tracking;
  // the documented remedy is to post it an empty one.
  ::PostMessageW(ToHwnd(owner), WM_NULL, 0, 0);
  return OkOrFailed(tracked != FALSE);
}

}  // namespace qv
