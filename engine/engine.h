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

// What tells the stick's two axes apart (defined with the tick).
struct StickAxis;

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

  void ResetMotion();
  void ResetButtonTables();

  void LoadSettings();
  void SaveSettings();
  void DeriveCaps();
  // Takes the configuration dialog's edited copy into use: the actions,
  // keys and motion values with the port first, so that the limits and the
  // throttle option come from the new pad; then the sounds and paths; then
  // the whole record goes to the profile. Only while polling is stopped.
  void ApplySettings(const PadSettings& edited);

  // StartPolling returns the timer id (0 on failure). StopPolling, called
  // from the user-interface thread, returns only when no tick is running or
  // will run; it waits for a tick in progress with the user interface
  // alive, so whatever the user does meanwhile may run inside it.
  std::uint32_t StartPolling();
  void StopPolling();
  void PollTick();

  void DispatchButton(int i, std::uint32_t mask);
  void PressButton(int i);
  void ReleaseButton(int i);
  void KeyEvent(int i, bool up);
  void FlushKeyUps();
  void ReleaseLatchedButtons();

  Platform& platform() { return platform_; }

 private:
  // A tick's pointer step, wide enough for any stored step times any factor.
  struct Step {
    std::int64_t dx = 0;
    std::int64_t dy = 0;
  };

  static void TimerProc(void* context);
  // Closes the gate and kills the timer, from either thread.
  void KillPollingTimer();
  // Stops from inside a tick: no waiting (the tick itself is inside).
  void StopPollingFromTick(bool padError);

  // The steps of PollTick, in its order. Defined with it and used nowhere
  // else, so that they cost the tick no calls.
  [[nodiscard]] inline bool ReadPad(JoyInfoEx& sample);
  inline void StopForUnreadablePad();
  [[nodiscard]] inline bool PauseChordPressed();
  [[nodiscard]] inline bool RepeatDelayHoldsThisTick();
  [[nodiscard]] inline bool DecelerationSkipsThisTick(std::uint32_t mask);
  inline void FollowThrottle(std::uint32_t z);
  [[nodiscard]] inline bool HatOffCentre(std::uint32_t pov) const;
  inline void ScrollWithHat(const JoyInfoEx& sample);
  // One routine for both axes, made for each so that the axis's data are
  // constants of the tick. Returns whether the axis is pushed.
  template <const StickAxis& axis>
  inline bool FollowStickAxis(const JoyInfoEx& sample, std::uint32_t mask, bool earlierAxisPushed,
                              std::int64_t& step);
  inline void MovePointer(const Step& step, std::uint32_t mask);
  inline void PlayStopSound();
  inline void DispatchButtons(std::uint32_t mask);

  std::uint32_t RepeatDelay() const;
  void ArmRepeat();
  void ScrollUnderPointer(bool vertical, std::uint32_t direction);
  void TapKey(std::uint8_t vk);
  void WheelNotch(std::int32_t delta);
  void ButtonWheel(int i, std::int32_t delta);
  void SendWheelMessage(std::int32_t delta, bool shift, bool control);

  Platform& platform_;
  EngineHost& host_;
  TickGate gate_;
};

}  // namespace qv
