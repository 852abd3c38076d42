// Starting and stopping the slot poll, and the poll itself.
#include "config/pad_capture.h"

#include <algorithm>

#include "platform/types.h"

namespace qv {
namespace {

constexpr std::uint32_t kCapturePeriodMs = 100;

// The step slider's steps, and the throttle's 16-bit range cut into as
// many equal parts: its top four bits.
constexpr std::uint32_t kThrottleSteps = 16;
constexpr int kThrottleStepShift = 12;

// 0-based number of the lowest set bit; the mask is not 0.
int LowestButton(std::uint32_t mask) {
  int n = 0;
  while ((mask & 1u) == 0) {
    mask >>= 1;
    ++n;
  }
  return n;
}

}  // namespace

Status PadCapture::Start() {
  if (captureTimer_.load() != 0) return Status::Ok;
  gate_.Open();
  const std::uint32_t id =
      platform_.timer.SetPeriodic(kCapturePeriodMs, kCapturePeriodMs, &PadCapture::TimerProc, this);
  if (id == 0) {
    gate_.Close();
    return Status::Failed;
  }
  captureTimer_.store(id);
  return Status::Ok;
}

void PadCapture::Stop() {
  gate_.Close();
  if (const std::uint32_t id = captureTimer_.exchange(0); id != 0) platform_.timer.Kill(id);
  platform_.timer.WaitUntil(&TickGate::Idle, &gate_);
}

void PadCapture::TimerProc(void* context) {
  auto* capture = static_cast<PadCapture*>(context);
  if (!capture->gate_.Enter()) return;
  capture->PadCapturePoll();
  capture->gate_.Leave();
}

void PadCapture::PadCapturePoll() {
  JoyInfoEx sample;
  sample.dwSize = sizeof sample;
  sample.dwFlags = kJoyReturnAll;
  const std::int32_t port = state.capturePort.load();
  if (port < 0 || platform_.joystick.GetPosEx(static_cast<std::uint32_t>(port), sample) != Status::Ok)
    return;
  const std::int32_t mode = state.captureMode.load();
  if (mode == kCaptureSystemPage) {
    FollowThrottle(sample);
    return;
  }
  if (mode != kCaptureButtonPage) return;
  if (sample.dwButtons != 0) {
    state.capturedButton.store(1 + LowestButton(sample.dwButtons));
    return;
  }
  // Until the page has its window the choice waits; it is not lost.
  const WindowHandle page = state.buttonPage.load();
  if (page == 0) return;
  if (const std::int32_t captured = state.capturedButton.exchange(0); captured != 0) {
    Ignore(platform_.windows.PostMessage(page, kWmSelectSlot,
                                         static_cast<WParam>(captured - 1), 0));
  }
}

void PadCapture::FollowThrottle(const JoyInfoEx& sample) {
  if (state.throttleFollows.load() == 0) return;
  // The throttle's 0..65535 as the steps 1..16; a pad reporting beyond
  // 16 bits rests at the top step, as the slider would hold it.
  const std::uint32_t part = std::min(sample.dwZpos >> kThrottleStepShift, kThrottleSteps - 1);
  const std::int32_t step = static_cast<std::int32_t>(part) + 1;
  // One message stands for every step until the page takes the latest.
  if (state.throttleStep.exchange(step) != 0) return;
  if (const WindowHandle page = state.systemPage.load(); page != 0)
    static_cast<void>(platform_.windows.PostMessage(page, kWmThrottleStep, 0, 0));
}

}  // namespace qv
