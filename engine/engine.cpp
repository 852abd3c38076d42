// The engine's construction and its start-up reset.
#include "engine/engine.h"

namespace qv {

Engine::Engine(Platform& platform, EngineHost& host) : platform_(platform), host_(host) {}

void Engine::ResetMotion() {
  state.AutoAccelArmed = 0;
  state.MotionFlags = 0;
  state.AccelWindow = 0;
  state.TickParity = 1;
  buttons.HoldCount = 0;
  buttons.ArrowCount = 0;
  buttons.WheelDownCount = 0;
  buttons.WheelUpCount = 0;
  buttons.WheelStickCount = 0;
  buttons.ScrollCount = 0;
  buttons.PendingKeyUp = 0;
}

void Engine::ResetButtonTables() {
  for (int i = 0; i < BUTTON_SLOTS; ++i) {
    buttons.PressState[i] = 0;
    buttons.HoldState[i] = 0;
  }
  for (std::uint8_t& count : buttons.KeyRefCount) count = 0;
}

}  // namespace qv
