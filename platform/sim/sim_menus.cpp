// In-memory menus of the simulated platform.
#include "platform/sim/sim_menus.h"

#include "platform/constants.h"
#include "platform/text.h"

namespace qv::sim {

OwnedMenu SimMenus::LoadMenuResource(std::uint32_t resourceId) {
  auto it = resources_.find(resourceId);
  if (it == resources_.end()) return {};
  OwnedMenu menu = CreatePopupMenu();
  it->second(*this, menu.get());
  return menu;
}

OwnedMenu SimMenus::CreatePopupMenu() {
  const MenuHandle menu = next_++;
  menus_[menu];
  return OwnedMenu(*this, menu);
}

void SimMenus::Release(MenuKind kind, MenuHandle menu) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return;
  std::vector<SimMenuItem> items = std::move(it->second);
  menus_.erase(it);
  for (const SimMenuItem& item : items)
    if (item.submenu) Release(kind, item.submenu);
}

SimMenuItem* SimMenus::ItemAt(MenuHandle menu, std::int32_t position) {
  auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 ||
      static_cast<std::size_t>(position) >= it->second.size())
    return nullptr;
  return &it->second[static_cast<std::size_t>(position)];
}

MenuHandle SimMenus::SubMenu(MenuHandle menu, std::int32_t position) {
  const SimMenuItem* item = ItemAt(menu, position);
  return item ? item->submenu : 0;
}

std::int32_t SimMenus::ItemCount(MenuHandle menu) {
  auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<std::int32_t>(it->second.size());
}

std::size_t SimMenus::ItemText(MenuHandle menu, std::int32_t position, TextCode, char* text,
                               std::size_t capacity) {
  const SimMenuItem* item = ItemAt(menu, position);
  if (!item) {
    if (capacity) text[0] = '\0';
    return 0;
  }
  return CopyText(text, capacity, item->text.c_str(), item->text.size());
}

std::uint32_t SimMenus::ItemId(MenuHandle menu, std::int32_t position) {
  const SimMenuItem* item = ItemAt(menu, position);
  if (!item) return 0;
  return item->submenu ? kMenuNoItem : item->id;
}

std::uint32_t SimMenus::ItemState(MenuHandle menu, std::int32_t position) {
  const SimMenuItem* item = ItemAt(menu, position);
  if (!item) return kMenuNoItem;
  return item->state | (item->submenu ? kMfPopup : 0);
}

Status SimMenus::InsertItem(MenuHandle menu, std::int32_t position, std::uint32_t id, TextCode code,
                          const char* text) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return Status::Failed;
  auto& items = it->second;
  const std::size_t at = (position < 0 || static_cast<std::size_t>(position) > items.size())
                             ? items.size()
                             : static_cast<std::size_t>(position);
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), SimMenuItem{text, id, 0, 0, code});
  return Status::Ok;
}

Status SimMenus::InsertSubMenu(MenuHandle menu, std::int32_t position, OwnedMenu submenu,
                             TextCode code, const char* text) {
  if (!Exists(submenu.get())) return Status::Failed;
  if (!Succeeded(InsertItem(menu, position, 0, code, text))) return Status::Failed;
  auto& items = menus_[menu];
  const std::size_t at = (position < 0 || static_cast<std::size_t>(position) >= items.size())
                             ? items.size() - 1
                             : static_cast<std::size_t>(position);
  items[at].submenu = submenu.get();
  submenu.HandOver();
  return Status::Ok;
}

Status SimMenus::AppendItem(MenuHandle menu, std::uint32_t flags, std::uint32_t id, TextCode code,
                          const char* text) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return Status::Failed;
  SimMenuItem item;
  item.text = (flags & kMfSeparator) || !text ? "" : text;
  item.id = id;
  item.state = flags & (kMfGrayed | kMfDisabled | kMfSeparator);
  item.code = code;
  it->second.push_back(item);
  return Status::Ok;
}

void SimMenus::EnableItem(MenuHandle menu, std::uint32_t id, std::uint32_t enableFlags) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) return;
  for (SimMenuItem& item : it->second) {
    if (item.submenu) EnableItem(item.submenu, id, enableFlags);
    if (!item.submenu && item.id == id)
      item.state = (item.state & ~(kMfGrayed | kMfDisabled)) | (enableFlags & (kMfGrayed | kMfDisabled));
  }
}

Status SimMenus::TrackPopupMenu(MenuHandle menu, std::uint32_t flags, Point where,
                              WindowHandle owner) {
  log_.Add(EffectKind::TrackMenu, owner, TrackMenuFields{flags, where.x, where.y, menu});
  if (onTrack) onTrack(menu, owner);
  return OkOrFailed(Exists(menu));
}

}  // namespace qv::sim
