// Parsing pad scripts and answering the joystick port from one.
#include "platform/script/pad_script.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/constants.h"

namespace qv {
namespace {

constexpr std::uint32_t kMaxButtons = 32;
constexpr std::uint32_t kPovMax = 35999;  // hundredths of a degree
// The pad a script without a 'caps' line describes.
constexpr std::uint32_t kDefaultAxisMax = 65535;
constexpr std::uint32_t kDefaultButtons = 12;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    std::size_t end = i;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    if (end > i) words.push_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

bool ParseNumber(std::string_view text, unsigned base, std::uint32_t& value) {
  if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.remove_prefix(2);
  if (text.empty()) return false;
  std::uint64_t v = 0;
  for (char c : text) {
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    v = v * base + digit;
    if (v > 0xFFFFFFFFu) return false;
  }
  value = static_cast<std::uint32_t>(v);
  return true;
}

// Walks the lines of one script and keeps the first fault.
class Parser {
 public:
  Parser(PadScript& script, PadScriptError& error) : script_(script), error_(error) {}

  bool Line(int number, std::string_view line) {
    line_ = number;
    const std::size_t hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    const std::vector<std::string_view> words = Split(line);
    if (words.empty()) return true;
    if (words[0] == "caps") return Caps(words);
    if (words[0] == "at") return At(words);
    return Fail("unknown command '" + std::string(words[0]) + "' (expected 'caps' or 'at')");
  }

 private:
  bool Fail(const std::string& message) {
    error_.line = line_;
    error_.message = message;
    return false;
  }

  // Splits "name=value"; fails on anything else and on a name seen twice.
  bool Field(std::string_view word, std::vector<std::string_view>& seen, std::string_view& name,
             std::string_view& value) {
    const std::size_t eq = word.find('=');
    if (eq == std::string_view::npos || eq == 0)
      return Fail("expected name=value, found '" + std::string(word) + "'");
    name = word.substr(0, eq);
    value = word.substr(eq + 1);
    if (std::find(seen.begin(), seen.end(), name) != seen.end())
      return Fail("'" + std::string(name) + "' given twice");
    seen.push_back(name);
    return true;
  }

  bool Number(std::string_view name, std::string_view value, unsigned base, std::uint32_t& out) {
    if (ParseNumber(value, base, out)) return true;
    return Fail("'" + std::string(name) + "' needs " +
                (base == 16 ? "a hexadecimal" : "a decimal") + " number, found '" +
                std::string(value) + "'");
  }

  bool Flag(std::string_view name, std::string_view value, bool& out) {
    std::uint32_t v = 0;
    if (!ParseNumber(value, 10, v) || v > 1)
      return Fail("'" + std::string(name) + "' must be 0 or 1, found '" + std::string(value) + "'");
    out = v == 1;
    return true;
  }

  bool Caps(const std::vector<std::string_view>& words) {
    if (sawCaps_) return Fail("a second 'caps' line");
    if (!script_.steps.empty()) return Fail("'caps' must come before the first 'at' line");
    sawCaps_ = true;
    JoyCaps& caps = script_.caps;
    bool hasZ = (caps.caps & kJoyCapsHasZ) != 0;
    bool hasPov = (caps.caps & kJoyCapsHasPov) != 0;
    std::vector<std::string_view> seen;
    for (std::size_t i = 1; i < words.size(); ++i) {
      std::string_view name, value;
      if (!Field(words[i], seen, name, value)) return false;
      bool ok;
      if (name == "port") ok = Number(name, value, 10, script_.port);
      else if (name == "buttons") ok = Number(name, value, 10, caps.numButtons);
      else if (name == "z") ok = Flag(name, value, hasZ);
      else if (name == "pov") ok = Flag(name, value, hasPov);
      else if (name == "xmin") ok = Number(name, value, 10, caps.xMin);
      else if (name == "xmax") ok = Number(name, value, 10, caps.xMax);
      else if (name == "ymin") ok = Number(name, value, 10, caps.yMin);
      else if (name == "ymax") ok = Number(name, value, 10, caps.yMax);
      else if (name == "zmin") ok = Number(name, value, 10, caps.zMin);
      else if (name == "zmax") ok = Number(name, value, 10, caps.zMax);
      else return Fail("unknown caps field '" + std::string(name) + "'");
      if (!ok) return false;
    }
    if (caps.numButtons > kMaxButtons) return Fail("a pad has at most 32 buttons");
    if (caps.xMin > caps.xMax || caps.yMin > caps.yMax || caps.zMin > caps.zMax)
      return Fail("an axis minimum is above its maximum");
    caps.caps = (hasZ ? kJoyCapsHasZ : 0) | (hasPov ? kJoyCapsHasPov : 0);
    script_.rest = Rest(caps);
    return true;
  }

  bool At(const std::vector<std::string_view>& words) {
    if (words.size() < 2) return Fail("'at' needs a time in milliseconds");
    PadScriptStep step = script_.steps.empty() ? script_.rest : script_.steps.back();
    if (!Number("at", words[1], 10, step.atMs)) return false;
    if (!script_.steps.empty() && step.atMs < script_.steps.back().atMs)
      return Fail("time " + std::to_string(step.atMs) + " is before the previous line's " +
                  std::to_string(script_.steps.back().atMs));
    std::size_t first = 2;
    if (words.size() > 2 && words[2] == "unplug") {
      if (words.size() > 3) return Fail("'unplug' takes no fields");
      step.plugged = false;
      script_.steps.push_back(step);
      return true;
    }
    if (words.size() > 2 && words[2] == "plug") {
      step.plugged = true;
      first = 3;
    } else if (!step.plugged) {
      return Fail("the pad is unplugged: 'plug' it before giving a sample");
    }
    const JoyCaps& caps = script_.caps;
    std::vector<std::string_view> seen;
    for (std::size_t i = first; i < words.size(); ++i) {
      std::string_view name, value;
      if (!Field(words[i], seen, name, value)) return false;
      if (name == "x") {
        if (!Number(name, value, 10, step.x) || !InRange(name, step.x, caps.xMin, caps.xMax))
          return false;
      } else if (name == "y") {
        if (!Number(name, value, 10, step.y) || !InRange(name, step.y, caps.yMin, caps.yMax))
          return false;
      } else if (name == "z") {
        if (!Number(name, value, 10, step.z) || !InRange(name, step.z, caps.zMin, caps.zMax))
          return false;
      } else if (name == "buttons") {
        if (!Number(name, value, 16, step.buttons)) return false;
        const std::uint32_t allowed =
            caps.numButtons >= kMaxButtons ? 0xFFFFFFFFu : (1u << caps.numButtons) - 1;
        if ((step.buttons & ~allowed) != 0)
          return Fail("buttons=" + std::string(value) + " names a button beyond the " +
                      std::to_string(caps.numButtons) + " the pad has");
      } else if (name == "pov") {
        if (value == "center" || value == "centre") {
          step.pov = kJoyPovCentered;
        } else {
          if (!Number(name, value, 10, step.pov)) return false;
          if (step.pov > kPovMax && step.pov != kJoyPovCentered)
            return Fail("pov must be 0 to 35999 or 65535 (centred), found " +
                        std::to_string(step.pov));
        }
        if ((caps.caps & kJoyCapsHasPov) == 0 && step.pov != kJoyPovCentered)
          return Fail("the pad has no hat ('caps pov=0'), so pov stays centred");
      } else {
        return Fail("unknown field '" + std::string(name) + "'");
      }
    }
    script_.steps.push_back(step);
    return true;
  }

  bool InRange(std::string_view name, std::uint32_t v, std::uint32_t lo, std::uint32_t hi) {
    if (v >= lo && v <= hi) return true;
    return Fail(std::string(name) + "=" + std::to_string(v) + " is outside the pad's range " +
                std::to_string(lo) + " to " + std::to_string(hi));
  }

  PadScript& script_;
  PadScriptError& error_;
  int line_ = 0;
  bool sawCaps_ = false;

 public:
  static PadScriptStep Rest(const JoyCaps& caps) {
    PadScriptStep rest;
    rest.x = caps.xMin + (caps.xMax - caps.xMin) / 2;
    rest.y = caps.yMin + (caps.yMax - caps.yMin) / 2;
    rest.z = caps.zMin + (caps.zMax - caps.zMin) / 2;
    rest.pov = kJoyPovCentered;
    return rest;
  }
};

PadScript DefaultScript() {
  PadScript script;
  script.caps.xMax = script.caps.yMax = script.caps.zMax = kDefaultAxisMax;
  script.caps.numButtons = kDefaultButtons;
  script.caps.caps = kJoyCapsHasZ | kJoyCapsHasPov;
  script.rest = Parser::Rest(script.caps);
  return script;
}

}  // namespace

Status ParsePadScript(const char* text, std::size_t length, PadScript& script,
                      PadScriptError& error) {
  script = DefaultScript();
  error = PadScriptError{};
  Parser parser(script, error);
  const std::string_view all(text, length);
  std::size_t begin = 0;
  int number = 0;
  while (begin <= all.size()) {
    std::size_t end = all.find('\n', begin);
    if (end == std::string_view::npos) end = all.size();
    ++number;
    if (!parser.Line(number, all.substr(begin, end - begin))) return Status::Failed;
    begin = end + 1;
  }
  return Status::Ok;
}

Status LoadPadScript(const char* path, PadScript& script, PadScriptError& error) {
  error = PadScriptError{};
  std::FILE* file = std::fopen(path, "rb");
  if (!file) {
    error.message = std::string("cannot open pad script '") + path + "'";
    return Status::NotFound;
  }
  std::string text;
  char chunk[4096];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, n);
  const bool readError = std::ferror(file) != 0;
  std::fclose(file);
  if (readError) {
    error.message = std::string("cannot read pad script '") + path + "'";
    return Status::Failed;
  }
  return ParsePadScript(text.data(), text.size(), script, error);
}

std::string Describe(const PadScriptError& error) {
  if (error.line == 0) return error.message;
  return "line " + std::to_string(error.line) + ": " + error.message;
}

ScriptedJoystick::ScriptedJoystick(PadScript script, MultimediaTimer& clock)
    : script_(std::move(script)), clock_(clock) {}

const PadScriptStep& ScriptedJoystick::StepAt(std::uint32_t elapsedMs) const {
  // The last step at or before the time; several at one time: the last wins.
  const auto after = std::upper_bound(
      script_.steps.begin(), script_.steps.end(), elapsedMs,
      [](std::uint32_t t, const PadScriptStep& step) { return t < step.atMs; });
  if (after == script_.steps.begin()) return script_.rest;
  return *(after - 1);
}

const PadScriptStep& ScriptedJoystick::Current() {
  const std::uint32_t now = clock_.Now();
  std::uint64_t start = start_.load();
  if (start == kNotStarted) {
    // Whichever thread asks first starts the clock; a loser takes the winner's start.
    std::uint64_t expected = kNotStarted;
    start = start_.compare_exchange_strong(expected, now) ? now : expected;
  }
  // Unsigned difference: right across the clock's wrap.
  return StepAt(now - static_cast<std::uint32_t>(start));
}

Status ScriptedJoystick::GetCaps(std::uint32_t port, JoyCaps& caps) {
  const PadScriptStep& step = Current();
  if (port != script_.port || !step.plugged) return Status::NotFound;
  caps = script_.caps;
  return Status::Ok;
}

Status ScriptedJoystick::GetPosEx(std::uint32_t port, JoyInfoEx& sample) {
  const PadScriptStep& step = Current();
  if (port != script_.port || !step.plugged) return Status::NotFound;
  sample.dwXpos = step.x;
  sample.dwYpos = step.y;
  sample.dwZpos = step.z;
  sample.dwRpos = sample.dwUpos = sample.dwVpos = 0;
  sample.dwButtons = step.buttons;
  std::uint32_t pressed = 0;
  for (std::uint32_t bits = step.buttons; bits != 0; bits &= bits - 1) ++pressed;
  sample.dwButtonNumber = pressed;
  sample.dwPOV = step.pov;
  return Status::Ok;
}

}  // namespace qv
