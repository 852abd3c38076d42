// The button dispatcher: press and release detection, hold-mode latches,
// mouse buttons, wheel repeat, keys with their modifiers, launching and the
// favourites command, with reference counts for actions that buttons share.
#include <cstdint>

#include "engine/engine.h"
#include "platform/constants.h"

namespace qv {
namespace {

inline constexpr std::uint32_t kWheelButtons = BA_WHEEL_UP | BA_WHEEL_DOWN;
// A hold-mode button's latch: the first press takes it, the release after it
// leaves it latched, and the release after the next press lets it go.
inline constexpr std::int32_t kHoldNone = 0;
inline constexpr std::int32_t kHoldFirstPress = 1;
inline constexpr std::int32_t kHoldLatched = 2;
inline constexpr std::int32_t kHoldSecondPress = 3;
// The shell answers a failed open with a result of 32 or less.
inline constexpr std::intptr_t kShellOpenFailedMax = 32;

// A counter shared by several buttons. Never taken below zero: a button whose
// action changed while it was held must not leave the count off by one,
// which would swallow the next press of every button sharing it.
void CountDown(std::int32_t& count) {
  if (count > 0) --count;
}

struct Counted {
  std::uint32_t flag;
  std::int32_t ButtonState::*count;
};

constexpr Counted kCounters[] = {
    {BA_LEFT, &ButtonState::LeftCount},
    {BA_MIDDLE, &ButtonState::MiddleCount},
    {BA_RIGHT, &ButtonState::RightCount},
    {BA_SCROLL_STICK, &ButtonState::ScrollCount},
    {BA_WHEEL_STICK, &ButtonState::WheelStickCount},
    {BA_ARROW_STICK, &ButtonState::ArrowCount},
    {BA_WHEEL_UP, &ButtonState::WheelUpCount},
    {BA_WHEEL_DOWN, &ButtonState::WheelDownCount},
};

struct MouseButton {
  std::uint32_t flag;
  std::int32_t ButtonState::*count;
  std::uint32_t down;
  std::uint32_t up;
};

constexpr MouseButton kMouseButtons[] = {
    {BA_LEFT, &ButtonState::LeftCount, kMouseLeftDown, kMouseLeftUp},
    {BA_RIGHT, &ButtonState::RightCount, kMouseRightDown, kMouseRightUp},
    {BA_MIDDLE, &ButtonState::MiddleCount, kMouseMiddleDown, kMouseMiddleUp},
};

const MouseButton* SoleMouseButton(std::uint32_t flags, const ButtonState& buttons) {
  for (const MouseButton& m : kMouseButtons)
    if ((flags & m.flag) && buttons.*m.count == 1) return &m;
  return nullptr;
}

}  // namespace

void Engine::DispatchButton(int i, std::uint32_t mask) {
  const bool pressed = (mask >> i) & 1u;
  if ((settings.ButtonFlags[i] & BX_HOLD) == 0) {
    if (pressed)
      PressButton(i);
    else if (buttons.PressState[i] != 0)
      ReleaseButton(i);
    return;
  }

  std::int32_t& hold = buttons.HoldState[i];
  switch (hold) {
    case kHoldNone:
      if (!pressed) break;
      if (buttons.HoldCount == 0) host_.SetNotifyIcon(IconPicture::Holding);
      PressButton(i);
      hold = kHoldFirstPress;
      ++buttons.HoldCount;
      break;
    case kHoldFirstPress:
      if (!pressed) hold = kHoldLatched;
      break;
    case kHoldLatched:
      if (pressed) hold = kHoldSecondPress;
      break;
    default:
      if (pressed) break;
      ReleaseButton(i);
      hold = kHoldNone;
      CountDown(buttons.HoldCount);
      if (buttons.HoldCount == 0) host_.SetNotifyIcon(IconPicture::Active);
      break;
  }
}

void Engine::PressButton(int i) {
  const std::uint32_t flags = settings.ButtonFlags[i];
  const std::uint32_t started = buttons.PressState[i];
  // Only a wheel button needs the clock: a running one comes back to repeat.
  std::uint32_t now = 0;
  if (flags & kWheelButtons) {
    now = platform_.timer.Now();
    if (started > 1 && now < started) return;
  } else if (started != 0) {
    return;
  }

  if (started == 0) {
    for (const Counted& c : kCounters)
      if (flags & c.flag) ++(buttons.*c.count);
    if (settings.PressSound[i]) platform_.sound.PlayAsync(settings.PressSoundFile[i]);
    KeyEvent(i, false);
    if ((flags & kWheelButtons) && state.LegacyWheel == 1) {
      // Here the first notch follows on the next tick, once the modifier
      // keys are down.
      buttons.PressState[i] = 1;
      return;
    }
  }

  if (const MouseButton* m = SoleMouseButton(flags, buttons)) {
    platform_.input.SendMouse(m->down, 0, 0, 0);
    if (flags & BX_DOUBLE) {
      platform_.input.SendMouse(m->up, 0, 0, 0);
      platform_.input.SendMouse(m->down, 0, 0, 0);
    }
    buttons.PressState[i] = 1;
    return;
  }

  const bool wheelUp = (flags & BA_WHEEL_UP) && buttons.WheelUpCount > 0;
  const bool wheelDown = !wheelUp && (flags & BA_WHEEL_DOWN) && buttons.WheelDownCount > 0;
  if (wheelUp || wheelDown) {
    ButtonWheel(i, wheelUp ? kWheelDelta : -kWheelDelta);
    std::uint32_t next = started <= 1 ? now + RepeatDelay() : now;
    // 0 and 1 mean "idle" and "running"; a repeat time that wraps onto them
    // is moved on by a millisecond or two.
    if (next <= 1) next = 2;
    buttons.PressState[i] = next;
    return;
  }

  buttons.PressState[i] = 1;
}

void Engine::ButtonWheel(int i, std::int32_t delta) {
  if (state.LegacyWheel == 0) {
    platform_.input.SendMouse(kMouseWheel, 0, 0, delta);
    return;
  }
  const std::uint32_t flags = settings.ButtonFlags[i];
  SendWheelMessage(delta, (flags & BX_SHIFT) != 0, (flags & BX_CTRL) != 0);
}

void Engine::ReleaseButton(int i) {
  const std::uint32_t flags = settings.ButtonFlags[i];
  if (settings.ReleaseSound[i]) platform_.sound.PlayAsync(settings.ReleaseSoundFile[i]);

  if (const MouseButton* m = SoleMouseButton(flags, buttons)) {
    platform_.input.SendMouse(m->up, 0, 0, 0);
  } else if (flags & BA_FAVORITES) {
    host_.PostFavoritesCommand();
  } else if ((flags & BA_LAUNCH) && settings.AppPath[i][0] != '\0') {
    if (platform_.shell.Open(0, settings.AppPath[i], kSwShowDefault) <= kShellOpenFailedMax)
      host_.ShowLaunchFailure();
  }

  for (const Counted& c : kCounters)
    if (flags & c.flag) CountDown(buttons.*c.count);
  buttons.PressState[i] = 0;
  buttons.PendingKeyUp |= 1u << i;
}

void Engine::KeyEvent(int i, bool up) {
  const std::uint32_t flags = settings.ButtonFlags[i];
  struct KeyOfButton {
    std::uint32_t flag;
    std::uint8_t vk;
    std::uint8_t scan;
  };
  const KeyOfButton keys[] = {
      {BX_SHIFT, kVkShift, 0},
      {BX_CTRL, kVkControl, 0},
      {BX_ALT, kVkMenu, 0},
      {BA_KEY, settings.KeyChar[i], settings.KeyCode[i]},
  };

  if (up)
    for (const KeyOfButton& k : keys)
      if ((flags & k.flag) && buttons.KeyRefCount[k.vk] > 0) --buttons.KeyRefCount[k.vk];

  for (const KeyOfButton& k : keys)
    if ((flags & k.flag) && buttons.KeyRefCount[k.vk] == 0)
      platform_.input.SendKey(k.vk, k.scan, kKeyEventExtendedKey | (up ? kKeyEventKeyUp : 0u));

  if (!up)
    for (const KeyOfButton& k : keys)
      if (flags & k.flag) ++buttons.KeyRefCount[k.vk];
}

void Engine::FlushKeyUps() {
  if (buttons.PendingKeyUp == 0) return;
  for (int i = 0; i < caps.ButtonCount; ++i)
    if (buttons.PendingKeyUp & (1u << i)) KeyEvent(i, true);
  buttons.PendingKeyUp = 0;
}

void Engine::ReleaseLatchedButtons() {
  for (int slot = 0; slot < BUTTON_SLOTS && buttons.HoldCount > 0; ++slot) {
    if (buttons.HoldState[slot] == kHoldNone) continue;
    ReleaseButton(slot);
    buttons.HoldState[slot] = kHoldNone;
    --buttons.HoldCount;
  }
}

}  // namespace qv
