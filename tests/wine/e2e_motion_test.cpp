// End to end under Wine: a scripted pad's stick moves the real pointer over
// the probe window by the configured step per tick; SHIFT+PAUSE and pulling
// the pad out stop the motion while the program stays resident.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

namespace {

using namespace qv::e2e;

constexpr long kStep = 3;  // NSpeed: pointer units per tick and axis
const RECT kProbeArea{40, 40, 1240, 1000};
constexpr POINT kStart{150, 150};

// A plain step (no acceleration factor, so no automatic acceleration
// either) and the default trigger margin.
bool WriteMotionSettings() {
  ClearSettings();
  return SetSetting("Buttons", "NSpeed", static_cast<std::uint32_t>(kStep)) &&
         SetSetting("Buttons", "GSpeed", 1u) && SetSetting("Buttons", "Speed", 20u) &&
         SetSetting("Buttons", "Sikii", 3000u) && SetSetting("Buttons", "Delay", 0u);
}

// The splash would cover the middle of the probe and take the pointer's
// messages; the switch keeps it away.

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// Waits until the pointer has not moved for `quietMs`.
bool WaitForStill(std::uint32_t quietMs, std::uint32_t timeoutMs) {
  POINT last = CursorPos();
  DWORD since = ::GetTickCount();
  return WaitUntil(
      [&] {
        const POINT now = CursorPos();
        if (!SamePoint(now, last)) {
          last = now;
          since = ::GetTickCount();
          return false;
        }
        return ::GetTickCount() - since >= quietMs;
      },
      timeoutMs);
}

bool StillFor(std::uint32_t ms) {
  const POINT before = CursorPos();
  Pump(ms);
  return SamePoint(before, CursorPos());
}

// The probe up, the pointer at the start and the probe told so: the steps
// are counted from the probe's record of the start, which a loaded machine
// may otherwise write only after the stick has begun to move.
bool Started(Probe& probe) {
  if (!probe.Start(kProbeArea)) return false;
  ::SetCursorPos(kStart.x, kStart.y);
  return WaitUntil(
      [&] {
        if (!SamePoint(CursorPos(), kStart)) return false;
        const std::vector<ProbeEvent> moves = probe.Events({"move"});
        return !moves.empty() && moves.back().a == kStart.x && moves.back().b == kStart.y;
      },
      10000);
}

// Holds SHIFT+PAUSE, the way a user does, until the pointer has stood still
// for `quietMs`: a tick delayed on a loaded machine may come after a fixed
// short press is already over. A second of stillness is far longer than
// any gap between ticks that move it.
bool HoldChordUntilStill(std::uint32_t quietMs, std::uint32_t timeoutMs) {
  POINT last = CursorPos();
  const DWORD start = ::GetTickCount();
  DWORD since = start;
  bool still = false;
  while (!still && ::GetTickCount() - start < timeoutMs) {
    // Repeated as a keyboard repeats them: see HoldKeys.
    SendKey(VK_SHIFT, false);
    SendKey(VK_PAUSE, false);
    ::Sleep(5);
    const POINT now = CursorPos();
    if (!SamePoint(now, last)) {
      last = now;
      since = ::GetTickCount();
    }
    still = ::GetTickCount() - since >= quietMs;
  }
  SendKey(VK_PAUSE, true);
  SendKey(VK_SHIFT, true);
  return still;
}

TEST_CASE(the_stick_moves_the_pointer_by_its_step_until_shift_pause) {
  CHECK(WriteMotionSettings());
  Probe probe;
  if (!CHECK(Started(probe))) return;
  Resident program;
  // Right and down from 1.5 s on, for good.
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=0\n"
                           "at 0 x=32767 y=32767\n"
                           "at 1500 x=65535 y=65535\n",
                           kNoSplash)))
    return;
  CHECK(probe.BringToFront());

  CHECK(WaitUntil([] { return CursorPos().x >= kStart.x + 30; }, 20000));
  const POINT first = CursorPos();
  const DWORD firstTime = ::GetTickCount();
  Pump(400);
  const POINT second = CursorPos();
  const long elapsed = static_cast<long>(::GetTickCount() - firstTime);

  // SHIFT held, PAUSE pressed, with the probe to see them: polling stops
  // though the stick stays pushed.
  CHECK(probe.BringToFront());
  const std::size_t keysBefore = probe.Events({"keydown", "keyup"}).size();
  CHECK(HoldChordUntilStill(1000, 10000));
  const POINT stopped = CursorPos();
  CHECK(StillFor(1500));

  // Right and down alike, both axes one step per tick (the ticks run every
  // 10 ms, fewer on a loaded machine, never more).
  CHECK(second.x > first.x);
  CHECK(second.y > first.y);
  CHECK_EQ(second.x - first.x, second.y - first.y);
  const long expected = kStep * elapsed / 10;
  const long moved = second.x - first.x;
  CHECK(moved >= expected / 8);
  CHECK(moved <= expected * 2 + 3 * kStep);
  // The stop came from the key chord, not from the edge of the screen.
  CHECK(stopped.x < ::GetSystemMetrics(SM_CXSCREEN) - 1);
  CHECK(stopped.y < ::GetSystemMetrics(SM_CYSCREEN) - 1);
  CHECK(program.Running());

  // Every pointer position the probe saw differs from the one before by
  // whole steps, equal on both axes: one relative move per tick, as
  // configured, and no system acceleration in between.
  // Counted from the last time the probe saw the pointer at the start (an
  // activation may repeat an older position before that).
  const std::vector<ProbeEvent> moves = probe.Events({"move"});
  std::size_t from = moves.size();
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (moves[i].a == kStart.x && moves[i].b == kStart.y) from = i;
  }
  const bool began = from < moves.size();
  int steps = 0;
  bool whole = true;
  for (std::size_t i = from + 1; i < moves.size(); ++i) {
    const long dx = moves[i].a - moves[i - 1].a;
    const long dy = moves[i].b - moves[i - 1].b;
    if (dx == 0 && dy == 0) continue;
    ++steps;
    if (dx != dy || dx <= 0 || dx % kStep != 0) {
      if (whole) std::printf("  the pointer went by (%ld, %ld)\n", dx, dy);
      whole = false;
    }
  }
  CHECK(began);
  CHECK(steps >= 5);
  CHECK(whole);
  // The program reads the chord from the global key state; the probe, which
  // had the focus, saw SHIFT go down first and come up last.
  std::vector<ProbeEvent> keys = probe.Events({"keydown", "keyup"});
  keys.erase(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(std::min(keysBefore, keys.size())));
  CHECK(keys.size() >= 4 && keys.front().kind == "keydown" && keys.front().a == VK_SHIFT &&
        keys[1].a == VK_PAUSE);
  CHECK(!keys.empty() && keys.back().kind == "keyup" && keys.back().a == VK_SHIFT);

  program.Stop();
  CHECK(program.closedCleanly());
}

TEST_CASE(pulling_the_pad_out_stops_the_pointer_and_the_program_stays) {
  CHECK(WriteMotionSettings());
  Probe probe;
  if (!CHECK(Started(probe))) return;
  Resident program;
  // Right only from 1 s on; the pad is gone from 2.5 s on, the stick
  // still pushed when it went.
  if (!CHECK(program.Start("caps port=0 buttons=12 z=0 pov=0\n"
                           "at 0 x=32767 y=32767\n"
                           "at 1000 x=65535\n"
                           "at 2500 unplug\n",
                           kNoSplash)))
    return;
  CHECK(probe.BringToFront());

  CHECK(WaitUntil([] { return CursorPos().x > kStart.x; }, 20000));
  CHECK(WaitForStill(1000, 20000));
  const POINT stopped = CursorPos();
  CHECK(StillFor(1500));

  CHECK(stopped.x > kStart.x + kStep);
  CHECK(stopped.x < ::GetSystemMetrics(SM_CXSCREEN) - 1);
  CHECK_EQ(stopped.y, kStart.y);  // the centred axis never moved
  CHECK(program.Running());
  CHECK(::IsWindow(program.frame()));

  program.Stop();
  CHECK(program.closedCleanly());
}

}  // namespace

RUN_TESTS()
