// Simulated sound, input synthesis and key state, message boxes and the help
// viewer and the file-open dialog: each records what it is asked to do in the shared log.
#pragma once

#include <cstdint>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/input.h"
#include "platform/sim/sim_log.h"
#include "platform/sound.h"

namespace qv::sim {

class SimSound final : public Sound {
 public:
  explicit SimSound(Log& log) : log_(log) {}
  void PlayAsync(const char* file) override { log_.Add(EffectKind::Sound, 0, NoFields{}, file); }

 private:
  Log& log_;
};

class SimInput final : public Input {
 public:
  explicit SimInput(Log& log) : log_(log) {}

  void SendMouse(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                 std::int32_t data) override {
    log_.Add(EffectKind::Mouse, 0, MouseFields{flags, dx, dy, data});
  }
  void SendKey(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
    log_.Add(EffectKind::Key, 0, KeyFields{vk, scan, flags});
  }
  std::int16_t AsyncKeyState(std::uint8_t vk) override { return keyState_[vk]; }

  // What the key-state query answers for a key (e.g. -32768 for down).
  void SetKeyState(std::uint8_t vk, std::int16_t state) { keyState_[vk] = state; }

 private:
  Log& log_;
  std::int16_t keyState_[256] = {};
};

class SimDialogs final : public Dialogs {
 public:
  explicit SimDialogs(Log& log) : log_(log) {}

  std::int32_t MessageBox(WindowHandle owner, const char* text, const char* title,
                          std::uint32_t flags) override {
    log_.Add(EffectKind::MessageBox, owner, MessageBoxFields{flags}, text);
    lastTitle = title ? title : "";
    if (onMessageBox) onMessageBox();
    if (answers_.empty()) return 1;  // IDOK
    const std::int32_t answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  Status WinHelp(WindowHandle owner, const char* file, std::uint32_t command,
               std::uintptr_t data) override {
    log_.Add(EffectKind::Help, owner, HelpFields{command, data}, file);
    return Status::Ok;
  }

  Status OpenFileName(WindowHandle owner, const char* title, const char* filter,
                      std::uint32_t flags, char* path, std::size_t capacity) override;

  void QueueAnswer(std::int32_t button) { answers_.push_back(button); }
  // The file-open dialog as the user saw it, and the next answer (none: the
  // user cancels).
  struct OpenFileRequest {
    WindowHandle owner = 0;
    std::string title;
    std::string filter;  // the zeros of the system's form kept
    std::uint32_t flags = 0;
  };
  std::vector<OpenFileRequest> openFileRequests;
  std::optional<std::string> openFileAnswer;
  std::string lastTitle;
  // Runs while a box is "shown" (a test can act as the user meanwhile).
  void (*onMessageBox)() = nullptr;

 private:
  Log& log_;
  std::deque<std::int32_t> answers_;
};

}  // namespace qv::sim
