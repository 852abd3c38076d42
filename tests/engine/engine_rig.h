// The engine on the simulated platform, as the engine tests drive it: a host
// that records what the engine asks of it, ticks run by advancing the
// simulated clock, and filters over the effect log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/constants.h"
#include "platform/sim/sim_platform.h"

namespace qv::test {

inline constexpr WindowHandle kTargetWindow = 0x7100;

// Records into fixed storage so that a tick that reaches the host still
// allocates nothing.
class RecordingHost final : public EngineHost {
 public:
  void SetNotifyIcon(IconPicture picture) override {
    if (pictureCount < kRoom) pictures[pictureCount] = picture;
    ++pictureCount;
  }
  void PollingStoppedByTick(bool padError) override {
    if (stopCount < kRoom) stops[stopCount] = padError;
    ++stopCount;
  }
  void PostFavoritesCommand() override { ++favoritesCommands; }
  void ShowLaunchFailure() override { ++launchFailures; }

  std::vector<IconPicture> Pictures() const {
    return std::vector<IconPicture>(pictures, pictures + Clamp(pictureCount));
  }
  std::vector<bool> Stops() const { return std::vector<bool>(stops, stops + Clamp(stopCount)); }
  void Clear() { pictureCount = stopCount = 0; favoritesCommands = launchFailures = 0; }

  static constexpr std::size_t kRoom = 256;
  IconPicture pictures[kRoom] = {};
  std::size_t pictureCount = 0;
  bool stops[kRoom] = {};
  std::size_t stopCount = 0;
  int favoritesCommands = 0;
  int launchFailures = 0;

 private:
  static std::size_t Clamp(std::size_t n) { return n < kRoom ? n : kRoom; }
};

// The simulated clock's step per tick: the polling timer's period.
inline constexpr std::uint32_t kTickMs = 10;

// A key's state as the system reports it: the top bit while the key is
// down, the lowest when it went down since the last asking.
inline constexpr std::int16_t kKeyDownNow = static_cast<std::int16_t>(0x8000);
inline constexpr std::int16_t kKeyPressedSince = 1;

struct EngineRig {
  EngineRig() {
    sim.windows.SetWindowAtPointer(kTargetWindow);
  }

  // Start-up as the view does it: reset, load, derive, start the timer.
  // The log starts empty afterwards.
  void Start() {
    engine.ResetMotion();
    engine.ResetButtonTables();
    engine.LoadSettings();
    engine.DeriveCaps();
    Restart();
  }
  // The same with the settings as the test left them (no profile read).
  void StartWithSettings() {
    engine.ResetMotion();
    engine.ResetButtonTables();
    engine.DeriveCaps();
    Restart();
  }
  void Restart() {
    timerId = engine.StartPolling();
    ClearLog();
  }
  void ClearLog() {
    sim.log.Clear();
    host.Clear();
  }

  void Ticks(int n) { sim.timer.Advance(kTickMs * static_cast<std::uint32_t>(n)); }
  void Tick() { Ticks(1); }

  // Mouse effects with the move flag, as (dx, dy).
  std::vector<Point> Moves() const {
    std::vector<Point> out;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Mouse))
      if (e.mouse.flags & kMouseMove) out.push_back(Point{e.mouse.dx, e.mouse.dy});
    return out;
  }
  // Mouse effects without movement (buttons and wheel), as their flags.
  std::vector<std::uint32_t> MouseButtons() const {
    std::vector<std::uint32_t> out;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Mouse))
      if (!(e.mouse.flags & kMouseMove)) out.push_back(e.mouse.flags);
    return out;
  }
  // Synthesised wheel events, as their data.
  std::vector<std::int32_t> Wheels() const {
    std::vector<std::int32_t> out;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Mouse))
      if (e.mouse.flags == kMouseWheel) out.push_back(e.mouse.data);
    return out;
  }
  struct KeyStroke {
    std::uint32_t vk, scan, flags;
    bool operator==(const KeyStroke& o) const {
      return vk == o.vk && scan == o.scan && flags == o.flags;
    }
  };
  std::vector<KeyStroke> Keys() const {
    std::vector<KeyStroke> out;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Key))
      out.push_back(KeyStroke{e.key.key, e.key.scan, e.key.flags});
    return out;
  }
  std::vector<sim::Effect> Sends() const { return sim.log.Of(sim::EffectKind::Send); }
  // How long each message sent may wait for its receiver.
  std::vector<std::uint32_t> SendTimeouts() const {
    std::vector<std::uint32_t> out;
    for (const sim::Effect& e : Sends()) out.push_back(e.message.timeoutMs);
    return out;
  }
  std::vector<sim::Effect> Posts() const { return sim.log.Of(sim::EffectKind::Post); }
  std::vector<std::string> Sounds() const {
    std::vector<std::string> out;
    for (const sim::Effect& e : sim.log.Of(sim::EffectKind::Sound)) out.push_back(e.text);
    return out;
  }
  // Kinds of the log in order, for checks of what comes before what.
  std::vector<sim::EffectKind> Kinds() const {
    std::vector<sim::EffectKind> out;
    for (const sim::Effect& e : sim.log.All()) out.push_back(e.kind);
    return out;
  }

  sim::SimPlatform sim;
  RecordingHost host;
  Engine engine{sim.platform, host};
  std::uint32_t timerId = 0;
};

inline constexpr std::uint32_t kExt = kKeyEventExtendedKey;
inline constexpr std::uint32_t kExtUp = kKeyEventExtendedKey | kKeyEventKeyUp;

// Low 32 bits of a recorded wParam: a wheel message's delta sits in bits
// 16..31, whatever a 64-bit build puts above.
inline std::uint32_t Low32(std::int64_t v) { return static_cast<std::uint32_t>(v); }
inline std::uint32_t WheelWParam(std::int32_t delta, std::uint32_t keys) {
  return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16) | keys;
}

}  // namespace qv::test
