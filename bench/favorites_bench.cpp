// Cost of building the favourites menu at its limit: 1000 shortcut files in
// a tree three folders deep, listed in an order that makes every insertion
// search its menu, rebuilt from scratch each time as the view does on open.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/constants.h"
#include "platform/sim/sim_platform.h"
#include "shell/favorites_menu.h"

namespace qv {
namespace {

constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// 8 folders of 5 subfolders of 25 files: exactly the limit. Names count
// down, so that each new entry sorts before the ones already placed.
constexpr int kTopics = 8;
constexpr int kSitesPerTopic = 5;
constexpr int kPagesPerSite = 25;
static_assert(kTopics * kSitesPerTopic * kPagesPerSite == FAVORITE_ITEMS_MAX);

void AddTree(sim::SimFiles& files, bool descending) {
  char name[64];
  for (int f = 0; f < kTopics; ++f) {
    const int fi = descending ? kTopics - 1 - f : f;
    const std::string folder = "C:\\Fav\\Topic " + std::to_string(fi);
    files.AddFolder(folder);
    for (int s = 0; s < kSitesPerTopic; ++s) {
      const int si = descending ? kSitesPerTopic - 1 - s : s;
      const std::string sub = folder + "\\Site " + std::to_string(si);
      files.AddFolder(sub);
      for (int k = 0; k < kPagesPerSite; ++k) {
        const int ki = descending ? kPagesPerSite - 1 - k : k;
        std::snprintf(name, sizeof name, "\\Page %02d of %d.%d.url", ki, fi, si);
        files.AddFile(sub + name);
      }
    }
  }
}

// Times rebuilding the menu from the folder the simulated registry names,
// and checks that every rebuild filled it to its limit.
void TimeRebuilds(benchmark::State& state, sim::SimPlatform& sim) {
  auto favorites = std::make_unique<FavoritesMenu>(sim.platform);
  if (favorites->ReadFavoritesFolder() != 1) {
    state.SkipWithError("the registry names no favourites folder");
    return;
  }
  for (auto _ : state) {
    favorites->BuildFavoritesMenu();
    benchmark::DoNotOptimize(favorites->menu());
  }
  if (favorites->itemCount() != FAVORITE_ITEMS_MAX) {
    state.SkipWithError("the folder did not fill the menu to its limit");
    return;
  }
  state.counters["items"] = favorites->itemCount();
  // Only the last menu may be alive: each rebuild destroys the one before.
  state.counters["live menus"] = static_cast<double>(sim.menus.LiveCount());
  state.SetItemsProcessed(state.iterations() * favorites->itemCount());
}

void BuildAtLimit(benchmark::State& state) {
  auto sim = std::make_unique<sim::SimPlatform>();
  sim->registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "C:\\Fav");
  AddTree(sim->files, state.range(0) != 0);
  TimeRebuilds(state, *sim);
}
BENCHMARK(BuildAtLimit)->ArgName("descending")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The worst case for finding insertion points: all 1000 files in the root,
// each new one sorting before every one already placed.
void BuildFlatAtLimit(benchmark::State& state) {
  auto sim = std::make_unique<sim::SimPlatform>();
  sim->registry.PutString(Hive::CurrentUser, kShellFolders, "Favorites", "C:\\Fav");
  char name[64];
  for (int k = FAVORITE_ITEMS_MAX - 1; k >= 0; --k) {
    std::snprintf(name, sizeof name, "C:\\Fav\\Link %04d.url", k);
    sim->files.AddFile(name);
  }
  TimeRebuilds(state, *sim);
}
BENCHMARK(BuildFlatAtLimit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
