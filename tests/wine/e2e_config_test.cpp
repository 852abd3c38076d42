// End to end under Wine, on a virtual desktop with a task bar: the icon's
// menu opens the configuration sheet, centred and topmost with the button
// page; pressing pad button 3 shows that slot; choosing the key action and
// pressing a key shows its name; OK writes the profile and the pad types the
// new key at once; Cancel leaves the profile as it was and polling resumes;
// after an unplug, opening and closing the sheet with the pad back resumes
// polling. On the system page, a slider moved with the keyboard and one
// with the mouse snap, the port's arrow finds a port without a pad, and OK
// leaves the values where reg.exe reads them. Pictures of both pages go to
// the artefacts.
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>

#include "config/config_ids.h"
#include "engine/pad_settings.h"
#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"
#include "tests/wine/e2e/task_bar.h"

#include <commctrl.h>

namespace {

using namespace qv::e2e;

const RECT kProbeArea{100, 100, 500, 400};
constexpr char kProfile[] = "Software\\Nerrow Lab\\Quorvantix";

// Button 3 pressed and released once a second for a minute, from 5 s on:
// whichever moment the sheet opens, the next press chooses slot 3. `head`
// comes first (an unplug and plug before the presses).
std::string PadScript(const std::string& head = "") {
  std::string script = std::string(kPadAtRest) + head;
  for (int t = 5000; t < 65000; t += 1000)
    script += "at " + std::to_string(t) + " buttons=4\nat " + std::to_string(t + 300) +
              " buttons=0\n";
  return script;
}

// Every value under the program's key, as "section\name" -> type and bytes.
std::map<std::string, std::string> ProfileValues() {
  std::map<std::string, std::string> values;
  HKEY root = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kProfile, 0, KEY_READ, &root) != ERROR_SUCCESS)
    return values;
  char section[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof section;
    if (::RegEnumKeyExA(root, i, section, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, section, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    char name[256];
    BYTE data[1024];
    for (DWORD j = 0;; ++j) {
      DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
      if (::RegEnumValueA(key, j, name, &nameSize, nullptr, &type, data, &dataSize) !=
          ERROR_SUCCESS)
        break;
      values[std::string(section) + "\\" + name] =
          std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
    }
    ::RegCloseKey(key);
  }
  ::RegCloseKey(root);
  return values;
}

DWORD ProfileDword(const char* section, const char* name) {
  DWORD value = 0xFFFFFFFFu, size = sizeof value;
  const std::string key = std::string(kProfile) + "\\" + section;
  ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// The control's own text, asked of it (another process's edit field keeps
// its text to itself).
std::wstring Text(HWND window) {
  wchar_t text[256] = L"";
  DWORD_PTR length = 0;
  if (::SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                            SMTO_NORMAL, 5000, &length) == 0)
    return L"";
  return text;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM pid) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != static_cast<DWORD>(pid)) return TRUE;
  wchar_t className[64] = L"";
  ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
  RECT box{};
  ::GetWindowRect(window, &box);
  std::printf("  window %p class %ls visible %d at %ld,%ld title length %zu\n",
              static_cast<void*>(window), className, ::IsWindowVisible(window) ? 1 : 0, box.left,
              box.top, Text(window).size());
  return TRUE;
}

HWND FindSheet(DWORD pid) {
  HWND sheet = nullptr;
  WaitUntil(
      [&] {
        sheet = FindTopLevel(pid, L"#32770", L"Quorvantix セットアップ");
        return sheet != nullptr && ::IsWindowVisible(sheet);
      },
      15000);
  if (sheet == nullptr) ::EnumWindows(&PrintWindow, static_cast<LPARAM>(pid));
  return sheet;
}

// The setup item chosen on the icon's menu, by its mnemonic or with the
// mouse (when another program has the front, the menu may not get the
// keyboard); the sheet.
HWND OpenSheet(const RECT& icon, DWORD pid, bool byKey) {
  HWND menu = nullptr;
  if (!OpenIconMenu(icon, menu)) return nullptr;
  if (byKey) {
    SendKey('S', false);
    SendKey('S', true);
  } else {
    // The first item, a few pixels below the menu's top edge (another
    // process's menu handle means nothing here).
    RECT box{};
    ::GetWindowRect(menu, &box);
    ::SetCursorPos((box.left + box.right) / 2, box.top + 10);
    Pump(200);
    SendClick();
  }
  return FindSheet(pid);
}

bool Centred(HWND window) {
  RECT box{};
  ::GetWindowRect(window, &box);
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  return std::abs((box.left + box.right) / 2 - w / 2) <= 2 &&
         std::abs((box.top + box.bottom) / 2 - h / 2) <= 2;
}

// Clicks a radio button until it shows checked (a click that only brings
// the sheet to the front is taken again); whether it did.
bool ClickRadio(HWND radio) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT box{};
    ::GetWindowRect(radio, &box);
    ::SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    Pump(100);
    SendClick();
    if (WaitUntil([&] { return ::SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 1000))
      return true;
    std::printf("  the click on the radio button was not taken\n");
  }
  return false;
}

bool ProbeSawKey(const Probe& probe, long vk, std::size_t after) {
  const std::vector<ProbeEvent> keys = probe.Events({"keydown"});
  for (std::size_t i = after; i < keys.size(); ++i)
    if (keys[i].a == vk) return true;
  return false;
}

TEST_CASE(the_sheet_sets_a_button_up_ok_saves_it_and_cancel_changes_nothing) {
  TaskBar bar;
  if (!CHECK(bar.Find())) return;
  ClearSettings();
  // Slot 3 does nothing until it is set up, so its presses disturb nothing.
  CHECK(SetSetting("Buttons", "Button03", 0u));
  Resident program;
  // No splash: a key pressed while it is up would close it, not choose the
  // menu's item.
  if (!CHECK(program.Start(PadScript(), "/Embedding"))) return;
  RECT icon{};
  if (!CHECK(bar.WaitForNewIcon(icon))) return;

  HWND sheet = OpenSheet(icon, program.id(), true);
  if (!CHECK(sheet != nullptr)) return;
  // Placed before it is first seen.
  CHECK(Centred(sheet));
  CHECK((::GetWindowLongW(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  RECT box{};
  ::GetWindowRect(sheet, &box);
  const HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (!CHECK(page != nullptr)) return;

  // The scripted presses of button 3 choose slot 3.
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, IDC_SLOT_LABEL)) == L"ボタン  3"; }, 15000));
  CHECK(::SendDlgItemMessageW(page, IDC_ACTION_NONE, BM_GETCHECK, 0, 0) == BST_CHECKED);

  // The key action, then a key on the keyboard.
  CHECK(ClickRadio(::GetDlgItem(page, IDC_ACTION_KEY)));
  SendKey(VK_F13, false);
  SendKey(VK_F13, true);
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, IDC_KEY_NAME)) == L"F13"; }, 5000));
  Pump(300);
  if (!SaveBmp(CaptureScreen(box), ArtifactFile("config-button-page.bmp")))
    std::printf("  could not save the page's picture\n");

  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(sheet); }, 10000));
  CHECK(WaitUntil([] { return ProfileDword("Buttons", "Button03") == qv::BA_KEY; }, 5000));
  CHECK_EQ(ProfileDword("Char", "Key03"), static_cast<DWORD>(VK_F13));

  // Polling resumed with the new action: the pad's button 3 types F13.
  Probe probe;
  if (!CHECK(probe.Start(kProbeArea))) return;
  CHECK(WaitUntil([&] { return ProbeSawKey(probe, VK_F13, 0); }, 10000));

  // Cancel after a change leaves every value as it was.
  const std::map<std::string, std::string> before = ProfileValues();
  CHECK(before.size() > 100u);
  sheet = OpenSheet(icon, program.id(), false);
  if (!CHECK(sheet != nullptr)) return;
  const HWND again = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(again, IDC_SLOT_LABEL)) == L"ボタン  3"; }, 15000));
  CHECK(ClickRadio(::GetDlgItem(again, IDC_ACTION_NONE)));
  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(sheet); }, 10000));
  CHECK(ProfileValues() == before);

  // And polling runs again: the key comes once more.
  const std::size_t seen = probe.Events({"keydown"}).size();
  CHECK(probe.BringToFront());
  CHECK(WaitUntil([&] { return ProbeSawKey(probe, VK_F13, seen); }, 10000));

  probe.Stop();
  program.Stop();
  CHECK(program.closedCleanly());
}

TEST_CASE(after_an_unplug_only_the_sheet_brings_polling_back) {
  TaskBar bar;
  if (!CHECK(bar.Find())) return;
  ClearSettings();
  CHECK(SetSetting("Buttons", "Button03", qv::BA_KEY));
  CHECK(SetSetting("Char", "Key03", static_cast<std::uint32_t>(VK_F13)));
  Probe probe;
  if (!CHECK(probe.Start(kProbeArea))) return;
  Resident program;
  // Unplugged at 2 s and back at 4 s; button 3 types F13 from 5 s on.
  if (!CHECK(program.Start(PadScript("at 2000 unplug\nat 4000 plug\n"), "/Embedding"))) return;
  RECT icon{};
  if (!CHECK(bar.WaitForNewIcon(icon))) return;
  CHECK(probe.BringToFront());
  // Polling stopped at the unplug and stays stopped with the pad back.
  Pump(9000);
  CHECK(!ProbeSawKey(probe, VK_F13, 0));

  HWND sheet = OpenSheet(icon, program.id(), false);
  if (!CHECK(sheet != nullptr)) return;
  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(sheet); }, 10000));
  CHECK(probe.BringToFront());
  CHECK(WaitUntil([&] { return ProbeSawKey(probe, VK_F13, 0); }, 10000));

  probe.Stop();
  program.Stop();
  CHECK(program.closedCleanly());
}

// ---- the system page --------------------------------------------------------

// reg.exe's output for `command`, as Wine's console gives it, or "" when it
// could not run or did not end.
std::string RegOutput(const std::string& command) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  qv::KernelHandle readEnd, writeEnd;
  if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inherit, 0)) return "";
  ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = writeEnd.get();
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION started{};
  std::string line = "reg.exe " + command;
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &started))
    return "";
  qv::KernelHandle process(started.hProcess), thread(started.hThread);
  // Our copy of the writing end closed, the read ends when reg.exe does.
  writeEnd.reset();
  std::string output;
  char chunk[512];
  DWORD got = 0;
  while (::ReadFile(readEnd.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
    output.append(chunk, got);
  if (::WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) return "";
  return output;
}

// The number reg.exe shows for `name` among `listing`'s REG_DWORD lines, or
// -1 when it shows none.
long long RegDword(const std::string& listing, const std::string& name) {
  const std::string marker = " " + name + " ";
  for (std::size_t at = listing.find(marker); at != std::string::npos;
       at = listing.find(marker, at + 1)) {
    const std::size_t end = listing.find('\n', at);
    const std::string line = listing.substr(at, end == std::string::npos ? end : end - at);
    const std::size_t type = line.find("REG_DWORD");
    if (type == std::string::npos) continue;
    const std::size_t number = line.find("0x", type);
    if (number == std::string::npos) continue;
    return std::strtoll(line.c_str() + number, nullptr, 16);
  }
  return -1;
}

int SliderPos(HWND page, int id) {
  return static_cast<int>(::SendDlgItemMessageW(page, id, TBM_GETPOS, 0, 0));
}

GUITHREADINFO GuiOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return {};
  return info;
}

HWND FocusOf(HWND window) { return GuiOf(window).hwndFocus; }
// The window that holds the mouse capture on `window`'s thread.
HWND CaptureOf(HWND window) { return GuiOf(window).hwndCapture; }

// The system page, by clicks along the tab strip (another process's tab
// rectangles cannot be asked for) until the sheet shows it; null if none did.
HWND ShowSystemPage(HWND sheet) {
  const HWND tabs = ::FindWindowExW(sheet, nullptr, L"SysTabControl32", nullptr);
  if (tabs == nullptr) return nullptr;
  RECT strip{};
  ::GetWindowRect(tabs, &strip);
  auto current = [&] {
    return reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  };
  for (int x = strip.left + 10; x < strip.right; x += 15) {
    ClickAt(x, strip.top + 8);
    HWND page = nullptr;
    if (WaitUntil([&] { return ::GetDlgItem(page = current(), IDC_SPEED_SLIDER) != nullptr; }, 500))
      return page;
  }
  return nullptr;
}

TEST_CASE(the_system_page_snaps_its_sliders_finds_an_empty_port_and_ok_writes_the_profile) {
  TaskBar bar;
  if (!CHECK(bar.Find())) return;
  ClearSettings();
  // Off the sliders' grids, so that one move shows all three snap.
  CHECK(SetSetting("Buttons", "Speed", 25u));
  CHECK(SetSetting("Buttons", "Delay", 250u));
  CHECK(SetSetting("Buttons", "Sikii", 5000u));
  CHECK(SetSetting("Buttons", "GSpeed", 4u));
  Resident program;
  // A pad on the first port only.
  if (!CHECK(program.Start(kPadAtRest, kNoSplash)))
    return;
  RECT icon{};
  if (!CHECK(bar.WaitForNewIcon(icon))) return;
  HWND sheet = OpenSheet(icon, program.id(), true);
  if (!CHECK(sheet != nullptr)) return;
  const HWND page = ShowSystemPage(sheet);
  if (!CHECK(page != nullptr)) return;
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, IDC_PORT)) == L"1"; }, 5000));
  CHECK(Text(::GetDlgItem(page, IDC_PAD_STATUS)).empty());

  // The keyboard: tab to the speed slider, one step right; the three snap.
  const HWND speed = ::GetDlgItem(page, IDC_SPEED_SLIDER);
  for (int tab = 0; tab < 40 && FocusOf(sheet) != speed; ++tab) {
    SendKey(VK_TAB, false);
    SendKey(VK_TAB, true);
    WaitUntil([&] { return FocusOf(sheet) == speed; }, 300);
  }
  if (!CHECK(FocusOf(sheet) == speed)) return;
  SendKey(VK_RIGHT, false);
  SendKey(VK_RIGHT, true);
  CHECK(WaitUntil(
      [&] {
        return SliderPos(page, IDC_SPEED_SLIDER) == 40 && SliderPos(page, IDC_DELAY_SLIDER) == 300 &&
               SliderPos(page, IDC_SIKII_SLIDER) == 6000;
      },
      5000));

  // The mouse: a press on the acceleration slider's far right, clear of its
  // thumb at 4, pages it right. Wine's trackbar pages on a timer while the
  // button is down, so a slow machine may see a second page step before the
  // release: the test holds the press until the first and then takes the
  // whole page steps it shows, and OK must write exactly that.
  RECT slider{};
  ::GetWindowRect(::GetDlgItem(page, IDC_GSPEED_SLIDER), &slider);
  // A press that a slow machine lets go unseen is repeated while the thumb
  // has not moved.
  bool pressed = false;
  for (int press = 0; press < 3 && !pressed; ++press)
    pressed = PressAt(slider.right - 12, (slider.top + slider.bottom) / 2,
                      [&] { return SliderPos(page, IDC_GSPEED_SLIDER) != 4; }, 3000);
  CHECK(pressed);
  // The slider pages until it has seen the release and let the mouse go.
  const HWND accelerationSlider = ::GetDlgItem(page, IDC_GSPEED_SLIDER);
  CHECK(WaitUntil([&] { return CaptureOf(page) != accelerationSlider; }, 5000));
  const int acceleration = SliderPos(page, IDC_GSPEED_SLIDER);
  CHECK(acceleration > 4 && acceleration % 4 == 0);

  // The port's upper arrow: port 2 has no pad.
  RECT arrows{};
  ::GetWindowRect(::GetDlgItem(page, IDC_PORT_SPIN), &arrows);
  // A click that a slow machine lets go unseen is repeated, only while the
  // port has not moved: one taken late then shows as port 3 and fails.
  bool stepped = false;
  for (int click = 0; click < 3 && !stepped; ++click) {
    if (Text(::GetDlgItem(page, IDC_PORT)) == L"1")
      ClickAt((arrows.left + arrows.right) / 2, arrows.top + (arrows.bottom - arrows.top) / 4);
    stepped = WaitUntil([&] { return Text(::GetDlgItem(page, IDC_PORT)) == L"2"; }, 3000);
  }
  CHECK(stepped);
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, IDC_PAD_STATUS)) == L"未接続"; }, 5000));
  Pump(300);
  RECT box{};
  ::GetWindowRect(sheet, &box);
  if (!SaveBmp(CaptureScreen(box), ArtifactFile("config-system-page.bmp")))
    std::printf("  could not save the page's picture\n");

  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(sheet); }, 10000));
  const std::string command = std::string("query \"HKCU\\") + kProfile + "\\Buttons\"";
  std::string listing;
  const int failuresBefore = ::qvcheck::Failures();
  CHECK(WaitUntil([&] { return RegDword(listing = RegOutput(command), "PortID") == 1; }, 10000));
  CHECK_EQ(RegDword(listing, "Speed"), 40);
  CHECK_EQ(RegDword(listing, "Delay"), 300);
  CHECK_EQ(RegDword(listing, "Sikii"), 6000);
  CHECK_EQ(RegDword(listing, "GSpeed"), acceleration);
  if (::qvcheck::Failures() != failuresBefore) std::printf("  reg.exe said:\n%s\n", listing.c_str());

  program.Stop();
  CHECK(program.closedCleanly());
}

}  // namespace

int main(int argc, char** argv) { return RunOnTaskBarDesktop(argc, argv); }
