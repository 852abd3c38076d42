// End to end under Wine: scripted pad buttons and the hat reach the probe
// window as the settings configure them: mouse clicks (the default double
// click included), wheel notches, a key with CTRL, scroll messages from the
// hat and from a scroll-stick button, and a started program.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/pad_settings.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

namespace {

using namespace qv::e2e;

const RECT kProbeArea{100, 100, 700, 600};

// Slots 0, 1, 2, 4 and 5 keep their default actions (left, right, left
// double click, wheel up, wheel down); the others are set here.
bool WriteButtonSettings(const std::string& marker) {
  ClearSettings();
  return SetSetting("Buttons", "Delay", 100u) &&
         SetSetting("Buttons", "Button04", qv::BA_MIDDLE) &&
         SetSetting("Buttons", "Button07", qv::BA_KEY | qv::BX_CTRL) &&
         SetSetting("Char", "Key07", 0x43u) && SetSetting("Code", "Key07", 0x2Eu) &&
         SetSetting("Buttons", "Button08", qv::BA_SCROLL_STICK) &&
         SetSetting("Buttons", "Button09", qv::BA_LAUNCH) &&
         SetSetting("AP", "Button09", marker);
}

// One press at a time, a second apart, so that no two clicks make a double
// click by accident; button masks are hexadecimal, button 1 is bit 0.
constexpr const char* kScript =
    "caps port=0 buttons=12 z=0 pov=1\n"
    "at 0 x=32767 y=32767\n"
    "at 2500 buttons=1\n"     // left
    "at 2700 buttons=0\n"
    "at 3500 buttons=2\n"     // right
    "at 3700 buttons=0\n"
    "at 4500 buttons=4\n"     // left double click (the default of slot 2)
    "at 4700 buttons=0\n"
    "at 5500 buttons=8\n"     // middle
    "at 5700 buttons=0\n"
    "at 6500 buttons=10\n"    // wheel up
    "at 6600 buttons=0\n"
    "at 7500 buttons=20\n"    // wheel down
    "at 7600 buttons=0\n"
    "at 8500 buttons=40\n"    // CTRL + C
    "at 8700 buttons=0\n"
    "at 9500 pov=0\n"         // hat forward
    "at 9600 pov=center\n"
    "at 10500 pov=9000\n"     // hat right
    "at 10600 pov=center\n"
    "at 11500 buttons=80\n"   // scroll-stick button held: stick down, then left
    "at 11600 y=65535\n"
    "at 11800 y=32767\n"
    "at 11900 x=0\n"
    "at 12100 x=32767\n"
    "at 12200 buttons=0\n"
    "at 13000 buttons=100\n"  // start the marker program, on release
    "at 13200 buttons=0\n";

std::vector<std::string> Kinds(const std::vector<ProbeEvent>& events) {
  std::vector<std::string> kinds;
  for (const ProbeEvent& event : events) kinds.push_back(event.kind);
  return kinds;
}

// Runs of equal (kind, code) collapsed to one: a held hat or stick scrolls
// on every tick, as often as the machine manages.
std::vector<std::pair<std::string, long>> Runs(const std::vector<ProbeEvent>& events) {
  std::vector<std::pair<std::string, long>> runs;
  for (const ProbeEvent& event : events) {
    if (runs.empty() || runs.back().first != event.kind || runs.back().second != event.a) {
      runs.emplace_back(event.kind, event.a);
    }
  }
  return runs;
}

void Show(const char* what, const std::vector<ProbeEvent>& events) {
  std::printf("  %s:", what);
  for (const ProbeEvent& event : events) std::printf(" %s(%ld,%ld)", event.kind.c_str(), event.a, event.b);
  std::printf("\n");
}

TEST_CASE(pad_buttons_and_the_hat_reach_the_window_under_the_pointer_as_configured) {
  const std::string marker = TempFile("marker.txt");
  RemoveFile(marker);
  CHECK(WriteButtonSettings(MarkerProgram()));
  Probe probe;
  if (!CHECK(probe.Start(kProbeArea))) return;
  const POINT centre = probe.Centre();

  ::SetEnvironmentVariableA("QV_E2E_MARKER", marker.c_str());
  Resident program;
  const bool started = program.Start(kScript, "/Embedding");  // no splash over the probe
  ::SetEnvironmentVariableA("QV_E2E_MARKER", nullptr);
  if (!CHECK(started)) return;
  CHECK(probe.BringToFront());

  // The launch is the script's last action; the marker program shows it.
  CHECK(WaitUntil([&] { return FileExists(marker); }, 45000));
  Pump(300);

  const auto clicks = probe.Events(
      {"ldown", "lup", "ldbl", "rdown", "rup", "rdbl", "mdown", "mup", "mdbl"});
  const std::vector<std::string> expectedClicks{"ldown", "lup", "rdown", "rup",  "ldown",
                                                "lup",   "ldbl", "lup", "mdown", "mup"};
  if (!CHECK(Kinds(clicks) == expectedClicks)) Show("clicks", clicks);
  for (const ProbeEvent& click : clicks) CHECK(click.a == centre.x && click.b == centre.y);

  // Wheel up first, then down: one notch or more each, no key flags.
  const auto wheel = probe.Events({"wheel"});
  std::vector<long> signs;
  for (const ProbeEvent& notch : wheel) {
    CHECK(notch.a == 120 || notch.a == -120);
    CHECK_EQ(notch.b, 0);
    if (signs.empty() || signs.back() != notch.a) signs.push_back(notch.a);
  }
  if (!CHECK((signs == std::vector<long>{120, -120}))) Show("wheel", wheel);

  // CTRL and then the key go down, both marked extended; at the release
  // CTRL goes up before the key.
  std::vector<ProbeEvent> keys;
  for (const ProbeEvent& key : probe.Events({"keydown", "keyup", "syskeydown", "syskeyup"})) {
    if (key.a == VK_CONTROL || key.a == 0x43) keys.push_back(key);
  }
  bool keysInOrder = keys.size() == 4 && keys[0].kind == "keydown" && keys[0].a == VK_CONTROL &&
                     keys[1].kind == "keydown" && keys[1].a == 0x43 && keys[2].kind == "keyup" &&
                     keys[2].a == VK_CONTROL && keys[3].kind == "keyup" && keys[3].a == 0x43;
  for (const ProbeEvent& key : keys) keysInOrder = keysInOrder && key.b == 1;
  if (!CHECK(keysInOrder)) Show("keys", keys);

  // Hat forward: line up; hat right: line right; the scroll-stick button
  // with the stick down: line down, and left: line left.
  const auto scrolls = probe.Events({"vscroll", "hscroll"});
  const std::vector<std::pair<std::string, long>> expectedScrolls{
      {"vscroll", 0}, {"hscroll", 1}, {"vscroll", 1}, {"hscroll", 0}};
  if (!CHECK(Runs(scrolls) == expectedScrolls)) Show("scrolls", scrolls);

  std::string ran;
  CHECK(ReadTextFile(marker, ran));
  CHECK(ran.find("marker") != std::string::npos);

  // The stick only ever moved while it scrolled: the pointer stayed put.
  const POINT now = CursorPos();
  CHECK(now.x == centre.x && now.y == centre.y);

  CHECK(program.Running());
  program.Stop();
  CHECK(program.closedCleanly());
  RemoveFile(marker);
}

}  // namespace

RUN_TESTS()
