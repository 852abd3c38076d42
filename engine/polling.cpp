// The polling timer and its tick: read the pad, stop on failure or
// SHIFT+PAUSE, auto-repeat and deceleration, throttle, hat, stick, pointer
// motion and its sounds, then the buttons. A tick allocates nothing.
#include <cstdint>

#include "engine/engine.h"
#include "platform/constants.h"

namespace qv {
namespace {

inline constexpr std::uint32_t kPollPeriodMs = 10;
inline constexpr std::uint32_t kXNow = 0x1;
inline constexpr std::uint32_t kYNow = 0x2;
inline constexpr std::uint32_t kXSinceStop = 0x4;
inline constexpr std::uint32_t kYSinceStop = 0x8;

// A stored Speed of zero or less has no automatic-acceleration window of its
// own; it gets the window of the fastest setting the dialog offers.
std::uint32_t AccelWindowFor(std::int32_t speed) {
  const std::int32_t effective = speed > 0 ? speed : 10;
  return static_cast<std::uint32_t>(100 / effective + 1);
}

bool KeyActive(Input& input, std::uint8_t vk) { return input.AsyncKeyState(vk) != 0; }
bool KeyDown(Input& input, std::uint8_t vk) {
  return (static_cast<std::uint16_t>(input.AsyncKeyState(vk)) & 0x8000u) != 0;
}

LParam PackPoint(Point p) {
  const auto x = static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.x));
  const auto y = static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.y));
  return static_cast<LParam>(x | (y << 16));
}

}  // namespace

std::uint32_t Engine::RepeatDelay() const {
  // A negative delay would put the deadline far in the future and freeze
  // every tick; it counts as no delay.
  return settings.Delay > 0 ? static_cast<std::uint32_t>(settings.Delay) : 0;
}

void Engine::TimerProc(void* context) {
  auto* engine = static_cast<Engine*>(context);
  if (!engine->gate_.Enter()) return;
  engine->PollTick();
  engine->gate_.Leave();
}

std::uint32_t Engine::StartPolling() {
  gate_.Open();
  // The resolution cannot be negative; other values go to the timer as stored.
  const std::uint32_t resolution = settings.Speed > 0 ? static_cast<std::uint32_t>(settings.Speed) : 0;
  state.TimerId = platform_.timer.SetPeriodic(kPollPeriodMs, resolution, &Engine::TimerProc, this);
  if (state.TimerId == 0) gate_.Close();
  return state.TimerId;
}

void Engine::StopPolling() {
  gate_.Close();
  if (state.TimerId != 0) platform_.timer.Kill(state.TimerId);
  state.TimerId = 0;
  // The timer may have been inside a tick when it was killed (perhaps blocked
  // in a synchronous send to a window of this thread): wait for it to leave.
  platform_.timer.WaitUntil(&TickGate::Idle, &gate_);
}

void Engine::StopPollingFromTick(bool padError) {
  gate_.Close();
  if (state.TimerId != 0) platform_.timer.Kill(state.TimerId);
  state.TimerId = 0;
  host_.PollingStoppedByTick(padError);
  host_.SetNotifyIcon(ICON_PAUSED);
}

void Engine::ArmRepeat() {
  if (state.RepeatDeadline == 0) state.RepeatDeadline = platform_.timer.Now() + RepeatDelay();
}

void Engine::ScrollUnderPointer(bool vertical, std::uint32_t direction) {
  Point where;
  if (!platform_.windows.GetCursorPos(where)) return;
  const WindowHandle window = platform_.windows.WindowFromPoint(where);
  if (window == state.DesktopListView) return;
  platform_.windows.SendMessage(window, vertical ? kWmVScroll : kWmHScroll, direction, 0);
}

void Engine::TapKey(std::uint8_t vk) {
  platform_.input.SendKey(vk, 0, kKeyEventExtendedKey);
  platform_.input.SendKey(vk, 0, kKeyEventExtendedKey | kKeyEventKeyUp);
}

void Engine::SendWheelMessage(std::int32_t delta, bool shift, bool control) {
  Point where;
  if (!platform_.windows.GetCursorPos(where)) return;
  const WindowHandle window = platform_.windows.WindowFromPoint(where);
  Point client = where;
  (void)platform_.windows.ScreenToClient(window, client);
  const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(delta)));
  const WParam wParam = (shift ? kMkShift : 0u) | (control ? kMkControl : 0u) | (high << 16);
  platform_.windows.SendMessage(window, kWmMouseWheel, wParam, PackPoint(client));
}

void Engine::WheelNotch(std::int32_t delta) {
  if (state.LegacyWheel == 0) {
    platform_.input.SendMouse(kMouseWheel, 0, 0, delta);
    return;
  }
  SendWheelMessage(delta, KeyDown(platform_.input, kVkShift), KeyDown(platform_.input, kVkControl));
}

void Engine::PlayCursorSound(const char* file) { platform_.sound.PlayAsync(file); }

void Engine::PollTick() {
  FlushKeyUps();

  JoyInfoEx sample;
  sample.dwSize = sizeof(JoyInfoEx);
  sample.dwFlags = kJoyReturnAll;
  const bool read = settings.PortID >= 0 &&
                    platform_.joystick.GetPosEx(static_cast<std::uint32_t>(settings.PortID), sample) ==
                        Status::Ok;
  if (!read) {
    state.RepeatDeadline = 0;
    if (buttons.HoldCount > 0) {
      ReleaseLatchedButtons();
      FlushKeyUps();
      host_.SetNotifyIcon(ICON_ACTIVE);
    }
    StopPollingFromTick(true);
    return;
  }

  if (KeyActive(platform_.input, kVkPause) && KeyActive(platform_.input, kVkShift)) {
    StopPollingFromTick(false);
    return;
  }

  const std::uint32_t now = platform_.timer.Now();
  if (state.RepeatDeadline > now) return;

  const std::uint32_t mask = sample.dwButtons;
  state.TickParity = -state.TickParity;
  if ((mask & masks.DecelMask) != 0 && state.TickParity < 0) return;

  if (caps.HasZ && settings.Zaxis == 1) settings.NSpeed = static_cast<std::int32_t>(sample.dwZpos >> 12) + 1;

  std::int32_t dx = 0;
  std::int32_t dy = 0;
  const std::uint32_t x = sample.dwXpos;
  const std::uint32_t y = sample.dwYpos;
  const std::uint32_t pov = sample.dwPOV;

  if (caps.HasPOV && pov != kJoyPovCentered) {
    if (caps.LeftLimit <= x && x <= caps.RightLimit) state.MotionFlags &= ~kXNow;
    if (caps.UpLimit <= y && y <= caps.DownLimit) state.MotionFlags &= ~kYNow;
    if ((pov >= 30000 && pov <= 35900) || pov <= 6000) ScrollUnderPointer(true, kSbLineUp);
    if (pov >= 12000 && pov <= 24000) ScrollUnderPointer(true, kSbLineDown);
    if (pov >= 3000 && pov <= 15000) ScrollUnderPointer(false, kSbLineDown);
    if (pov >= 21000 && pov <= 33000) ScrollUnderPointer(false, kSbLineUp);
    state.RepeatDeadline = 0;
  } else {
    bool xActive = false;
    const bool left = !caps.NoPad && x <= caps.LeftLimit;
    if (left || (!caps.NoPad && x >= caps.RightLimit)) {
      if (settings.CursorSoundOn && (state.MotionFlags & (kXNow | kYNow)) == 0 &&
          (mask & masks.WheelStickMask) == 0)
        PlayCursorSound(settings.CursorSoundOnFile);
      state.MotionFlags |= kXNow | kXSinceStop;
      xActive = true;
      if (buttons.ScrollCount > 0) {
        ArmRepeat();
        ScrollUnderPointer(false, left ? kSbLineUp : kSbLineDown);
      } else if (buttons.WheelStickCount > 0) {
        // The wheel has no horizontal direction.
      } else if (buttons.ArrowCount > 0) {
        ArmRepeat();
        TapKey(left ? kVkLeft : kVkRight);
      } else {
        dx = left ? -settings.NSpeed : settings.NSpeed;
      }
    } else {
      state.MotionFlags &= ~kXNow;
    }

    const bool up = !caps.NoPad && y <= caps.UpLimit;
    if (up || (!caps.NoPad && y >= caps.DownLimit)) {
      if (settings.CursorSoundOn && (state.MotionFlags & (kXNow | kYNow)) == 0)
        PlayCursorSound(settings.CursorSoundOnFile);
      state.MotionFlags |= kYNow | kYSinceStop;
      if (buttons.ScrollCount > 0) {
        ArmRepeat();
        ScrollUnderPointer(true, up ? kSbLineUp : kSbLineDown);
      } else if (buttons.WheelStickCount > 0) {
        ArmRepeat();
        WheelNotch(up ? kWheelDelta : -kWheelDelta);
      } else if (buttons.ArrowCount > 0) {
        ArmRepeat();
        TapKey(up ? kVkUp : kVkDown);
      } else {
        dy = up ? -settings.NSpeed : settings.NSpeed;
      }
    } else {
      state.MotionFlags &= ~kYNow;
      if (!xActive) state.RepeatDeadline = 0;
    }
  }

  if (dx == 0 && dy == 0) {
    if (state.AutoAccelArmed) {
      state.AutoAccelArmed = 0;
      state.AccelWindow = AccelWindowFor(settings.Speed);
    }
    if (state.AccelWindow > 0) --state.AccelWindow;
  } else {
    state.RepeatDeadline = 0;
    if (masks.AccelMask == 0) state.AutoAccelArmed = 1;
    if (state.AccelWindow > 0 || (mask & masks.AccelMask) != 0) {
      dx *= settings.GSpeed;
      dy *= settings.GSpeed;
    }
    platform_.input.SendMouse(kMouseMove, dx, dy, 0);
  }

  if (settings.CursorSoundOff && (state.MotionFlags & (kXNow | kYNow)) == 0 &&
      (state.MotionFlags & (kXSinceStop | kYSinceStop)) != 0 && state.AccelWindow == 0) {
    state.MotionFlags = 0;
    PlayCursorSound(settings.CursorSoundOffFile);
  }

  for (int i = 0; i < caps.ButtonCount; ++i) DispatchButton(i, mask);
}

}  // namespace qv
