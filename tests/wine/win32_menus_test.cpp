// Menus built through the port and read back: the program's Shift-JIS text
// survives the trip through the wide functions byte for byte, positions,
// submenus and states behave as the port describes.
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

#include "platform/constants.h"
#include "platform/text.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_menus.h"
#include "shell/resource_ids.h"
#include "tests/wine/check.h"

namespace {

struct Menu {
  qv::Win32Menus menus;
  qv::OwnedMenu owner = menus.CreatePopupMenu();
  qv::MenuHandle handle = owner.get();
};

std::string Text(qv::Win32Menus& menus, qv::MenuHandle menu, int position,
                 qv::TextCode code = qv::TextCode::Program) {
  char text[qv::kTextCapacity];
  const std::size_t n = menus.ItemText(menu, position, code, text, sizeof(text));
  return std::string(text, n);
}

TEST_CASE(program_coded_japanese_text_reads_back_identical_bytes) {
  Menu m;
  CHECK(m.handle != 0);
  const char* setup = "セットアップ(S)...";
  const char* exit = "終了(&X)";
  const char* none = "(なし)";
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, ID_SETUP, qv::TextCode::Program, setup)));
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, ID_APP_EXIT, qv::TextCode::Program, exit)));
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfGrayed, FAVORITE_ID_BASE, qv::TextCode::Program, none)));
  CHECK_EQ(m.menus.ItemCount(m.handle), 3);
  CHECK(Text(m.menus, m.handle, 0) == setup);
  CHECK(Text(m.menus, m.handle, 1) == exit);
  CHECK(Text(m.menus, m.handle, 2) == none);
  // The text is shown as the Japanese it is, whatever the system's code page.
  wchar_t wide[64] = {};
  ::GetMenuStringW(reinterpret_cast<HMENU>(m.handle), 1, wide, 64, MF_BYPOSITION);
  CHECK(std::wcscmp(wide, L"終了(&X)") == 0);
}

TEST_CASE(system_coded_text_uses_the_ansi_code_page) {
  Menu m;
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, 1, qv::TextCode::System, "news.old")));
  CHECK(Text(m.menus, m.handle, 0, qv::TextCode::System) == "news.old");
  if (::GetACP() != 932) {
    // Shift-JIS bytes taken as system text are not the Japanese they spell.
    const char* japanese = "お気に入り";
    CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, 2, qv::TextCode::System, japanese)));
    wchar_t wide[64] = {};
    ::GetMenuStringW(reinterpret_cast<HMENU>(m.handle), 1, wide, 64, MF_BYPOSITION);
    CHECK(std::wcscmp(wide, L"お気に入り") != 0);
    CHECK(Text(m.menus, m.handle, 1, qv::TextCode::System) == japanese);
  }
}

TEST_CASE(item_text_is_cut_at_a_character_boundary) {
  Menu m;
  const char* text = "セットアップ";  // six double-byte characters
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, 1, qv::TextCode::Program, text)));
  char out[6];
  std::memset(out, 'x', sizeof(out));
  // Five bytes of room: two characters, not two and a half.
  CHECK_EQ(m.menus.ItemText(m.handle, 0, qv::TextCode::Program, out, sizeof(out)), 4u);
  CHECK(std::memcmp(out, text, 4) == 0);
  CHECK_EQ(out[4], '\0');
  char one[1] = {'x'};
  CHECK_EQ(m.menus.ItemText(m.handle, 0, qv::TextCode::Program, one, 1), 0u);
  CHECK_EQ(one[0], '\0');
}

TEST_CASE(insert_places_items_by_position_and_appends_past_the_end) {
  Menu m;
  CHECK(qv::Succeeded(m.menus.InsertItem(m.handle, 0, 10, qv::TextCode::Program, "b")));
  CHECK(qv::Succeeded(m.menus.InsertItem(m.handle, 0, 11, qv::TextCode::Program, "a")));
  CHECK(qv::Succeeded(m.menus.InsertItem(m.handle, 5, 12, qv::TextCode::Program, "d")));
  CHECK(qv::Succeeded(m.menus.InsertItem(m.handle, 2, 13, qv::TextCode::Program, "c")));
  CHECK_EQ(m.menus.ItemCount(m.handle), 4);
  CHECK(Text(m.menus, m.handle, 0) == "a");
  CHECK(Text(m.menus, m.handle, 1) == "b");
  CHECK(Text(m.menus, m.handle, 2) == "c");
  CHECK(Text(m.menus, m.handle, 3) == "d");
  CHECK_EQ(m.menus.ItemId(m.handle, 0), 11u);
  CHECK_EQ(m.menus.ItemId(m.handle, 3), 12u);
}

TEST_CASE(submenus_separators_and_grey_states) {
  Menu m;
  qv::OwnedMenu subOwner = m.menus.CreatePopupMenu();
  const qv::MenuHandle sub = subOwner.get();
  CHECK(qv::Succeeded(m.menus.AppendItem(sub, qv::kMfGrayed, FAVORITE_ID_BASE, qv::TextCode::Program, "(なし)")));
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfString, 1, qv::TextCode::Program, "item")));
  CHECK(qv::Succeeded(m.menus.AppendItem(m.handle, qv::kMfSeparator, 0, qv::TextCode::Program, nullptr)));
  CHECK(qv::Succeeded(m.menus.InsertSubMenu(m.handle, 0, std::move(subOwner), qv::TextCode::Program, "フォルダ")));

  CHECK_EQ(m.menus.ItemCount(m.handle), 3);
  CHECK_EQ(m.menus.SubMenu(m.handle, 0), sub);
  CHECK_EQ(m.menus.SubMenu(m.handle, 1), 0u);
  CHECK(Text(m.menus, m.handle, 0) == "フォルダ");
  CHECK((m.menus.ItemState(m.handle, 0) & qv::kMfPopup) != 0);
  CHECK_EQ(m.menus.ItemId(m.handle, 0), qv::kMenuNoItem);
  CHECK((m.menus.ItemState(m.handle, 2) & qv::kMfSeparator) != 0);
  CHECK_EQ(Text(m.menus, m.handle, 2), "");
  CHECK((m.menus.ItemState(sub, 0) & qv::kMfGrayed) != 0);

  // Greying by command and back.
  CHECK_EQ(m.menus.ItemState(m.handle, 1) & qv::kMfGrayed, 0u);
  m.menus.EnableItem(m.handle, 1, qv::kMfGrayed);
  CHECK((m.menus.ItemState(m.handle, 1) & qv::kMfGrayed) != 0);
  m.menus.EnableItem(m.handle, 1, qv::kMfEnabled);
  CHECK_EQ(m.menus.ItemState(m.handle, 1) & qv::kMfGrayed, 0u);
  CHECK_EQ(m.menus.ItemState(m.handle, 7), qv::kMenuNoItem);
  // The submenu goes with its parent (Menu's owner); its own owner let it go.
  CHECK(!subOwner);
}

TEST_CASE(a_menu_resource_the_program_does_not_have_loads_as_none) {
  qv::Win32Menus menus;
  CHECK(!menus.LoadMenuResource(4321));
}

}  // namespace

RUN_TESTS()
