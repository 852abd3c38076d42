// A menu resource as data: the pop-ups of a menu bar and their items. The
// simulated host loads menus from such tables; the program keeps its own
// menu's table beside its resource script so that both say the same.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

struct MenuTemplateItem {
  const char* text;      // the program's text; ignored for a separator
  std::uint32_t id;      // 0 for a separator
  std::uint32_t flags;   // kMfSeparator, kMfGrayed
};

struct MenuTemplatePopup {
  const char* title;
  const MenuTemplateItem* items;
  std::size_t count;
};

}  // namespace qv
