// The shell port under Wine: opening files through the shell, icon
// resources, and the notification-area icon's add, modify and delete.
#include <cstring>

#include "platform/constants.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_shell.h"
#include "tests/wine/check.h"

namespace {

TEST_CASE(opening_a_missing_file_reports_the_shells_failure) {
  // The shell answers a failed open with a result of 32 or less.
  constexpr std::intptr_t kShellOpenFailedMax = 32;
  qv::Win32Shell shell;
  const std::intptr_t result = shell.Open(0, "C:\\qv-no-such-folder\\missing.txt", qv::kSwShowDefault);
  CHECK(result <= kShellOpenFailedMax);
  CHECK(result != 0);  // a failure code, not "out of memory"
}

TEST_CASE(an_icon_the_program_does_not_have_loads_as_none) {
  qv::Win32Shell shell;
  CHECK(!shell.LoadSmallIcon(4321));
}

TEST_CASE(the_notification_icon_is_added_changed_and_removed) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvShellProbe";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, L"QvShellProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
  CHECK(window != nullptr);

  qv::Win32Shell shell;
  qv::NotifyIconRecord record;
  record.window = qv::FromHwnd(window);
  record.id = 1;
  record.flags = qv::kNifMessage | qv::kNifIcon | qv::kNifTip;
  record.callbackMessage = qv::kWmNotifyIcon;
  record.icon = qv::FromHicon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));  // IDI_APPLICATION
  std::strcpy(record.tip, "Quorvantix");
  CHECK(record.icon != 0);
  CHECK(qv::Succeeded(shell.NotifyIcon(qv::NotifyOp::Add, record)));
  record.icon = qv::FromHicon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32515)));  // IDI_WARNING
  CHECK(qv::Succeeded(shell.NotifyIcon(qv::NotifyOp::Modify, record)));
  CHECK(qv::Succeeded(shell.NotifyIcon(qv::NotifyOp::Delete, record)));
  // Gone: a second delete or a modify is refused.
  CHECK(!qv::Succeeded(shell.NotifyIcon(qv::NotifyOp::Modify, record)));
  ::DestroyWindow(window);
}

}  // namespace

RUN_TESTS()
