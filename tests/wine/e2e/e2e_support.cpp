// Helpers of the end-to-end tests (see e2e_support.h).
#include "tests/wine/e2e/e2e_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <commctrl.h>  // after the Windows headers, which it needs

namespace qv::e2e {

namespace {

// The build names the programs by their paths on the build machine; Wine
// shows the whole file system as drive Z:.
std::string WindowsPath(const char* path) {
  std::string out;
  if (path[0] == '/') out = "Z:";
  for (const char* p = path; *p != '\0'; ++p) out += (*p == '/') ? '\\' : *p;
  return out;
}

std::string TempFolder() {
  char buffer[MAX_PATH];
  const DWORD length = ::GetTempPathA(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return "C:\\";
  return buffer;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }


}  // namespace

std::string ProbeProgram() { return WindowsPath(QV_E2E_PROBE); }
std::string MarkerProgram() { return WindowsPath(QV_E2E_MARKER); }
std::string ResidentProgram() { return WindowsPath(QV_E2E_RESIDENT); }
std::string SetupProgram() { return WindowsPath(QV_E2E_SETUP); }
std::string UnpackedDistribution() { return WindowsPath(QV_E2E_DISTRIBUTION); }

std::string TempFile(const char* name) {
  char stem[64];
  std::snprintf(stem, sizeof stem, "qv-e2e-%lu-", static_cast<unsigned long>(::GetCurrentProcessId()));
  return TempFolder() + stem + name;
}

std::string ArtifactFile(const char* name) {
  const char* folder = std::getenv("QV_ARTIFACTS");
  if (folder == nullptr || *folder == '\0') return TempFile(name);
  return std::string(folder) + "\\" + name;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

bool ReadTextFile(const std::string& path, std::string& text) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  text.clear();
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return true;
}

Distribution::Distribution(const char* name)
    : folder(TempFile(name)), setup(folder + "\\setup.exe") {
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::string unpacked = UnpackedDistribution();
  WIN32_FIND_DATAA found{};
  const FindHandle search(::FindFirstFileA((unpacked + "\\*").c_str(), &found));
  if (!search) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    names_.push_back(found.cFileName);
    ::CopyFileA((unpacked + "\\" + found.cFileName).c_str(),
                (folder + "\\" + found.cFileName).c_str(), FALSE);
  } while (::FindNextFileA(search.get(), &found));
}

Distribution::~Distribution() {
  for (const std::string& name : names_) ::DeleteFileA((folder + "\\" + name).c_str());
  ::RemoveDirectoryA(folder.c_str());
}

RunningSetup::RunningSetup(const Distribution& dist) {
  if (!process.Start("\"" + dist.setup + "\"")) return;
  // Shown only once its controls are made and it is initialised.
  dialog = WaitFor(L"QuorvantixのSETUP", 20000);
}

RunningSetup::~RunningSetup() { process.Terminate(); }

HWND RunningSetup::WaitFor(const wchar_t* title, std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindTopLevel(process.id(), L"#32770", title);
        return found != nullptr && ::IsWindowVisible(found);
      },
      timeoutMs);
  return found;
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) { ::DeleteFileA(path.c_str()); }

void Pump(std::uint32_t ms) {
  const DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(10);
  } while (::GetTickCount() - start < ms);
}

bool WaitUntil(const std::function<bool()>& done, std::uint32_t timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (done()) return true;
    if (::GetTickCount() - start >= timeoutMs) return done();
    Pump(20);
  }
}

// ---- the profile ----------------------------------------------------------

namespace {
constexpr const char* kSettingsKey = "Software\\Nerrow Lab\\Quorvantix";

bool OpenSection(const char* section, RegistryKey& key) {
  const std::string path = std::string(kSettingsKey) + "\\" + section;
  return ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           key.put(), nullptr) == ERROR_SUCCESS;
}
}  // namespace

void ClearSettings() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

bool SetSetting(const char* section, const char* entry, std::uint32_t value) {
  RegistryKey key;
  if (!OpenSection(section, key)) return false;
  const DWORD data = value;
  return ::RegSetValueExA(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

bool SetSetting(const char* section, const char* entry, const std::string& value) {
  RegistryKey key;
  if (!OpenSection(section, key)) return false;
  return ::RegSetValueExA(key.get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// ---- input ----------------------------------------------------------------

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  // With the key's scan code, as a keyboard sends it: Wine keeps no key
  // state for a SHIFT that comes without one.
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof input);
}

void HoldKeys(const std::vector<WORD>& keys, std::uint32_t ms) {
  // Wine under a virtual X server forgets a synthesised key as down as soon
  // as the pointer moves (the X server, which never saw the key, is asked
  // for the key map again), so a key held while the pointer moves is only
  // seen as held when its key-downs repeat.
  const DWORD start = ::GetTickCount();
  do {
    for (WORD vk : keys) SendKey(vk, false);
    ::Sleep(5);
  } while (::GetTickCount() - start < ms);
  for (auto vk = keys.rbegin(); vk != keys.rend(); ++vk) SendKey(*vk, true);
}

void SendMouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof input);
}

void SendClick() {
  INPUT inputs[2]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof inputs[0]);
}

void ClickAt(int x, int y) {
  ::SetCursorPos(x, y);
  Pump(100);
  SendClick();
  Pump(150);
}

bool PressAt(int x, int y, const std::function<bool()>& taken, std::uint32_t timeoutMs) {
  ::SetCursorPos(x, y);
  Pump(100);
  SendMouseButton(MOUSEEVENTF_LEFTDOWN);
  const bool held = WaitUntil(taken, timeoutMs);
  SendMouseButton(MOUSEEVENTF_LEFTUP);
  Pump(150);
  return held;
}

POINT CursorPos() {
  POINT p{-1, -1};
  ::GetCursorPos(&p);
  return p;
}

// ---- child processes ------------------------------------------------------

ChildProcess::~ChildProcess() { Terminate(); }

bool ChildProcess::Start(const std::string& commandLine, const wchar_t* desktop) {
  Terminate();
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  std::wstring desktopName = desktop ? desktop : L"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  if (desktop) startup.lpDesktop = &desktopName[0];
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info)) {
    std::printf("  cannot start %s (error %lu)\n", commandLine.c_str(),
                static_cast<unsigned long>(::GetLastError()));
    return false;
  }
  KernelHandle thread(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
  return true;
}

bool ChildProcess::Running() const {
  return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::Wait(std::uint32_t timeoutMs, DWORD& exitCode) const {
  if (!process_) return false;
  if (::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return false;
  return ::GetExitCodeProcess(process_.get(), &exitCode) != 0;
}

void ChildProcess::Terminate() {
  if (Running()) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 5000);
  }
  process_.reset();
  id_ = 0;
}

namespace {
struct WindowQuery {
  DWORD pid;
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto& query = *reinterpret_cast<WindowQuery*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (query.pid != 0 && pid != query.pid) return TRUE;
  wchar_t text[256];
  if (query.className) {
    if (!::GetClassNameW(window, text, 256) || std::wcscmp(text, query.className) != 0) return TRUE;
  }
  if (query.title) {
    ::GetWindowTextW(window, text, 256);
    if (std::wcscmp(text, query.title) != 0) return TRUE;
  }
  query.found = window;
  return FALSE;
}
}  // namespace

HWND FindTopLevel(DWORD pid, const wchar_t* className, const wchar_t* title) {
  WindowQuery query{pid, className, title, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND WaitForTopLevel(const wchar_t* title, std::uint32_t timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = ::FindWindowW(nullptr, title)) != nullptr; }, timeoutMs);
  return found;
}

HWND CurrentSheetPage(HWND sheet) {
  return reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// ---- the probe --------------------------------------------------------------

bool Probe::Start(const RECT& area) {
  Stop();
  area_ = area;
  log_ = TempFile("probe.log");
  RemoveFile(log_);
  char geometry[96];
  std::snprintf(geometry, sizeof geometry, " %ld %ld %ld %ld", static_cast<long>(area.left),
                static_cast<long>(area.top), static_cast<long>(area.right - area.left),
                static_cast<long>(area.bottom - area.top));
  if (!process_.Start(Quoted(ProbeProgram()) + " " + Quoted(log_) + geometry)) return false;
  const DWORD pid = process_.id();
  if (!WaitUntil(
          [&] {
            window_ = FindTopLevel(pid, L"QvE2EProbe", nullptr);
            return window_ != nullptr && ::IsWindowVisible(window_) && !Events({"ready"}).empty();
          },
          20000)) {
    std::printf("  the probe's window did not appear\n");
    return false;
  }
  const POINT centre = Centre();
  ::SetCursorPos(centre.x, centre.y);
  return BringToFront();
}

bool Probe::BringToFront() {
  // The foreground changes at once, the focus only when the probe has
  // handled its activation: keys sent before that may go elsewhere.
  return WaitUntil(
      [&] {
        if (::GetForegroundWindow() != window_) {
          ::SetForegroundWindow(window_);
          return false;
        }
        const std::vector<ProbeEvent> focus = Events({"focus"});
        return !focus.empty() && focus.back().a == 1;
      },
      10000);
}

bool Probe::Hang(std::uint32_t ms) {
  constexpr UINT kProbeHang = WM_APP + 1;  // as probe.cpp has it
  if (!::PostMessageW(window_, kProbeHang, ms, 0)) return false;
  return WaitUntil([&] { return !Events({"hang"}).empty(); }, 10000);
}

void Probe::Stop() {
  if (window_ && process_.Running()) {
    ::PostMessageW(window_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process_.Wait(5000, code);
  }
  process_.Terminate();
  window_ = nullptr;
}

POINT Probe::Centre() const {
  return POINT{(area_.left + area_.right) / 2, (area_.top + area_.bottom) / 2};
}

std::vector<ProbeEvent> Probe::Events() const {
  std::vector<ProbeEvent> events;
  std::string text;
  if (!ReadTextFile(log_, text)) return events;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    ProbeEvent event;
    if (!(fields >> event.kind)) continue;
    if (event.kind != "ready") fields >> event.a >> event.b;
    events.push_back(event);
  }
  return events;
}

std::vector<ProbeEvent> Probe::Events(const std::vector<std::string>& kinds) const {
  std::vector<ProbeEvent> chosen;
  for (const ProbeEvent& event : Events()) {
    for (const std::string& kind : kinds) {
      if (event.kind == kind) {
        chosen.push_back(event);
        break;
      }
    }
  }
  return chosen;
}

// ---- the resident program -------------------------------------------------

bool Resident::Start(const std::string& script, const std::string& arguments) {
  Stop();
  script_ = TempFile("pad.txt");
  if (!WriteTextFile(script_, script)) return false;
  ::SetEnvironmentVariableA("QV_PAD_SCRIPT", script_.c_str());
  const bool started =
      process_.Start(Quoted(ResidentProgram()) + (arguments.empty() ? "" : " " + arguments));
  ::SetEnvironmentVariableA("QV_PAD_SCRIPT", nullptr);
  if (!started) return false;
  const DWORD pid = process_.id();
  if (!WaitUntil(
          [&] {
            // Shown at the end of start-up; showing it takes the front.
            frame_ = FindTopLevel(pid, nullptr, L"Quorvantix");
            return (frame_ != nullptr && ::IsWindowVisible(frame_)) || !process_.Running();
          },
          30000) ||
      frame_ == nullptr) {
    DWORD code = 0;
    if (process_.Wait(0, code)) {
      std::printf("  the resident program ended at once with code %lu\n", static_cast<unsigned long>(code));
    } else {
      std::printf("  the resident program's frame window did not appear\n");
    }
    return false;
  }
  return true;
}

void Resident::Stop() {
  closedCleanly_ = false;
  if (frame_ && process_.Running()) {
    ::PostMessageW(frame_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    closedCleanly_ = process_.Wait(15000, code);
  }
  process_.Terminate();
  frame_ = nullptr;
  if (!script_.empty()) RemoveFile(script_);
}

// ---- pictures of the screen -----------------------------------------------

ScreenPicture CaptureScreen(const RECT& area) {
  ScreenPicture picture;
  picture.area = area;
  picture.width = area.right - area.left;
  picture.height = area.bottom - area.top;
  if (picture.width <= 0 || picture.height <= 0) return picture;
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);

  qv::ScreenDc screen(::GetDC(nullptr));
  qv::MemoryDc memory(::CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  qv::GdiObjectOwner bitmap(
      ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen || !memory || !bitmap || bits == nullptr) return picture;
  HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
  ::BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), area.left, area.top,
           SRCCOPY);
  ::GdiFlush();
  // The colour in the low three bytes; the top byte of a pixel means nothing.
  constexpr std::uint32_t kColourBits = 0xFFFFFFu;
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = source[i] & kColourBits;
  ::SelectObject(memory.get(), previous);
  return picture;
}

bool SaveBmp(const ScreenPicture& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) & ~3u;
  const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + dataBytes;
  header.biSize = sizeof header;
  header.biWidth = picture.width;
  header.biHeight = picture.height;  // bottom row first
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = dataBytes;
  std::string data(reinterpret_cast<const char*>(&file), sizeof file);
  data.append(reinterpret_cast<const char*>(&header), sizeof header);
  std::string row(rowBytes, '\0');
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t c = picture.At(x, y);
      row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<char>(c & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>((c >> 8) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>((c >> 16) & 0xFF);
    }
    data += row;
  }
  return WriteTextFile(path, data);
}

}  // namespace qv::e2e
