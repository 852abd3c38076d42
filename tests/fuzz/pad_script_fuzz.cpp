// Pad scripts of any bytes: a script that parses plays in time order, every
// sample within the pad's ranges and buttons, and the step in force at a
// step's own time is that step; one that does not names a line it has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/constants.h"
#include "platform/script/pad_script.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using qv::PadScript;
using qv::PadScriptStep;

// What a pad can have at most, and the hat's highest angle (hundredths of a degree).
constexpr std::uint32_t kMaxButtons = 32;
constexpr std::uint32_t kPovMax = 35999;

void CheckSample(const PadScript& script, const PadScriptStep& step) {
  const qv::JoyCaps& caps = script.caps;
  if (!step.plugged) return;
  QV_FUZZ_CHECK(step.x >= caps.xMin && step.x <= caps.xMax);
  QV_FUZZ_CHECK(step.y >= caps.yMin && step.y <= caps.yMax);
  QV_FUZZ_CHECK(step.z >= caps.zMin && step.z <= caps.zMax);
  const std::uint64_t buttons = std::uint64_t{1} << caps.numButtons;
  QV_FUZZ_CHECK(step.buttons < buttons);
  QV_FUZZ_CHECK(step.pov <= kPovMax || step.pov == qv::kJoyPovCentered);
}

bool SameSample(const PadScriptStep& a, const PadScriptStep& b) {
  return a.atMs == b.atMs && a.plugged == b.plugged && a.x == b.x && a.y == b.y && a.z == b.z &&
         a.buttons == b.buttons && a.pov == b.pov;
}

// A manual clock for the scripted pad.
class Clock final : public qv::MultimediaTimer {
 public:
  std::uint32_t SetPeriodic(std::uint32_t, std::uint32_t, qv::TimerCallback, void*) override {
    return 0;
  }
  void Kill(std::uint32_t) override {}
  std::uint32_t Now() override { return now; }
  void WaitUntil(bool (*)(const void*), const void*) override {}
  std::uint32_t now = 0xFFFFFF00u;  // near the wrap, as after 49 days up
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  PadScript script;
  qv::PadScriptError error;
  if (qv::ParsePadScript(text, size, script, error) != qv::Status::Ok) {
    const long lines = std::count(text, text + size, '\n') + 1;
    QV_FUZZ_CHECK(error.line >= 1 && error.line <= lines);
    QV_FUZZ_CHECK(!error.message.empty());
    return 0;
  }
  QV_FUZZ_CHECK(script.caps.numButtons <= kMaxButtons);
  CheckSample(script, script.rest);
  for (std::size_t i = 0; i < script.steps.size(); ++i) {
    if (i > 0) QV_FUZZ_CHECK(script.steps[i].atMs >= script.steps[i - 1].atMs);
    CheckSample(script, script.steps[i]);
  }

  Clock clock;
  const std::vector<PadScriptStep> steps = script.steps;
  const PadScriptStep rest = script.rest;
  const std::uint32_t port = script.port;
  qv::ScriptedJoystick pad(std::move(script), clock);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    // Of several steps at one time the last is in force.
    if (i + 1 == steps.size() || steps[i + 1].atMs != steps[i].atMs)
      QV_FUZZ_CHECK(SameSample(pad.StepAt(steps[i].atMs), steps[i]));
  }
  if (!steps.empty() && steps.front().atMs > 0)
    QV_FUZZ_CHECK(SameSample(pad.StepAt(steps.front().atMs - 1), rest));

  // The pad answers as the step in force says, across the clock's wrap.
  qv::JoyInfoEx sample{};
  const PadScriptStep& first = pad.StepAt(0);
  const bool read = pad.GetPosEx(port, sample) == qv::Status::Ok;
  QV_FUZZ_CHECK(read == first.plugged);
  if (read) QV_FUZZ_CHECK(sample.dwXpos == first.x && sample.dwButtons == first.buttons);
  if (!steps.empty()) {
    clock.now += steps.back().atMs;
    QV_FUZZ_CHECK((pad.GetPosEx(port, sample) == qv::Status::Ok) == steps.back().plugged);
    QV_FUZZ_CHECK(pad.GetPosEx(port + 1, sample) == qv::Status::NotFound);
  }
  return 0;
}
