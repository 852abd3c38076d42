// The action radio buttons' bit rules, the action a flags word shows, and
// the enable table.
#include "config/button_actions.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const ActionRadio& Radio(int id) {
  for (const ActionRadio& radio : kActionRadios)
    if (radio.id == id) return radio;
  ADD_FAILURE() << "no radio button " << id;
  return kActionRadios[0];
}

constexpr std::uint32_t kAllExtensions = BX_SHIFT | BX_CTRL | BX_DOUBLE | BX_ALT | BX_HOLD;
// Bits of the action field that no action uses: one between BA_MIDDLE and
// BA_WHEEL_STICK, two above BA_KEY.
constexpr std::uint32_t kUnusedActionBit = 0x8u;
constexpr std::uint32_t kUnusedHighActionBits = 0x4000u | 0x8000u;

TEST(ButtonActions, FavouritesClearsEveryModifierAndLeftButtonLeavesThemCleared) {
  std::uint32_t flags = BA_KEY | kAllExtensions;
  flags = ChooseAction(flags, Radio(IDC_ACTION_FAVORITES));
  EXPECT_EQ(flags, BA_FAVORITES);
  flags = ChooseAction(flags, Radio(IDC_ACTION_LEFT));
  EXPECT_EQ(flags, BA_LEFT);
  const EnableState state = EnableStateOf(ShownAction(flags));
  EXPECT_EQ(state.extensions, kAllExtensions);
  EXPECT_FALSE(state.appPath);
}

TEST(ButtonActions, ScrollKeepsDoubleClickButDisablesItsBox) {
  const std::uint32_t flags = ChooseAction(BA_LEFT | BX_DOUBLE, Radio(IDC_ACTION_SCROLL_STICK));
  EXPECT_EQ(flags, BA_SCROLL_STICK | BX_DOUBLE);
  EXPECT_EQ(EnableStateOf(ShownAction(flags)).extensions & BX_DOUBLE, 0u);
}

TEST(ButtonActions, EachRadioClearsItsOwnExtensionsAndKeepsTheOthers) {
  struct Case {
    int id;
    std::uint32_t kept;
  };
  const Case cases[] = {
      {IDC_ACTION_NONE, kAllExtensions & ~BX_DOUBLE},
      {IDC_ACTION_MIDDLE, kAllExtensions},
      {IDC_ACTION_WHEEL_UP, BX_SHIFT | BX_CTRL},
      {IDC_ACTION_WHEEL_STICK, BX_SHIFT | BX_CTRL | BX_HOLD},
      {IDC_ACTION_DECEL, BX_SHIFT | BX_CTRL | BX_ALT},
      {IDC_ACTION_KEY, kAllExtensions & ~BX_DOUBLE},
      {IDC_ACTION_LAUNCH, 0},
  };
  for (const Case& c : cases) {
    const ActionRadio& radio = Radio(c.id);
    EXPECT_EQ(ChooseAction(BA_RIGHT | kAllExtensions, radio), radio.action | c.kept) << c.id;
  }
}

TEST(ButtonActions, SeveralActionBitsShowTheFirstInOrderAndAClickLeavesExactlyOne) {
  // Deceleration is looked for before the stick actions that replace the
  // pointer's movement, whatever the radio buttons' order.
  EXPECT_EQ(ShownAction(BA_ARROW_STICK | BA_DECEL | BA_KEY), BA_DECEL);
  EXPECT_EQ(RadioOf(BA_DECEL).id, IDC_ACTION_DECEL);
  EXPECT_EQ(ShownAction(BA_KEY | BA_LAUNCH), BA_LAUNCH);
  EXPECT_EQ(ShownAction(BX_SHIFT | kUnusedActionBit), 0u);
  EXPECT_EQ(RadioOf(0).id, IDC_ACTION_NONE);
  // Reserved bits of the action field go too.
  const std::uint32_t messy =
      BA_LEFT | BA_WHEEL_UP | BA_KEY | kUnusedActionBit | kUnusedHighActionBits | BX_CTRL;
  EXPECT_EQ(ChooseAction(messy, Radio(IDC_ACTION_WHEEL_DOWN)), BA_WHEEL_DOWN | BX_CTRL);
}

TEST(ButtonActions, EnableTableRowsThatDifferFromTheLeftButton) {
  EXPECT_EQ(EnableStateOf(BA_WHEEL_STICK).extensions, BX_SHIFT | BX_CTRL | BX_HOLD);
  EXPECT_EQ(EnableStateOf(BA_WHEEL_DOWN).extensions, BX_SHIFT | BX_CTRL);
  EXPECT_EQ(EnableStateOf(BA_ACCEL).extensions, BX_SHIFT | BX_CTRL | BX_ALT);
  EXPECT_EQ(EnableStateOf(BA_FAVORITES).extensions, 0u);
  EXPECT_FALSE(EnableStateOf(BA_FAVORITES).appPath);
  EXPECT_EQ(EnableStateOf(BA_LAUNCH).extensions, 0u);
  EXPECT_TRUE(EnableStateOf(BA_LAUNCH).appPath);
  EXPECT_EQ(EnableStateOf(BA_KEY).extensions, kAllExtensions & ~BX_DOUBLE);
  EXPECT_EQ(EnableStateOf(0).extensions, kAllExtensions & ~BX_DOUBLE);
}

}  // namespace
}  // namespace qv
