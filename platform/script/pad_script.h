// A game pad played from a script file: the test build of the resident
// program reads its pad samples from here instead of the system's joystick.
// The line format is described in the README; parsing reports the first bad
// line by number and never throws.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/joystick.h"
#include "platform/status.h"
#include "platform/timer.h"
#include "platform/types.h"

namespace qv {

// The pad's state from `atMs` (milliseconds after the first query) until the
// next step.
struct PadScriptStep {
  std::uint32_t atMs = 0;
  bool plugged = true;
  std::uint32_t x = 0;
  std::uint32_t y = 0;
  std::uint32_t z = 0;
  std::uint32_t buttons = 0;
  std::uint32_t pov = 0;
};

struct PadScript {
  std::uint32_t port = 0;  // the one port the pad sits on (0-based)
  JoyCaps caps;
  // Before the first step, and when there is none, the pad is plugged in and
  // at rest: axes centred, no button, hat centred.
  PadScriptStep rest;
  std::vector<PadScriptStep> steps;  // in time order
};

struct PadScriptError {
  int line = 0;  // 1-based; 0 when the fault is not on a line (a missing file)
  std::string message;
};

// Parses script text. On failure `error` names the line and the fault and
// `script` is left in an unspecified state.
[[nodiscard]] Status ParsePadScript(const char* text, std::size_t length, PadScript& script,
                                    PadScriptError& error);
// Reads and parses a script file; NotFound when it cannot be opened.
[[nodiscard]] Status LoadPadScript(const char* path, PadScript& script, PadScriptError& error);

// "line 3: ..." or the bare message for faults without a line.
[[nodiscard]] std::string Describe(const PadScriptError& error);

// The scripted pad. The script's clock starts at the first capability query
// or read, from `clock.Now()`. Queries are safe from any thread and allocate
// nothing.
class ScriptedJoystick final : public Joystick {
 public:
  ScriptedJoystick(PadScript script, MultimediaTimer& clock);

  Status GetCaps(std::uint32_t port, JoyCaps& caps) override;
  Status GetPosEx(std::uint32_t port, JoyInfoEx& sample) override;

  // The step in force `elapsedMs` after the clock started.
  [[nodiscard]] const PadScriptStep& StepAt(std::uint32_t elapsedMs) const;

 private:
  const PadScriptStep& Current();

  PadScript script_;
  MultimediaTimer& clock_;
  // Start of the script's clock; kNotStarted until the first query. 64 bits
  // so that every 32-bit clock value is a valid start.
  static constexpr std::uint64_t kNotStarted = ~std::uint64_t{0};
  std::atomic<std::uint64_t> start_{kNotStarted};
};

}  // namespace qv
