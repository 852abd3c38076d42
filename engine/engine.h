// The input engine: the settings record and its store, the values derived
// from it, the polling timer with pointer motion, and the button actions.
// One instance per process, owned by the view.
#pragma once

#include <cstdint>

#include "engine/engine_host.h"
#include "engine/engine_state.h"
#include "engine/pad_settings.h"
#include "engine/tick_gate.h"
#include "platform/platform.h"

namespace qv {

inline constexpr std::uint32_t ID_HELP_CONTENTS = 32771;
inline constexpr std::uint32_t ID_SETUP = 32772;
inline constexpr std::uint32_t ID_FAVORITES = 32773;
inline constexpr std::uint32_t ID_APP_ABOUT = 57664;
inline constexpr std::uint32_t ID_APP_EXIT = 57665;

class Engine {
 public:
  Engine(Platform& platform, EngineHost& host);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  PadSettings settings;
  PadCaps caps;
  StickMasks masks;
  EngineState state;
  ButtonState buttons;

  // Start-up: the engine reset (motion, accel window, parity, the button
  // counters and pending key releases), then the button tables.
  void ResetMotion();
  void ResetButtonTables();

  // Settings store.
  void LoadSettings();
  void SaveSettings();
  void DeriveCaps();

  // Polling. StartPolling returns the timer id (0 on failure). StopPolling,
  // called from the user-interface thread, returns only when no tick is
  // running or will run; called from inside a tick it just stops the timer.
  std::uint32_t StartPolling();
  void StopPolling();
  void PollTick();

  // Button actions.
  void DispatchButton(int i, std::uint32_t mask);
  void PressButton(int i);
  void ReleaseButton(int i);
  void KeyEvent(int i, bool up);
  void FlushKeyUps();
  // Ends every hold-mode latch (ReleaseButton, HoldState 0, HoldCount down).
  void ReleaseLatchedButtons();

  Platform& platform() { return platform_; }

 private:
  static void TimerProc(void* context);
  // Stops from inside a tick: no waiting (the tick itself is inside).
  void StopPollingFromTick(bool padError);
  std::uint32_t RepeatDelay() const;
  void ArmRepeat();
  void ScrollUnderPointer(bool vertical, std::uint32_t direction);
  void TapKey(std::uint8_t vk);
  void WheelNotch(std::int32_t delta);
  void ButtonWheel(int i, std::int32_t delta);
  void SendWheelMessage(std::int32_t delta, bool shift, bool control);
  void PlayCursorSound(const char* file);

  Platform& platform_;
  EngineHost& host_;
  TickGate gate_;
};

}  // namespace qv
