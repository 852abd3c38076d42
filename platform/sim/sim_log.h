// The simulated platform's record of every effect the logic had on the
// "system", in the order they happened. Entries are fixed-size and the log
// reserves its room up front, so recording during a polling tick allocates
// nothing (the tests count allocations).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace qv::sim {

enum class EffectKind {
  Mouse,          // a: flags, b: dx, c: dy, d: data
  Key,            // a: vk, b: scan, c: flags
  Sound,          // text: file
  Send,           // window, a: message, b: wParam, c: lParam, d: time-out (ms)
  Post,           // window, a: message, b: wParam, c: lParam
  Foreground,     // window
  MessageBox,     // window: owner, text: text, a: flags
  Help,           // window: owner, text: file, a: command
  ShellOpen,      // window: owner, text: file, a: show command
  NotifyIcon,     // a: op (0 add, 1 modify, 2 delete), b: icon resource id
  TrackMenu,      // window: owner, a: flags, b: x, c: y, d: menu
  TimerStart,     // a: id, b: period, c: resolution
  TimerKill,      // a: id
  Registry,       // text: key\name written, a: type
  FileDialog,     // window: owner, text: title, a: flags
};

struct Effect {
  EffectKind kind{};
  WindowHandle window = 0;
  std::int64_t a = 0;
  std::int64_t b = 0;
  std::int64_t c = 0;
  std::int64_t d = 0;
  char text[300] = {};
};

class Log {
 public:
  Log() { effects_.reserve(16384); }

  void Add(const Effect& e) {
    if (!recording_) return;
    effects_.push_back(e);
  }
  void Add(EffectKind kind, WindowHandle window, std::int64_t a, std::int64_t b = 0,
           std::int64_t c = 0, std::int64_t d = 0, const char* text = nullptr);

  const std::vector<Effect>& All() const { return effects_; }
  std::vector<Effect> Of(EffectKind kind) const;
  std::size_t Count(EffectKind kind) const;
  void Clear() { effects_.clear(); }
  void Reserve(std::size_t n) { effects_.reserve(n); }
  // Turned off by benchmarks, which would otherwise fill it.
  void SetRecording(bool on) { recording_ = on; }

 private:
  std::vector<Effect> effects_;
  bool recording_ = true;
};

}  // namespace qv::sim
