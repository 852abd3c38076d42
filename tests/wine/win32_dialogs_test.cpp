// Modal services driven from a helper thread: the message box carries the
// program's Japanese title and text as wide text, and a tracked pop-up menu
// posts the chosen command to its owner.
#include <atomic>
#include <cwchar>
#include <initializer_list>
#include <thread>

#include "platform/constants.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_menus.h"
#include "tests/wine/check.h"

namespace {

// The static text control of a message box has this id.
constexpr int kMessageBoxTextId = 0xFFFF;

// Waits up to five seconds for a top-level window of `className` (and
// `title`, when given) to appear.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title) {
  for (int i = 0; i < 500; ++i) {
    if (HWND w = ::FindWindowW(className, title)) return w;
    ::Sleep(10);
  }
  return nullptr;
}

TEST_CASE(message_box_shows_the_program_text_as_japanese) {
  std::atomic<bool> found{false};
  std::atomic<bool> textRight{false};
  std::thread closer([&] {
    HWND box = WaitForWindow(L"#32770", L"お気に入り");
    if (!box) return;
    found = true;
    wchar_t text[64] = {};
    ::GetDlgItemTextW(box, kMessageBoxTextId, text, 64);
    textRight = std::wcscmp(text, L"ファイルが見つかりません") == 0;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  qv::Win32Dialogs dialogs;
  const std::int32_t answer =
      dialogs.MessageBox(0, "ファイルが見つかりません", "お気に入り", qv::kMbOk | qv::kMbIconExclamation);
  closer.join();
  CHECK(found.load());
  CHECK(textRight.load());
  CHECK_EQ(answer, IDOK);
}

std::atomic<WPARAM> g_command{0};

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) g_command = wParam;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST_CASE(a_tracked_menu_posts_the_chosen_command_to_its_owner) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvMenuOwner";
  ::RegisterClassW(&wc);
  HWND owner = ::CreateWindowExW(0, L"QvMenuOwner", L"owner", WS_POPUP | WS_VISIBLE, 50, 50, 100,
                                 100, nullptr, nullptr, wc.hInstance, nullptr);
  CHECK(owner != nullptr);
  ::SetForegroundWindow(owner);

  constexpr UINT kSetupItem = 32772;
  constexpr UINT kFavouritesItem = 32773;
  qv::Win32Menus menus;
  const qv::OwnedMenu menuOwner = menus.CreatePopupMenu();
  const qv::MenuHandle menu = menuOwner.get();
  CHECK(qv::Succeeded(menus.AppendItem(menu, qv::kMfString, kSetupItem, qv::TextCode::Program, "セットアップ(S)...")));
  CHECK(qv::Succeeded(menus.AppendItem(menu, qv::kMfString, kFavouritesItem, qv::TextCode::Program, "お気に入り(&F)...")));

  std::atomic<bool> opened{false};
  std::thread chooser([&] {
    if (!WaitForWindow(L"#32768", nullptr)) return;
    opened = true;
    ::Sleep(100);
    // Down twice selects the second item; Enter chooses it.
    for (WORD vk : {WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_RETURN}}) {
      INPUT keys[2] = {};
      keys[0].type = keys[1].type = INPUT_KEYBOARD;
      keys[0].ki.wVk = keys[1].ki.wVk = vk;
      keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
      ::SendInput(2, keys, sizeof(INPUT));
      ::Sleep(50);
    }
  });
  g_command = 0;
  const qv::Status tracked = menus.TrackPopupMenu(menu, qv::kTpmLeftAlign | qv::kTpmRightButton, {60, 60},
                                            qv::FromHwnd(owner));
  chooser.join();
  // The command arrives afterwards, as an ordinary posted message.
  MSG msg;
  for (int i = 0; i < 50 && g_command == 0; ++i) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(10);
  }
  CHECK(opened.load());
  CHECK(qv::Succeeded(tracked));
  CHECK_EQ(LOWORD(g_command.load()), kFavouritesItem);
  ::DestroyWindow(owner);
}

}  // namespace

RUN_TESTS()
