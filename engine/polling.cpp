// The polling tick: read the pad, stop on failure or SHIFT+PAUSE,
// auto-repeat and deceleration, throttle, hat, stick, pointer motion and
// its sounds, then the buttons. A tick allocates nothing.
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "engine/engine.h"
#include "platform/constants.h"
#include "platform/message_words.h"

namespace qv {
namespace {

// How long a scroll or wheel message may wait for its receiver. A window
// that has stopped responding holds the tick (and with it a pause or exit
// waiting for the tick) for at most 200 ms a message; one that the system
// already counts as hung, not at all.
inline constexpr std::uint32_t kSendTimeoutMs = 200;

inline constexpr std::uint32_t kXNow = 0x1;
inline constexpr std::uint32_t kYNow = 0x2;
inline constexpr std::uint32_t kXSinceStop = 0x4;
inline constexpr std::uint32_t kYSinceStop = 0x8;
inline constexpr std::uint32_t kAnyAxisNow = kXNow | kYNow;
inline constexpr std::uint32_t kAnyAxisSinceStop = kXSinceStop | kYSinceStop;

inline constexpr std::uint16_t kKeyDownBit = 0x8000;

// The hat's positions (hundredths of a degree clockwise from forward) and
// the scroll message of each range, in the order they are sent; a diagonal
// lies in two ranges. The two line-up ranges never overlap.
struct HatRange {
  std::uint32_t from;
  std::uint32_t to;
  bool vertical;
  std::uint32_t direction;
};
constexpr HatRange kHatRanges[] = {
    {30000, 35900, true, kSbLineUp},    {0, 6000, true, kSbLineUp},
    {12000, 24000, true, kSbLineDown},  {3000, 15000, false, kSbLineDown},
    {21000, 33000, false, kSbLineUp},
};

// A movement that begins within 100 / Speed + 1 idle ticks of the end of
// the last one starts accelerated.
inline constexpr std::int32_t kAccelWindowMs = 100;
inline constexpr std::int32_t kFastestSpeed = 10;

// A stored Speed of zero or less has no automatic-acceleration window of its
// own; it gets the window of the fastest setting the dialog offers.
std::uint32_t AccelWindowFor(std::int32_t speed) {
  const std::int32_t effective = speed > 0 ? speed : kFastestSpeed;
  return static_cast<std::uint32_t>(kAccelWindowMs / effective + 1);
}

// Stored steps and factors are used as stored; a product beyond what a
// mouse movement holds goes as far as it can instead of wrapping around.
std::int32_t Saturated(std::int64_t value) {
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < kLowest ? kLowest : value > kHighest ? kHighest : value);
}

bool KeyActive(Input& input, std::uint8_t vk) { return input.AsyncKeyState(vk) != 0; }
bool KeyDown(Input& input, std::uint8_t vk) {
  return (static_cast<std::uint16_t>(input.AsyncKeyState(vk)) & kKeyDownBit) != 0;
}

LParam PackPoint(Point p) {
  const auto x = static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.x));
  const auto y = static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.y));
  return static_cast<LParam>(MakeWParam(x, y));
}

}  // namespace

// What tells the stick's two axes apart; the rest of their handling is one.
struct StickAxis {
  std::uint32_t JoyInfoEx::*position;
  std::uint32_t PadCaps::*lowLimit;   // pushed left or up at or below it
  std::uint32_t PadCaps::*highLimit;  // pushed right or down at or above it
  std::int32_t PadCaps::*usable;
  std::uint32_t nowBit;
  std::uint32_t sinceStopBit;
  bool vertical;  // which scroll bar
  std::uint8_t lowKey;
  std::uint8_t highKey;
  // A pressed wheel-stick button keeps the start sound quiet (X only).
  bool wheelStickSilencesStart;
  // The wheel has no horizontal direction: only Y turns it.
  bool turnsWheel;
  // Centred, it ends the repeat delay unless X was pushed on the tick (Y).
  bool centredEndsRepeat;
};

namespace {

constexpr StickAxis kXAxis{
    &JoyInfoEx::dwXpos, &PadCaps::LeftLimit, &PadCaps::RightLimit, &PadCaps::XUsable,
    kXNow,              kXSinceStop,         /*vertical=*/false,   kVkLeft,
    kVkRight,           /*wheelStickSilencesStart=*/true,          /*turnsWheel=*/false,
    /*centredEndsRepeat=*/false};
constexpr StickAxis kYAxis{
    &JoyInfoEx::dwYpos, &PadCaps::UpLimit, &PadCaps::DownLimit, &PadCaps::YUsable,
    kYNow,              kYSinceStop,       /*vertical=*/true,    kVkUp,
    kVkDown,            /*wheelStickSilencesStart=*/false,       /*turnsWheel=*/true,
    /*centredEndsRepeat=*/true};

}  // namespace

void Engine::PollTick() {
  FlushKeyUps();
  JoyInfoEx sample;
  if (!ReadPad(sample)) {
    StopForUnreadablePad();
    return;
  }
  if (PauseChordPressed()) {
    StopPollingFromTick(false);
    return;
  }
  if (RepeatDelayHoldsThisTick()) return;
  const std::uint32_t mask = sample.dwButtons;
  if (DecelerationSkipsThisTick(mask)) return;
  FollowThrottle(sample.dwZpos);
  Step step;
  if (HatOffCentre(sample.dwPOV)) {
    ScrollWithHat(sample);
  } else {
    const bool xPushed = FollowStickAxis<kXAxis>(sample, mask, false, step.dx);
    FollowStickAxis<kYAxis>(sample, mask, xPushed, step.dy);
  }
  MovePointer(step, mask);
  PlayStopSound();
  DispatchButtons(mask);
}

bool Engine::ReadPad(JoyInfoEx& sample) {
  sample.dwSize = sizeof(JoyInfoEx);
  sample.dwFlags = kJoyReturnAll;
  return settings.PortID >= 0 &&
         platform_.joystick.GetPosEx(static_cast<std::uint32_t>(settings.PortID), sample) ==
             Status::Ok;
}

void Engine::StopForUnreadablePad() {
  state.RepeatDeadline = 0;
  if (buttons.HoldCount > 0) {
    ReleaseLatchedButtons();
    FlushKeyUps();
    host_.SetNotifyIcon(IconPicture::Active);
  }
  StopPollingFromTick(true);
}

bool Engine::PauseChordPressed() {
  return KeyActive(platform_.input, kVkPause) && KeyActive(platform_.input, kVkShift);
}

bool Engine::RepeatDelayHoldsThisTick() { return state.RepeatDeadline > platform_.timer.Now(); }

bool Engine::DecelerationSkipsThisTick(std::uint32_t mask) {
  state.TickParity = -state.TickParity;
  return (mask & masks.DecelMask) != 0 && state.TickParity < 0;
}

void Engine::FollowThrottle(std::uint32_t z) {
  // A 16-bit throttle gives the steps 1 to 16, one for each 4096 positions.
  constexpr int kPositionsPerStepShift = 12;
  if (caps.HasZ && settings.Zaxis == 1)
    settings.NSpeed = static_cast<std::int32_t>(z >> kPositionsPerStepShift) + 1;
}

bool Engine::HatOffCentre(std::uint32_t pov) const { return caps.HasPOV && pov != kJoyPovCentered; }

void Engine::ScrollWithHat(const JoyInfoEx& sample) {
  for (const StickAxis* axis : {&kXAxis, &kYAxis}) {
    const std::uint32_t position = sample.*axis->position;
    if (caps.*axis->lowLimit <= position && position <= caps.*axis->highLimit)
      state.MotionFlags &= ~axis->nowBit;
  }
  for (const HatRange& range : kHatRanges)
    if (range.from <= sample.dwPOV && sample.dwPOV <= range.to)
      ScrollUnderPointer(range.vertical, range.direction);
  state.RepeatDeadline = 0;
}

template <const StickAxis& axis>
bool Engine::FollowStickAxis(const JoyInfoEx& sample, std::uint32_t mask, bool earlierAxisPushed,
                             std::int64_t& step) {
  const std::uint32_t position = sample.*axis.position;
  const bool usable = caps.*axis.usable != 0;
  const bool low = usable && position <= caps.*axis.lowLimit;
  const bool high = usable && !low && position >= caps.*axis.highLimit;
  if (!low && !high) {
    state.MotionFlags &= ~axis.nowBit;
    if (axis.centredEndsRepeat && !earlierAxisPushed) state.RepeatDeadline = 0;
    return false;
  }

  const bool silenced = axis.wheelStickSilencesStart && (mask & masks.WheelStickMask) != 0;
  if (settings.CursorSoundOn && (state.MotionFlags & kAnyAxisNow) == 0 && !silenced)
    platform_.sound.PlayAsync(settings.CursorSoundOnFile);
  state.MotionFlags |= axis.nowBit | axis.sinceStopBit;

  if (buttons.ScrollCount > 0) {
    ArmRepeat();
    ScrollUnderPointer(axis.vertical, low ? kSbLineUp : kSbLineDown);
  } else if (buttons.WheelStickCount > 0) {
    if (axis.turnsWheel) {
      ArmRepeat();
      WheelNotch(low ? kWheelDelta : -kWheelDelta);
    }
  } else if (buttons.ArrowCount > 0) {
    ArmRepeat();
    TapKey(low ? axis.lowKey : axis.highKey);
  } else {
    const std::int64_t nSpeed = settings.NSpeed;
    step = low ? -nSpeed : nSpeed;
  }
  return true;
}

void Engine::MovePointer(const Step& step, std::uint32_t mask) {
  if (step.dx == 0 && step.dy == 0) {
    if (state.AutoAccelArmed) {
      state.AutoAccelArmed = 0;
      state.AccelWindow = AccelWindowFor(settings.Speed);
    }
    if (state.AccelWindow > 0) --state.AccelWindow;
    return;
  }
  state.RepeatDeadline = 0;
  if (masks.AccelMask == 0) state.AutoAccelArmed = 1;
  const bool accelerated = state.AccelWindow > 0 || (mask & masks.AccelMask) != 0;
  const std::int64_t factor = accelerated ? settings.GSpeed : 1;
  platform_.input.SendMouse(kMouseMove, Saturated(step.dx * factor), Saturated(step.dy * factor), 0);
}

void Engine::PlayStopSound() {
  if (settings.CursorSoundOff && (state.MotionFlags & kAnyAxisNow) == 0 &&
      (state.MotionFlags & kAnyAxisSinceStop) != 0 && state.AccelWindow == 0) {
    state.MotionFlags = 0;
    platform_.sound.PlayAsync(settings.CursorSoundOffFile);
  }
}

void Engine::DispatchButtons(std::uint32_t mask) {
  for (int i = 0; i < caps.ButtonCount; ++i) {
    // A button that is neither pressed, nor running, nor latched has
    // nothing to do; most of them, on most ticks.
    if (((mask >> i) & 1u) == 0 && buttons.PressState[i] == 0 && buttons.HoldState[i] == 0) continue;
    DispatchButton(i, mask);
  }
}

std::uint32_t Engine::RepeatDelay() const {
  // A negative delay would put the deadline far in the future and freeze
  // every tick; it counts as no delay.
  return settings.Delay > 0 ? static_cast<std::uint32_t>(settings.Delay) : 0;
}

void Engine::ArmRepeat() {
  if (state.RepeatDeadline == 0) state.RepeatDeadline = platform_.timer.Now() + RepeatDelay();
}

void Engine::ScrollUnderPointer(bool vertical, std::uint32_t direction) {
  Point where;
  if (!Succeeded(platform_.windows.GetCursorPos(where))) return;
  const WindowHandle window = platform_.windows.WindowFromPoint(where);
  if (window == state.DesktopListView) return;
  Ignore(platform_.windows.SendMessageTimeout(
      window, vertical ? kWmVScroll : kWmHScroll, direction, 0, kSendTimeoutMs));
}

void Engine::TapKey(std::uint8_t vk) {
  platform_.input.SendKey(vk, 0, kKeyEventExtendedKey);
  platform_.input.SendKey(vk, 0, kKeyEventExtendedKey | kKeyEventKeyUp);
}

void Engine::SendWheelMessage(std::int32_t delta, bool shift, bool control) {
  Point where;
  if (!Succeeded(platform_.windows.GetCursorPos(where))) return;
  const WindowHandle window = platform_.windows.WindowFromPoint(where);
  Point client = where;
  Ignore(platform_.windows.ScreenToClient(window, client));
  const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(delta)));
  const WParam wParam = MakeWParam((shift ? kMkShift : 0u) | (control ? kMkControl : 0u), high);
  Ignore(platform_.windows.SendMessageTimeout(window, kWmMouseWheel, wParam,
                                                         PackPoint(client), kSendTimeoutMs));
}

void Engine::WheelNotch(std::int32_t delta) {
  if (state.LegacyWheel == 0) {
    platform_.input.SendMouse(kMouseWheel, 0, 0, delta);
    return;
  }
  SendWheelMessage(delta, KeyDown(platform_.input, kVkShift), KeyDown(platform_.input, kVkControl));
}

}  // namespace qv
