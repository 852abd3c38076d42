// Loading and saving the settings record in the profile, from one table of
// its entries: where each lives, which member it fills, and where it comes
// in the order of loading and in the order of saving (the two differ).
#include <cstdint>
#include <cstdio>

#include "engine/engine.h"
#include "engine/profile.h"

namespace qv {
namespace {

// The member of the record an entry fills: one value, or one per slot.
struct Member {
  enum class Kind { Int, Text, SlotFlags, SlotInt, SlotByte, SlotText };

  constexpr Member(std::int32_t PadSettings::*m) : kind(Kind::Int), integer(m) {}
  constexpr Member(Text PadSettings::*m) : kind(Kind::Text), text(m) {}
  constexpr Member(std::uint32_t (PadSettings::*m)[BUTTON_SLOTS]) : kind(Kind::SlotFlags), flags(m) {}
  constexpr Member(std::int32_t (PadSettings::*m)[BUTTON_SLOTS]) : kind(Kind::SlotInt), integers(m) {}
  constexpr Member(std::uint8_t (PadSettings::*m)[BUTTON_SLOTS]) : kind(Kind::SlotByte), bytes(m) {}
  constexpr Member(Text (PadSettings::*m)[BUTTON_SLOTS]) : kind(Kind::SlotText), texts(m) {}

  constexpr bool PerSlot() const { return kind != Kind::Int && kind != Kind::Text; }

  Kind kind;
  std::int32_t PadSettings::*integer = nullptr;
  Text PadSettings::*text = nullptr;
  std::uint32_t (PadSettings::*flags)[BUTTON_SLOTS] = nullptr;
  std::int32_t (PadSettings::*integers)[BUTTON_SLOTS] = nullptr;
  std::uint8_t (PadSettings::*bytes)[BUTTON_SLOTS] = nullptr;
  Text (PadSettings::*texts)[BUTTON_SLOTS] = nullptr;
};

// Where an entry comes in one order. The passes run one after the other; a
// pass of single entries runs them by rank, a pass of slot entries runs
// slot by slot, each slot's entries by rank.
struct Place {
  int pass;
  int rank;
};

struct ProfileEntry {
  const char* section;
  const char* name;  // for a slot, the stem of "<stem>01" to "<stem>32"
  Member member;
  Place load;
  Place save;
};

constexpr ProfileEntry kEntries[] = {
    // section    name           member                            load    save
    {"Buttons", "PortID", &PadSettings::PortID, {0, 0}, {0, 0}},
    {"Buttons", "GSpeed", &PadSettings::GSpeed, {0, 1}, {0, 1}},
    {"Buttons", "NSpeed", &PadSettings::NSpeed, {0, 2}, {0, 2}},
    {"Buttons", "Speed", &PadSettings::Speed, {0, 3}, {0, 3}},
    {"Buttons", "Delay", &PadSettings::Delay, {0, 4}, {0, 4}},
    {"Buttons", "Sikii", &PadSettings::Sikii, {0, 5}, {0, 5}},
    {"Buttons", "Zaxis", &PadSettings::Zaxis, {0, 6}, {0, 6}},
    {"Buttons", "Button", &PadSettings::ButtonFlags, {1, 0}, {2, 0}},
    {"SoundOn", "Cursol", &PadSettings::CursorSoundOn, {2, 0}, {1, 0}},
    {"SoundOff", "Cursol", &PadSettings::CursorSoundOff, {2, 1}, {1, 1}},
    {"SoundOn", "CursolFile", &PadSettings::CursorSoundOnFile, {2, 2}, {1, 2}},
    {"SoundOff", "CursolFile", &PadSettings::CursorSoundOffFile, {2, 3}, {1, 3}},
    {"SoundOn", "Button", &PadSettings::PressSound, {3, 0}, {2, 2}},
    {"SoundOff", "Button", &PadSettings::ReleaseSound, {3, 1}, {2, 3}},
    {"AP", "Button", &PadSettings::AppPath, {3, 2}, {2, 1}},
    {"SoundOn", "File", &PadSettings::PressSoundFile, {3, 3}, {2, 4}},
    {"SoundOff", "File", &PadSettings::ReleaseSoundFile, {3, 4}, {2, 5}},
    {"Char", "Key", &PadSettings::KeyChar, {3, 5}, {2, 6}},
    {"Code", "Key", &PadSettings::KeyCode, {3, 6}, {2, 7}},
};
constexpr int kEntryCount = static_cast<int>(sizeof kEntries / sizeof kEntries[0]);

// Each order places every entry once, and no pass mixes single entries
// with slot entries.
constexpr bool IsOrder(Place ProfileEntry::*order) {
  for (int a = 0; a < kEntryCount; ++a) {
    for (int b = a + 1; b < kEntryCount; ++b) {
      const Place pa = kEntries[a].*order;
      const Place pb = kEntries[b].*order;
      if (pa.pass != pb.pass) continue;
      if (pa.rank == pb.rank) return false;
      if (kEntries[a].member.PerSlot() != kEntries[b].member.PerSlot()) return false;
    }
  }
  return true;
}
static_assert(IsOrder(&ProfileEntry::load), "every entry has a place of its own when loading");
static_assert(IsOrder(&ProfileEntry::save), "every entry has a place of its own when saving");

constexpr int PassCount(Place ProfileEntry::*order) {
  int passes = 0;
  for (const ProfileEntry& entry : kEntries)
    if ((entry.*order).pass >= passes) passes = (entry.*order).pass + 1;
  return passes;
}

struct EntryName {
  char text[16];
};

EntryName NameOf(const ProfileEntry& entry, int slot) {
  EntryName name;
  if (entry.member.PerSlot())
    std::snprintf(name.text, sizeof name.text, "%s%02d", entry.name, slot + 1);
  else
    std::snprintf(name.text, sizeof name.text, "%s", entry.name);
  return name;
}

// Runs `visit(entry, slot)` for every value of the record in `order`.
template <typename Visit>
void InOrder(Place ProfileEntry::*order, Visit visit) {
  for (int pass = 0; pass < PassCount(order); ++pass) {
    const ProfileEntry* entries[kEntryCount];
    int count = 0;
    for (int rank = 0; rank < kEntryCount; ++rank)
      for (const ProfileEntry& entry : kEntries)
        if ((entry.*order).pass == pass && (entry.*order).rank == rank) entries[count++] = &entry;
    if (count == 0) continue;
    const int slots = entries[0]->member.PerSlot() ? BUTTON_SLOTS : 1;
    for (int slot = 0; slot < slots; ++slot)
      for (int k = 0; k < count; ++k) visit(*entries[k], slot);
  }
}

void Load(Profile& profile, const ProfileEntry& entry, int slot, PadSettings& s,
          const PadSettings& defaults) {
  const Member& m = entry.member;
  const EntryName name = NameOf(entry, slot);
  switch (m.kind) {
    case Member::Kind::Int:
      s.*m.integer = profile.GetInt(entry.section, name.text, defaults.*m.integer);
      break;
    case Member::Kind::Text:
      profile.GetString(entry.section, name.text, s.*m.text, kTextCapacity);
      break;
    case Member::Kind::SlotFlags:
      (s.*m.flags)[slot] = static_cast<std::uint32_t>(profile.GetInt(
          entry.section, name.text, static_cast<std::int32_t>((defaults.*m.flags)[slot])));
      break;
    case Member::Kind::SlotInt:
      (s.*m.integers)[slot] = profile.GetInt(entry.section, name.text, (defaults.*m.integers)[slot]);
      break;
    case Member::Kind::SlotByte:
      // Only the low 8 bits of a stored key are kept.
      (s.*m.bytes)[slot] = static_cast<std::uint8_t>(
          profile.GetInt(entry.section, name.text, (defaults.*m.bytes)[slot]) & 0xFF);
      break;
    case Member::Kind::SlotText:
      profile.GetString(entry.section, name.text, (s.*m.texts)[slot], kTextCapacity);
      break;
  }
}

void Save(Profile& profile, const ProfileEntry& entry, int slot, const PadSettings& s) {
  const Member& m = entry.member;
  const EntryName name = NameOf(entry, slot);
  switch (m.kind) {
    case Member::Kind::Int:
      profile.WriteInt(entry.section, name.text, s.*m.integer);
      break;
    case Member::Kind::Text:
      profile.WriteString(entry.section, name.text, s.*m.text);
      break;
    case Member::Kind::SlotFlags:
      profile.WriteInt(entry.section, name.text, static_cast<std::int32_t>((s.*m.flags)[slot]));
      break;
    case Member::Kind::SlotInt:
      profile.WriteInt(entry.section, name.text, (s.*m.integers)[slot]);
      break;
    case Member::Kind::SlotByte:
      profile.WriteInt(entry.section, name.text, (s.*m.bytes)[slot]);
      break;
    case Member::Kind::SlotText:
      profile.WriteString(entry.section, name.text, (s.*m.texts)[slot]);
      break;
  }
}

}  // namespace

void Engine::LoadSettings() {
  Profile profile(platform_.registry);
  // A missing or unreadable entry takes the value of a new record.
  const PadSettings defaults;
  InOrder(&ProfileEntry::load, [&](const ProfileEntry& entry, int slot) {
    Load(profile, entry, slot, settings, defaults);
  });
}

void Engine::SaveSettings() {
  Profile profile(platform_.registry);
  InOrder(&ProfileEntry::save,
          [&](const ProfileEntry& entry, int slot) { Save(profile, entry, slot, settings); });
}

}  // namespace qv
