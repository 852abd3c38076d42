// The favourites menu built from a hostile folder tree: names that end in a
// Shift-JIS lead byte, names of 259 bytes, deep nesting and folders of more
// than a thousand entries. The menu never holds more than 1000 entries,
// every entry's command is its own, every path is a terminated text under
// the favourites folder, and rebuilding leaves no menu behind.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/sim/sim_platform.h"
#include "shell/favorites_menu.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using qv::fuzz::FuzzInput;

constexpr char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsLead(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// A name the file system could hold: no zero byte, and a backslash only as
// the second byte of a double-byte character.
std::string FileName(std::string name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\0') name[i] = 'x';
    if (IsLead(static_cast<std::uint8_t>(name[i])) && i + 1 < name.size()) {
      if (name[++i] == '\0') name[i] = 'x';
    } else if (name[i] == '\\') {
      name[i] = 'x';
    }
  }
  return name.empty() ? "x" : name;
}

// Short names, or long ones up to 259 bytes, often ending in a lead byte.
std::string MakeName(FuzzInput& in) {
  const std::uint8_t shape = in.Byte();
  std::string name = in.Bytes(1 + in.Below(12));
  if (name.empty()) name = "x";
  if (shape & 1) name.resize(250 + in.Below(10), static_cast<char>(shape | 0x80));
  if (shape & 2) name.back() = static_cast<char>(0x81 + in.Below(0x1F));
  return FileName(name);
}

std::uint32_t Attributes(FuzzInput& in) {
  const std::uint8_t bits = in.Byte();
  return (bits & 0x10 ? qv::kFileAttributeHidden : 0) | (bits & 0x20 ? qv::kFileAttributeSystem : 0);
}

void MakeTree(FuzzInput& in, qv::sim::SimFiles& files, const std::string& root) {
  std::vector<std::string> folders{root};
  files.AddFolder(root);
  // Enough entries to pass the menu's limit, few enough for many runs a second.
  int budget = 2500;
  for (int op = 0; op < 200 && budget > 0 && !in.Empty(); ++op) {
    --budget;
    const std::string& here = folders.back();
    switch (in.Below(6)) {
      case 0:
      case 1:
        files.AddFile(here + "\\" + MakeName(in), Attributes(in));
        break;
      case 2: {
        const std::string folder = here + "\\" + MakeName(in);
        files.AddFolder(folder, Attributes(in));
        folders.push_back(folder);
        break;
      }
      case 3:
        if (folders.size() > 1) folders.pop_back();
        break;
      case 4: {  // a crowded folder
        const std::string stem = here + "\\" + FileName(in.Bytes(1 + in.Below(6)));
        const int count = in.Byte() % 2 ? qv::FAVORITE_ITEMS_MAX + 1 + static_cast<int>(in.Below(60))
                                        : static_cast<int>(in.Below(40));
        for (int k = 0; k < count; ++k) files.AddFile(stem + std::to_string(k) + ".url");
        budget -= count;
        break;
      }
      case 5: {  // deep nesting of short names
        const int depth = 1 + static_cast<int>(in.Below(150));
        for (int k = 0; k < depth; ++k) {
          folders.push_back(folders.back() + "\\" + static_cast<char>('a' + k % 26));
          files.AddFolder(folders.back());
        }
        budget -= depth;
        break;
      }
    }
  }
}

// Counts the menu's command entries below `menu`, checking each.
int CountEntries(const qv::sim::SimMenus& menus, qv::MenuHandle menu, const qv::FavoritesMenu& favorites,
                 std::set<std::uint32_t>& ids) {
  int entries = 0;
  for (const qv::sim::SimMenuItem& item : menus.Items(menu)) {
    if (item.submenu) {
      entries += CountEntries(menus, item.submenu, favorites, ids);
      continue;
    }
    QV_FUZZ_CHECK(item.id >= FAVORITE_ID_BASE &&
                  item.id < FAVORITE_ID_BASE + static_cast<std::uint32_t>(favorites.itemCount()));
    QV_FUZZ_CHECK(ids.insert(item.id).second);
    ++entries;
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  // One simulated platform for all runs (its log alone is megabytes), with
  // a registry, files and menus of each run's own.
  static qv::sim::SimPlatform base;
  base.log.Clear();
  struct {
    qv::sim::SimRegistry registry;
    qv::sim::SimFiles files;
    qv::sim::SimMenus menus{base.log};
    qv::sim::Log& log = base.log;
  } sim;
  qv::Platform platform{base.joystick, base.timer, base.sound, base.input, base.windows, sim.menus,
                        base.shell, sim.registry, base.process, sim.files, base.dialogs};
  // The favourites folder itself may already be near the path limit.
  const std::string root = in.Byte() % 4 ? "C:\\Fav" : "C:\\" + std::string(200 + in.Below(60), 'F');
  sim.registry.PutString(qv::Hive::CurrentUser, kShellFolders, "Favorites", root);
  MakeTree(in, sim.files, root);

  qv::FavoritesMenu favorites(platform);
  QV_FUZZ_CHECK(favorites.ReadFavoritesFolder() == 1);
  favorites.BuildFavoritesMenu();
  const int count = favorites.itemCount();
  QV_FUZZ_CHECK(count >= 0 && count <= qv::FAVORITE_ITEMS_MAX);
  std::set<std::uint32_t> ids;
  QV_FUZZ_CHECK(CountEntries(sim.menus, favorites.menu(), favorites, ids) == count);
  for (int k = 0; k < count; ++k) {
    const char* path = favorites.item(k).path;
    QV_FUZZ_CHECK(std::memchr(path, '\0', qv::kTextCapacity) != nullptr);
    if (path[0] != '\0') QV_FUZZ_CHECK(std::strncmp(path, (root + "\\").c_str(), root.size() + 1) == 0);
  }

  // Rebuilding gives the same menu and frees the old one.
  const int menusBefore = sim.menus.LiveCount();
  favorites.BuildFavoritesMenu();
  QV_FUZZ_CHECK(favorites.itemCount() == count);
  QV_FUZZ_CHECK(sim.menus.LiveCount() == menusBefore);

  // A chosen entry opens its own file, or nothing for an empty folder's.
  if (count > 0) {
    const qv::FavoriteItem& item = favorites.item(static_cast<int>(in.Word() % static_cast<std::uint32_t>(count)));
    sim.log.Clear();
    QV_FUZZ_CHECK(favorites.DispatchFavoriteCommand(item.id, 0, false, 0));
    QV_FUZZ_CHECK(sim.log.Count(qv::sim::EffectKind::ShellOpen) == (item.path[0] != '\0' ? 1u : 0u));
  }
  return 0;
}
