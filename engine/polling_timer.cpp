// Starting and stopping the polling timer, and the hand-over of each tick
// between the timer's thread and the user-interface thread.
#include <cstdint>

#include "engine/engine.h"

namespace qv {
namespace {

inline constexpr std::uint32_t kPollPeriodMs = 10;

}  // namespace

void Engine::TimerProc(void* context) {
  auto* engine = static_cast<Engine*>(context);
  if (!engine->gate_.Enter()) return;
  engine->PollTick();
  engine->gate_.Leave();
}

std::uint32_t Engine::StartPolling() {
  // The resolution cannot be negative; other values go to the timer as stored.
  const std::uint32_t resolution = settings.Speed > 0 ? static_cast<std::uint32_t>(settings.Speed) : 0;
  state.TimerId.Arm();
  gate_.Open();
  const std::uint32_t id = platform_.timer.SetPeriodic(kPollPeriodMs, resolution, &Engine::TimerProc, this);
  if (id == 0) {
    gate_.Close();
    return 0;
  }
  // The first tick may already have stopped polling (no pad, SHIFT+PAUSE)
  // without knowing which timer to kill.
  if (const std::uint32_t stopped = state.TimerId.Publish(id); stopped != 0)
    platform_.timer.Kill(stopped);
  return id;
}

void Engine::KillPollingTimer() {
  gate_.Close();
  if (const std::uint32_t id = state.TimerId.Take(); id != 0) platform_.timer.Kill(id);
}

void Engine::StopPolling() {
  KillPollingTimer();
  // The timer may have been inside a tick when it was killed (perhaps
  // waiting for a window, or for the user to answer a message): wait for it
  // to leave.
  platform_.timer.WaitUntil(&TickGate::Idle, &gate_);
}

void Engine::StopPollingFromTick(bool padError) {
  KillPollingTimer();
  // The picture before the state: once the view sees polling stopped it may
  // resume at once, and then the resume's picture must be the one shown.
  host_.SetNotifyIcon(IconPicture::Paused);
  host_.PollingStoppedByTick(padError);
}

}  // namespace qv
