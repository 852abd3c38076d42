// The order in which a flags word's action is found, and the enable table.
#include "config/button_actions.h"

namespace qv {
namespace {

// Not the radio buttons' order: the stick actions that change the pointer's
// speed come before the ones that replace its movement.
constexpr std::uint32_t kShownOrder[] = {
    BA_LEFT,  BA_RIGHT,        BA_MIDDLE,      BA_WHEEL_STICK, BA_WHEEL_UP, BA_WHEEL_DOWN, BA_ACCEL,
    BA_DECEL, BA_SCROLL_STICK, BA_ARROW_STICK, BA_FAVORITES,   BA_LAUNCH,   BA_KEY,
};

struct EnableRow {
  std::uint32_t actions;
  EnableState state;
};

constexpr std::uint32_t kModifiers = BX_SHIFT | BX_CTRL;

constexpr EnableRow kEnableRows[] = {
    {BA_LEFT | BA_RIGHT | BA_MIDDLE, {kModifiers | BX_ALT | BX_DOUBLE | BX_HOLD, false}},
    {BA_WHEEL_STICK, {kModifiers | BX_HOLD, false}},
    {BA_WHEEL_UP | BA_WHEEL_DOWN, {kModifiers, false}},
    {BA_ACCEL | BA_DECEL, {kModifiers | BX_ALT, false}},
    {BA_SCROLL_STICK | BA_ARROW_STICK, {kModifiers | BX_ALT | BX_HOLD, false}},
    {BA_FAVORITES, {0, false}},
    {BA_LAUNCH, {0, true}},
    {BA_KEY, {kModifiers | BX_ALT | BX_HOLD, false}},
};
constexpr EnableState kNoActionState = {kModifiers | BX_ALT | BX_HOLD, false};

}  // namespace

std::uint32_t ShownAction(std::uint32_t flags) {
  for (const std::uint32_t action : kShownOrder)
    if ((flags & action) != 0) return action;
  return 0;
}

const ActionRadio& RadioOf(std::uint32_t shownAction) {
  for (const ActionRadio& radio : kActionRadios)
    if (radio.action == shownAction) return radio;
  return kActionRadios[0];
}

std::uint32_t ChooseAction(std::uint32_t flags, const ActionRadio& radio) {
  return ((flags & ~kActionField) | radio.action) & ~radio.clearedExtensions;
}

EnableState EnableStateOf(std::uint32_t shownAction) {
  for (const EnableRow& row : kEnableRows)
    if ((row.actions & shownAction) != 0) return row.state;
  return kNoActionState;
}

}  // namespace qv
