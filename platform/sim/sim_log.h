// The simulated platform's record of every effect the logic had on the
// "system", in the order they happened. Entries are fixed-size and the log
// reserves its room up front, so recording during a polling tick allocates
// nothing (the tests count allocations).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/text.h"
#include "platform/types.h"

namespace qv::sim {

enum class EffectKind {
  Mouse,
  Key,
  Sound,       // text: the file
  Send,        // window: the receiver
  Post,        // window: the receiver
  Foreground,  // window
  MessageBox,  // window: the owner, text: the text
  Help,        // window: the owner, text: the file
  ShellOpen,   // window: the owner, text: the file
  NotifyIcon,  // window: the icon's window
  TrackMenu,   // window: the owner
  TimerStart,
  TimerKill,
  FileDialog,  // window: the owner, text: the title
};

// What each kind of effect carries besides its window and text.
struct NoFields {};
struct MouseFields {
  std::uint32_t flags;  // kMouse* bits
  std::int32_t dx;
  std::int32_t dy;
  std::int32_t data;  // the wheel's amount
};
struct KeyFields {
  std::uint8_t key;  // virtual key
  std::uint8_t scan;
  std::uint32_t flags;  // kKeyEvent* bits
};
// A message sent or posted. A send that waits as long as it takes has the
// time-out kForever; a scroll message's bar is its message, its code the
// low word of wParam.
struct MessageFields {
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
  std::uint32_t timeoutMs;
};
struct MessageBoxFields {
  std::uint32_t flags;  // kMb* bits
};
struct HelpFields {
  std::uint32_t command;
  std::uintptr_t data;
};
struct ShellOpenFields {
  std::int32_t showCommand;
};
struct NotifyIconFields {
  NotifyOp op;
  std::uint32_t iconResource;  // of the record's icon; 0 for none
};
struct TrackMenuFields {
  std::uint32_t flags;  // kTpm* bits
  std::int32_t x;
  std::int32_t y;
  MenuHandle menu;
};
struct FileDialogFields {
  std::uint32_t flags;  // the dialog's option bits
};
struct TimerFields {
  std::uint32_t id;  // 0 for a start the system refused
  std::uint32_t periodMs;
  std::uint32_t resolutionMs;
};

struct Effect {
  EffectKind kind{};
  WindowHandle window = 0;
  // The member that kind names; the others are not to be read.
  union {
    MessageFields message{};  // Send, Post
    MouseFields mouse;
    KeyFields key;
    MessageBoxFields box;
    HelpFields help;
    ShellOpenFields open;
    NotifyIconFields icon;
    TrackMenuFields track;
    TimerFields timer;  // TimerStart, TimerKill
    FileDialogFields fileDialog;
  };
  char text[300] = {};

  void Set(NoFields) {}
  void Set(const MessageFields& f) { message = f; }
  void Set(const MouseFields& f) { mouse = f; }
  void Set(const KeyFields& f) { key = f; }
  void Set(const MessageBoxFields& f) { box = f; }
  void Set(const HelpFields& f) { help = f; }
  void Set(const ShellOpenFields& f) { open = f; }
  void Set(const NotifyIconFields& f) { icon = f; }
  void Set(const TrackMenuFields& f) { track = f; }
  void Set(const TimerFields& f) { timer = f; }
  void Set(const FileDialogFields& f) { fileDialog = f; }
};

class Log {
 public:
  static constexpr std::size_t kReservedEffects = 16384;

  Log() { effects_.reserve(kReservedEffects); }

  template <typename Fields>
  void Add(EffectKind kind, WindowHandle window, const Fields& fields,
           const char* text = nullptr) {
    if (!recording_) return;
    Effect e;
    e.kind = kind;
    e.window = window;
    e.Set(fields);
    if (text) CopyText(e.text, text);
    effects_.push_back(e);
  }

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
