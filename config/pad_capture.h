// The pad poll that chooses the slot to edit while the configuration sheet
// is open, and the few words it shares with the pages. The poll runs on
// the multimedia timer's thread; it only reads the pad and posts the chosen
// slot to the button page, whose own thread does the switch, so that the
// switch never runs beside the page's handlers.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/tick_gate.h"
#include "platform/constants.h"
#include "platform/platform.h"
#include "platform/status.h"

namespace qv {

// Posted to the button page: switch to slot wParam (0-based).
inline constexpr std::uint32_t kWmSelectSlot = kWmApp + 1;
// Posted to the system page: the throttle has a step for the step slider.
inline constexpr std::uint32_t kWmThrottleStep = kWmApp + 2;

inline constexpr std::int32_t kCaptureButtonPage = 1;
inline constexpr std::int32_t kCaptureSystemPage = 2;

// Written on the user-interface thread (capturedButton also by the poll),
// read by the poll.
struct CaptureState {
  std::atomic<std::int32_t> captureMode{0};
  // 0, or 1 + the number of the lowest button seen held at the last poll.
  std::atomic<std::int32_t> capturedButton{0};
  std::atomic<std::int32_t> capturePort{0};
  // Where a chosen slot is posted.
  std::atomic<WindowHandle> buttonPage{0};
  // The system page, and whether the throttle sets its step slider (the pad
  // the owner probed has a throttle, and the option is on).
  std::atomic<WindowHandle> systemPage{0};
  std::atomic<std::int32_t> throttleFollows{0};
  // The throttle's latest step (1..16) not yet on the slider, 0 for none:
  // the page takes it when told, and at OK, so that OK sees the last one.
  std::atomic<std::int32_t> throttleStep{0};
};

class PadCapture {
 public:
  explicit PadCapture(Platform& platform) : platform_(platform) {}
  PadCapture(const PadCapture&) = delete;
  PadCapture& operator=(const PadCapture&) = delete;
  ~PadCapture() { Stop(); }

  // The 100 ms periodic timer; fails when the system gives none.
  [[nodiscard]] Status Start();
  // Returns when no poll is running or will run. Waits for one in progress
  // with the user interface alive, so a posted slot change may be served
  // inside: the page ignores those once it is closing.
  void Stop();
  // One poll; normally run by the timer.
  void PadCapturePoll();

  CaptureState state;

 private:
  static void TimerProc(void* context);
  void FollowThrottle(const JoyInfoEx& sample);

  Platform& platform_;
  TickGate gate_;
  std::atomic<std::uint32_t> captureTimer_{0};
};

}  // namespace qv
