// Helpers of the end-to-end tests: the settings in the per-user profile, the
// probe window and its log, the scripted resident program as a child
// process, synthesised input, and pictures of the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_api.h"

namespace qv::e2e {

// ---- files and time -------------------------------------------------------

// The programs built next to the tests, in their Windows form (Z:\...).
std::string ProbeProgram();
std::string MarkerProgram();
std::string ResidentProgram();
std::string SetupProgram();
// The distribution archive as the package's check unpacked it.
std::string UnpackedDistribution();

// A file name in the temporary folder, unique to this process.
std::string TempFile(const char* name);
// A file name in the artefacts folder (QV_ARTIFACTS), or in the temporary
// folder when the runner named none.
std::string ArtifactFile(const char* name);

[[nodiscard]] bool WriteTextFile(const std::string& path, const std::string& text);
[[nodiscard]] bool ReadTextFile(const std::string& path, std::string& text);
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);

// Waits, handling this thread's messages, until `done` holds or `timeoutMs`
// has passed; returns whether it holds. Every wait in these tests is one of
// these, with a generous time-out, never a fixed sleep that has to be right.
bool WaitUntil(const std::function<bool()>& done, std::uint32_t timeoutMs);
// Handles this thread's messages for about `ms` milliseconds.
void Pump(std::uint32_t ms);

// ---- the distribution -----------------------------------------------------

// A fresh distribution folder in the temporary folder: a copy of every file
// of the distribution archive as the package's check unpacked it, setup.exe
// among them. Removed again at the end.
class Distribution {
 public:
  explicit Distribution(const char* name = "dist");
  Distribution(const Distribution&) = delete;
  Distribution& operator=(const Distribution&) = delete;
  ~Distribution();

  const std::string folder;
  const std::string setup;

 private:
  std::vector<std::string> names_;
};

// ---- the profile ----------------------------------------------------------

// Removes the resident program's whole settings key (Software\Nerrow
// Lab\Quorvantix under the current user), so that a run starts from the
// defaults plus what the test writes.
void ClearSettings();
[[nodiscard]] bool SetSetting(const char* section, const char* entry, std::uint32_t value);
[[nodiscard]] bool SetSetting(const char* section, const char* entry, const std::string& value);

// ---- input ----------------------------------------------------------------

void SendKey(WORD vk, bool up);
// Holds `keys` down together for about `ms` milliseconds the way a keyboard
// does, repeating the key-downs, then lets them go in reverse order.
void HoldKeys(const std::vector<WORD>& keys, std::uint32_t ms);
// One mouse-button event (MOUSEEVENTF_LEFTDOWN and the like) where the
// pointer is.
void SendMouseButton(DWORD flags);
// The left button pressed and released in one input, so that no control sees
// it held (a held trackbar or arrow repeats its step when the machine is slow).
void SendClick();
// The pointer put at (x, y) on the screen and a click there, with the
// messages of this thread handled before and after.
void ClickAt(int x, int y);
// The left button pressed at (x, y) and held until `taken` holds or
// `timeoutMs` has passed, then released; returns whether it held. For a
// trackbar, which under Wine takes its page step on its first timer after
// the press rather than on the press: a short click may step it not at all,
// one held too long steps it again.
bool PressAt(int x, int y, const std::function<bool()>& taken, std::uint32_t timeoutMs);
POINT CursorPos();

// ---- child processes ------------------------------------------------------

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  // Starts `commandLine`; `desktop` names the desktop to start it on, or
  // null for this process's own. Standard handles are shared with this
  // process, so that the child's output reaches the test's log.
  [[nodiscard]] bool Start(const std::string& commandLine, const wchar_t* desktop = nullptr);
  bool Running() const;
  // Waits for the end; false on time-out. `exitCode` is then unchanged.
  bool Wait(std::uint32_t timeoutMs, DWORD& exitCode) const;
  void Terminate();
  DWORD id() const { return id_; }

 private:
  KernelHandle process_;
  DWORD id_ = 0;
};

// The setup program started from a distribution folder, and its main dialog
// once it is shown (null when it did not show in time). Ended with the test.
struct RunningSetup {
  explicit RunningSetup(const Distribution& dist);
  RunningSetup(const RunningSetup&) = delete;
  RunningSetup& operator=(const RunningSetup&) = delete;
  ~RunningSetup();

  // The process's visible dialog with this title, or null after the time.
  HWND WaitFor(const wchar_t* title, std::uint32_t timeoutMs = 15000);

  ChildProcess process;
  HWND dialog = nullptr;
};

// The first top-level window of process `pid` (0: any process) with the
// given class and title (null: any).
HWND FindTopLevel(DWORD pid, const wchar_t* className, const wchar_t* title);
// A top-level window of any process with this title, or null after the time.
HWND WaitForTopLevel(const wchar_t* title, std::uint32_t timeoutMs = 10000);
// The page a property sheet shows now.
HWND CurrentSheetPage(HWND sheet);

// ---- the probe --------------------------------------------------------------

struct ProbeEvent {
  std::string kind;  // "move", "ldown", "wheel", "keydown", "vscroll", ...
  long a = 0;        // x, wheel delta, virtual key or scroll code
  long b = 0;        // y, key flags or the extended-key flag
};

class Probe {
 public:
  Probe() = default;
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;
  ~Probe() { Stop(); }

  // Starts the probe over `area`, waits for its window, brings it to the
  // front and puts the pointer at the area's centre.
  [[nodiscard]] bool Start(const RECT& area);
  // Makes the probe the foreground window again (another program's window
  // may have taken the front) and waits until it is and the probe itself
  // reports having the keyboard focus.
  [[nodiscard]] bool BringToFront();
  // Makes the probe stop taking messages for `ms`, as a hung program, and
  // waits until it has.
  [[nodiscard]] bool Hang(std::uint32_t ms);
  void Stop();

  HWND window() const { return window_; }
  POINT Centre() const;
  std::vector<ProbeEvent> Events() const;
  // The events of the given kinds, in order.
  std::vector<ProbeEvent> Events(const std::vector<std::string>& kinds) const;

 private:
  ChildProcess process_;
  std::string log_;
  RECT area_{};
  HWND window_ = nullptr;
};

// ---- the resident program -------------------------------------------------

// A pad on the first port only, twelve buttons, no throttle or hat, the stick
// at rest: the start of most pad scripts.
inline constexpr char kPadAtRest[] = "caps port=0 buttons=12 z=0 pov=0\nat 0 x=32767 y=32767\n";
// The switch that starts the program without its splash.
inline constexpr char kNoSplash[] = "/Embedding";

class Resident {
 public:
  Resident() = default;
  Resident(const Resident&) = delete;
  Resident& operator=(const Resident&) = delete;
  ~Resident() { Stop(); }

  // Writes `script` to a file, names it in QV_PAD_SCRIPT, starts the scripted
  // resident program with `arguments` and waits for its frame window to be
  // shown (which ends its start-up and takes the front).
  [[nodiscard]] bool Start(const std::string& script, const std::string& arguments = "");
  bool Running() const { return process_.Running(); }
  // Ends the program: a close request to its frame, then, if it is still
  // there after a while, termination.
  void Stop();
  // Whether the last Stop ended the program through its close request.
  bool closedCleanly() const { return closedCleanly_; }

  HWND frame() const { return frame_; }
  DWORD id() const { return process_.id(); }

 private:
  ChildProcess process_;
  std::string script_;
  HWND frame_ = nullptr;
  bool closedCleanly_ = false;
};

// ---- pictures of the screen -----------------------------------------------

struct ScreenPicture {
  RECT area{};
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Copies `area` of the screen (GDI BitBlt of the screen's device context).
ScreenPicture CaptureScreen(const RECT& area);
// Writes a picture as a 24-bit BMP file.
[[nodiscard]] bool SaveBmp(const ScreenPicture& picture, const std::string& path);

}  // namespace qv::e2e
