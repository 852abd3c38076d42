// End to end under Wine, on a virtual desktop with a task bar: the icon's
// menu opens the configuration sheet, centred and topmost with the button
// page; pressing pad button 3 shows that slot; choosing the key action and
// pressing a key shows its name; OK writes the profile and the pad types the
// new key at once; Cancel leaves the profile as it was and polling resumes;
// after an unplug, opening and closing the sheet with the pad back resumes
// polling. A picture of the page goes to the artefacts.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "tests/wine/check.h"
#include "tests/wine/e2e/e2e_support.h"
#include "tests/wine/e2e/task_bar.h"

#include <commctrl.h>

namespace {

using namespace qv::e2e;

const RECT kProbeArea{100, 100, 500, 400};
constexpr char kProfile[] = "Software\\Nerrow Lab\\Quorvantix";
constexpr int kSlotLabel = 1027;
constexpr int kKeyName = 1064;
constexpr int kNoAction = 1004;
constexpr int kKeyAction = 1063;

// Button 3 pressed and released once a second for a minute, from 5 s on:
// whichever moment the sheet opens, the next press chooses slot 3. `head`
// comes first (an unplug and plug before the presses).
std::string PadScript(const std::string& head = "") {
  std::string script = "caps port=0 buttons=12 z=0 pov=0\nat 0 x=32767 y=32767\n" + head;
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
  if (::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                            5000, &length) == 0)
    return L"";
  return text;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM pid) {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != static_cast<DWORD>(pid)) return TRUE;
  wchar_t className[64] = L"";
  ::GetClassNameW(window, className, 64);
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
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
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
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
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
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, kSlotLabel)) == L"ボタン  3"; }, 15000));
  CHECK(::SendDlgItemMessageW(page, kNoAction, BM_GETCHECK, 0, 0) == BST_CHECKED);

  // The key action, then a key on the keyboard.
  CHECK(ClickRadio(::GetDlgItem(page, kKeyAction)));
  SendKey(VK_F13, false);
  SendKey(VK_F13, true);
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(page, kKeyName)) == L"F13"; }, 5000));
  Pump(300);
  if (!SaveBmp(CaptureScreen(box), ArtifactFile("config-button-page.bmp")))
    std::printf("  could not save the page's picture\n");

  ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  CHECK(WaitUntil([&] { return !::IsWindow(sheet); }, 10000));
  CHECK(WaitUntil([] { return ProfileDword("Buttons", "Button03") == 0x2000u; }, 5000));
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
  CHECK(WaitUntil([&] { return Text(::GetDlgItem(again, kSlotLabel)) == L"ボタン  3"; }, 15000));
  CHECK(ClickRadio(::GetDlgItem(again, kNoAction)));
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
  CHECK(SetSetting("Buttons", "Button03", 0x2000u));
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

}  // namespace

int main(int argc, char** argv) { return RunOnTaskBarDesktop(argc, argv); }
