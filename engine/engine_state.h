// Per-tick state of the polling engine and of the button dispatcher.
#pragma once

#include <cstdint>

#include "engine/pad_settings.h"
#include "engine/timer_slot.h"
#include "platform/types.h"

namespace qv {

struct EngineState {
  TimerSlot TimerId;
  std::uint32_t MotionFlags = 0;
  std::uint32_t RepeatDeadline = 0;
  std::int32_t TickParity = 1;
  std::int32_t AutoAccelArmed = 0;
  std::uint32_t AccelWindow = 0;
  std::int32_t LegacyWheel = 0;
  WindowHandle DesktopListView = 0;
};

struct ButtonState {
  std::uint32_t PressState[BUTTON_SLOTS] = {};
  std::int32_t HoldState[BUTTON_SLOTS] = {};
  std::int32_t HoldCount = 0;
  std::int32_t LeftCount = 0;
  std::int32_t RightCount = 0;
  std::int32_t MiddleCount = 0;
  std::int32_t ScrollCount = 0;
  std::int32_t WheelStickCount = 0;
  std::int32_t ArrowCount = 0;
  std::int32_t WheelUpCount = 0;
  std::int32_t WheelDownCount = 0;
  std::uint8_t KeyRefCount[256] = {};
  std::uint32_t PendingKeyUp = 0;
};

}  // namespace qv
