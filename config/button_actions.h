// The button page's rules as tables: what each action radio button does to
// a slot's flags word, which action a flags word shows, which boxes that
// action leaves enabled, and which bit each extension box stands for.
#pragma once

#include <cstdint>

#include "config/config_ids.h"
#include "engine/pad_settings.h"

namespace qv {

// Every bit below the extension bits; a radio click clears them all, the
// reserved ones included, before it sets its own.
inline constexpr std::uint32_t kActionField = 0x0000FFFFu;

struct ActionRadio {
  int id;
  std::uint32_t action;              // 0 for "none"
  std::uint32_t clearedExtensions;  // extension bits the choice rules out
};

// In the page's tab order.
inline constexpr ActionRadio kActionRadios[] = {
    {IDC_ACTION_NONE, 0, BX_DOUBLE},
    {IDC_ACTION_LEFT, BA_LEFT, 0},
    {IDC_ACTION_RIGHT, BA_RIGHT, 0},
    {IDC_ACTION_MIDDLE, BA_MIDDLE, 0},
    {IDC_ACTION_WHEEL_UP, BA_WHEEL_UP, BX_HOLD | BX_DOUBLE | BX_ALT},
    {IDC_ACTION_WHEEL_DOWN, BA_WHEEL_DOWN, BX_HOLD | BX_DOUBLE | BX_ALT},
    {IDC_ACTION_WHEEL_STICK, BA_WHEEL_STICK, BX_DOUBLE | BX_ALT},
    {IDC_ACTION_SCROLL_STICK, BA_SCROLL_STICK, 0},
    {IDC_ACTION_ARROW_STICK, BA_ARROW_STICK, 0},
    {IDC_ACTION_ACCEL, BA_ACCEL, BX_HOLD | BX_DOUBLE},
    {IDC_ACTION_DECEL, BA_DECEL, BX_HOLD | BX_DOUBLE},
    {IDC_ACTION_FAVORITES, BA_FAVORITES, BX_SHIFT | BX_CTRL | BX_ALT | BX_HOLD | BX_DOUBLE},
    {IDC_ACTION_KEY, BA_KEY, BX_DOUBLE},
    {IDC_ACTION_LAUNCH, BA_LAUNCH, BX_SHIFT | BX_CTRL | BX_ALT | BX_HOLD | BX_DOUBLE},
};
inline constexpr int kActionRadioCount = sizeof kActionRadios / sizeof kActionRadios[0];

struct ExtensionBox {
  int id;
  std::uint32_t bit;
};

inline constexpr ExtensionBox kExtensionBoxes[] = {
    {IDC_EXT_DOUBLE, BX_DOUBLE}, {IDC_EXT_HOLD, BX_HOLD}, {IDC_EXT_SHIFT, BX_SHIFT},
    {IDC_EXT_CTRL, BX_CTRL},     {IDC_EXT_ALT, BX_ALT},
};
inline constexpr int kExtensionBoxCount = sizeof kExtensionBoxes / sizeof kExtensionBoxes[0];

// Which of the page's optional controls an action leaves enabled: the
// extension boxes by their bits, and the program field with its browse
// button.
struct EnableState {
  std::uint32_t extensions;
  bool appPath;
};

// The action a flags word shows: the first action bit in the page's order
// (a hand-edited profile may hold several), 0 for none.
[[nodiscard]] std::uint32_t ShownAction(std::uint32_t flags);
// The radio button standing for an action that ShownAction gives.
[[nodiscard]] const ActionRadio& RadioOf(std::uint32_t shownAction);
// The flags word after a click on `radio`.
[[nodiscard]] std::uint32_t ChooseAction(std::uint32_t flags, const ActionRadio& radio);
[[nodiscard]] EnableState EnableStateOf(std::uint32_t shownAction);

}  // namespace qv
