// The system page on the system's own property sheet, with the resident
// program's resources and a pad with a throttle on port 1: sliders moved by
// a key and by a real mouse click snap, the throttle moves the step slider,
// the port's arrows find a port without a pad ("未接続"), a real drop
// structure lands on a sound field, and a sound file is chosen through the
// real file dialog. The same page at 144 dots per inch (the LogPixels
// setting, in a child process started after it is set) lays out whole and
// takes a drop on each sound field. Pictures of the page, the file dialog
// and the page at 144 dots per inch go to the artefacts.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <thread>

#include "config/config_ids.h"
#include "config/pad_capture.h"
#include "config/system_page.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "framework/win32/win32_window_host.h"
#include "framework/win_app.h"
#include "platform/win32/code_page.h"
#include "platform/win32/win32_platform.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

namespace {

constexpr const wchar_t* kSheetTitle = L"システムの試験";
// The key data of one keystroke: a repeat count of one, and for the key
// coming up its previous-state and transition bits too.
constexpr LPARAM kKeyDownData = 1;
constexpr LPARAM kKeyUpData = static_cast<LPARAM>(0xC0000001u);

// One pad on the first port, with a throttle the test moves.
class ThrottlePad final : public qv::Joystick {
 public:
  std::atomic<std::uint32_t> z{0};
  qv::Status GetCaps(std::uint32_t port, qv::JoyCaps& caps) override {
    if (port != 0) return qv::Status::NotFound;
    caps = {};
    caps.xMax = caps.yMax = caps.zMax = 65535;
    caps.numButtons = 12;
    caps.caps = qv::kJoyCapsHasZ;
    return qv::Status::Ok;
  }
  qv::Status GetPosEx(std::uint32_t port, qv::JoyInfoEx& sample) override {
    if (port != 0) return qv::Status::NotFound;
    sample.dwXpos = sample.dwYpos = 32767;
    sample.dwZpos = z.load();
    sample.dwButtons = 0;
    sample.dwPOV = qv::kJoyPovCentered;
    return qv::Status::Ok;
  }
};

struct Rig {
  ThrottlePad pad;
  qv::Win32Platform win32{&pad};
  qv::Win32WindowHost host{win32.platform()};
  qv::CWinApp app{host, "Quorvantix"};
  qv::PadCapture capture{win32.platform()};
  qv::CMyPropertyPage2 page{host, capture};
  qv::CPropertySheet sheet{host, "システムの試験"};

  Rig() {
    sheet.m_psh.dwFlags |= qv::kPshNoApplyNow;
    sheet.AddPage(&page);
  }
};

std::wstring ItemText(HWND page, int id) {
  wchar_t text[300] = {};
  ::GetDlgItemTextW(page, id, text, static_cast<int>(std::size(text)));
  return text;
}

bool WaitForItemText(HWND page, int id, const std::wstring& text) {
  return qv::e2e::WaitUntil([&] { return ItemText(page, id) == text; }, 5000);
}

int SliderPos(HWND page, int id) {
  return static_cast<int>(::SendDlgItemMessageW(page, id, TBM_GETPOS, 0, 0));
}

// A control's rectangle in the page's client coordinates.
RECT ClientRectOf(HWND page, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(page, id), &area);
  ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

POINT CentreOf(const RECT& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }

// The shell's drop structure for one file at a point of the page, posted to
// it as the shell does.
void DropOn(HWND page, POINT at, const std::string& file) {
  const std::wstring wide = qv::SystemToWide(file.c_str());
  const std::size_t bytes = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (memory == nullptr) return;
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fNC = FALSE;
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), wide.c_str(),
              wide.size() * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  // The page's DragFinish frees it.
  ::PostMessageW(page, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void ClickAt(POINT onScreen) { qv::e2e::ClickAt(onScreen.x, onScreen.y); }

void Picture(HWND window, const char* name) {
  RECT area{};
  ::GetWindowRect(window, &area);
  CHECK(qv::e2e::SaveBmp(qv::e2e::CaptureScreen(area), qv::e2e::ArtifactFile(name)));
}

void LogBaseUnits(HWND page) {
  RECT units{0, 0, 4, 8};
  ::MapDialogRect(page, &units);
  HDC screen = ::GetDC(nullptr);
  std::printf("  page base units %ld x %ld at %d dots per inch\n", units.right, units.bottom,
              ::GetDeviceCaps(screen, LOGPIXELSY));
  ::ReleaseDC(nullptr, screen);
}

std::string MakeWave(const char* name) {
  const std::string path = qv::e2e::TempFile(name);
  CHECK(qv::e2e::WriteTextFile(path, "RIFF"));
  return path;
}

TEST_CASE(the_system_page_snaps_follows_the_throttle_and_takes_drops_and_chosen_files) {
  Rig rig;
  qv::PadSettings settings;
  settings.Speed = 25;
  settings.Delay = 250;
  settings.Sikii = 5000;
  settings.GSpeed = 4;
  settings.Zaxis = 1;
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 1;
  rig.page.LoadFrom(settings, 1);
  CHECK(rig.capture.Start() == qv::Status::Ok);
  const std::string dropped = MakeWave("dropped.wav");
  const std::string chosen = MakeWave("chosen.wav");
  std::atomic<bool> keySnapped{false}, mouseMoved{false}, followed{false}, missing{false},
      found{false}, stoppedAtOne{false}, dropLanded{false}, dialogSeen{false}, fileTaken{false};
  std::thread user([&] {
    HWND window = qv::e2e::WaitForTopLevel(kSheetTitle);
    if (!window) return;
    HWND page = qv::e2e::CurrentSheetPage(window);
    ::SetForegroundWindow(window);
    LogBaseUnits(page);
    // A key on the speed slider: one arrow step, then all three snap.
    ::PostMessageW(::GetDlgItem(page, IDC_SPEED_SLIDER), WM_KEYDOWN, VK_RIGHT, kKeyDownData);
    ::PostMessageW(::GetDlgItem(page, IDC_SPEED_SLIDER), WM_KEYUP, VK_RIGHT, kKeyUpData);
    keySnapped = qv::e2e::WaitUntil(
        [&] {
          return SliderPos(page, IDC_SPEED_SLIDER) == 40 && SliderPos(page, IDC_DELAY_SLIDER) == 300 &&
                 SliderPos(page, IDC_SIKII_SLIDER) == 6000;
        },
        5000);
    // The mouse on the acceleration slider's channel, right of its thumb:
    // one page step.
    HWND acceleration = ::GetDlgItem(page, IDC_GSPEED_SLIDER);
    RECT thumb{};
    ::SendMessageW(acceleration, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    POINT right{thumb.right + 6, (thumb.top + thumb.bottom) / 2};
    ::ClientToScreen(acceleration, &right);
    mouseMoved =
        qv::e2e::PressAt(right.x, right.y, [&] { return SliderPos(page, IDC_GSPEED_SLIDER) != 4; },
                         5000) &&
        qv::e2e::WaitUntil([&] { return SliderPos(page, IDC_GSPEED_SLIDER) == 8; }, 5000);
    // The throttle to the top: the step slider follows.
    rig.pad.z = 65535;
    followed = qv::e2e::WaitUntil([&] { return SliderPos(page, IDC_NSPEED_SLIDER) == 16; }, 5000);
    // The port's upper arrow: port 2 has no pad; its lower arrow back, and
    // again, where it stops.
    const RECT arrows = ClientRectOf(page, IDC_PORT_SPIN);
    POINT up{(arrows.left + arrows.right) / 2, arrows.top + (arrows.bottom - arrows.top) / 4};
    POINT down{up.x, arrows.bottom - (arrows.bottom - arrows.top) / 4};
    ::ClientToScreen(page, &up);
    ::ClientToScreen(page, &down);
    ClickAt(up);
    missing = WaitForItemText(page, IDC_PORT, L"2") && WaitForItemText(page, IDC_PAD_STATUS, L"未接続");
    ClickAt(down);
    found = WaitForItemText(page, IDC_PORT, L"1") && WaitForItemText(page, IDC_PAD_STATUS, L"");
    ClickAt(down);
    qv::e2e::Pump(300);
    stoppedAtOne = ItemText(page, IDC_PORT) == L"1";
    // A file dropped on the release sound's field.
    DropOn(page, CentreOf(ClientRectOf(page, IDC_CURSOR_SOUND_OFF_PATH)), dropped);
    dropLanded = WaitForItemText(page, IDC_CURSOR_SOUND_OFF_PATH, qv::SystemToWide(dropped.c_str()));
    // The press sound chosen through the file dialog.
    ::PostMessageW(::GetDlgItem(page, IDC_CURSOR_SOUND_ON_BROWSE), BM_CLICK, 0, 0);
    HWND dialog = qv::e2e::WaitForTopLevel(L"サウンドファイル選択");
    dialogSeen = dialog != nullptr;
    if (dialog) {
      qv::e2e::Pump(500);
      Picture(dialog, "system-page-file-dialog.bmp");
      const std::wstring wide = qv::SystemToWide(chosen.c_str());
      // The file-name box: cmb13 on the system's dialog, edt1 on older ones.
      ::SetDlgItemTextW(dialog, cmb13, wide.c_str());
      ::SetDlgItemTextW(dialog, edt1, wide.c_str());
      ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      fileTaken = WaitForItemText(page, IDC_CURSOR_SOUND_ON_PATH, wide);
      qv::e2e::WaitUntil([&] { return !::IsWindow(dialog); }, 5000);
      qv::e2e::Pump(300);
    }
    Picture(window, "system-page.bmp");
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });
  const std::intptr_t result = rig.sheet.DoModal();
  user.join();
  rig.capture.Stop();
  CHECK_EQ(result, qv::kIdOk);
  CHECK(keySnapped.load());
  CHECK(mouseMoved.load());
  CHECK(followed.load());
  CHECK(missing.load());
  CHECK(found.load());
  CHECK(stoppedAtOne.load());
  CHECK(dropLanded.load());
  CHECK(dialogSeen.load());
  CHECK(fileTaken.load());
  rig.page.StoreInto(settings);
  CHECK_EQ(settings.Speed, 40);
  CHECK_EQ(settings.Delay, 300);
  CHECK_EQ(settings.Sikii, 6000);
  CHECK_EQ(settings.GSpeed, 8);
  CHECK_EQ(settings.NSpeed, 16);
  CHECK_EQ(settings.PortID, 0);
  CHECK(std::string(settings.CursorSoundOffFile) == dropped);
  CHECK(std::string(settings.CursorSoundOnFile) == chosen);
}

// ---- 144 dots per inch ------------------------------------------------------

constexpr const char* kLargeScreenSwitch = "--at-144-dpi";

// Every control inside the page, and a drop on each sound field landing on it.
int LargeScreenPage() {
  Rig rig;
  qv::PadSettings settings;
  settings.CursorSoundOn = 1;
  settings.CursorSoundOff = 1;
  rig.page.LoadFrom(settings, 1);
  const std::string on = MakeWave("large-on.wav");
  const std::string off = MakeWave("large-off.wav");
  std::atomic<bool> whole{false}, landed{false}, scaled{false};
  std::thread user([&] {
    HWND window = qv::e2e::WaitForTopLevel(kSheetTitle);
    if (!window) return;
    HWND page = qv::e2e::CurrentSheetPage(window);
    LogBaseUnits(page);
    HDC screen = ::GetDC(nullptr);
    scaled = ::GetDeviceCaps(screen, LOGPIXELSY) == 144;
    ::ReleaseDC(nullptr, screen);
    RECT client{};
    ::GetClientRect(page, &client);
    bool inside = true;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      RECT area{};
      ::GetWindowRect(child, &area);
      ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&area), 2);
      if (area.left < client.left || area.top < client.top || area.right > client.right ||
          area.bottom > client.bottom) {
        std::printf("  control %d lies outside the page\n", ::GetDlgCtrlID(child));
        inside = false;
      }
    }
    // The page itself within the sheet, above its buttons.
    RECT sheetClient{}, pageArea{}, okArea{};
    ::GetClientRect(window, &sheetClient);
    ::GetWindowRect(page, &pageArea);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&pageArea), 2);
    ::GetWindowRect(::GetDlgItem(window, IDOK), &okArea);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&okArea), 2);
    if (pageArea.right > sheetClient.right || pageArea.bottom > okArea.top) {
      std::printf("  the page reaches beyond the sheet or over its buttons\n");
      inside = false;
    }
    whole = inside;
    DropOn(page, CentreOf(ClientRectOf(page, IDC_CURSOR_SOUND_ON_PATH)), on);
    DropOn(page, CentreOf(ClientRectOf(page, IDC_CURSOR_SOUND_OFF_PATH)), off);
    landed = WaitForItemText(page, IDC_CURSOR_SOUND_ON_PATH, qv::SystemToWide(on.c_str())) &&
             WaitForItemText(page, IDC_CURSOR_SOUND_OFF_PATH, qv::SystemToWide(off.c_str()));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    qv::e2e::Pump(500);
    Picture(window, "system-page-144dpi.bmp");
    ::PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });
  CHECK_EQ(rig.sheet.DoModal(), qv::kIdOk);
  user.join();
  CHECK(scaled.load());
  CHECK(whole.load());
  CHECK(landed.load());
  return ::qvcheck::Failures();
}

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

TEST_CASE(at_144_dots_per_inch_the_page_lays_out_whole_and_drops_land_on_their_fields) {
  HKEY key = nullptr;
  CHECK(::RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) == ERROR_SUCCESS);
  if (!key) return;
  DWORD before = 0, size = sizeof before, type = 0;
  const bool had = ::RegQueryValueExW(key, L"LogPixels", nullptr, &type,
                                      reinterpret_cast<BYTE*>(&before), &size) == ERROR_SUCCESS;
  const DWORD large = 144;
  ::RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&large),
                   sizeof large);
  // The resolution is read when a program starts: the page runs in a child.
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  char narrow[MAX_PATH * 2] = {};
  ::WideCharToMultiByte(CP_ACP, 0, self, -1, narrow, sizeof narrow, nullptr, nullptr);
  qv::e2e::ChildProcess child;
  DWORD exitCode = 99;
  CHECK(child.Start(std::string("\"") + narrow + "\" " + kLargeScreenSwitch));
  CHECK(child.Wait(60000, exitCode));
  CHECK_EQ(exitCode, 0u);
  if (had)
    ::RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before),
                     sizeof before);
  else
    ::RegDeleteValueW(key, L"LogPixels");
  ::RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], kLargeScreenSwitch) == 0) return LargeScreenPage();
  return ::qvcheck::RunAll();
}
