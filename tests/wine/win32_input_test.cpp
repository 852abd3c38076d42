// Input synthesis and the window functions on a real (virtual) display:
// the pointer moves, keys change the key state, messages reach our windows.
#include <atomic>

#include "platform/constants.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_window_system.h"
#include "tests/wine/check.h"

namespace {

void Pump() {
  MSG msg;
  for (int i = 0; i < 20; ++i) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(10);
  }
}

TEST_CASE(a_relative_mouse_move_moves_the_pointer) {
  qv::Win32Input input;
  qv::Win32WindowSystem windows;
  ::SetCursorPos(200, 200);
  Pump();
  qv::Point before;
  CHECK(qv::Succeeded(windows.GetCursorPos(before)));
  input.SendMouse(qv::kMouseMove, 15, 10, 0);
  Pump();
  qv::Point after;
  CHECK(qv::Succeeded(windows.GetCursorPos(after)));
  // The system's pointer speed applies, so only the direction is certain.
  CHECK(after.x > before.x);
  CHECK(after.y > before.y);
  input.SendMouse(qv::kMouseMove, -15, -10, 0);
  Pump();
  qv::Point back;
  CHECK(qv::Succeeded(windows.GetCursorPos(back)));
  CHECK(back.x < after.x);
  CHECK(back.y < after.y);
}

TEST_CASE(a_synthesised_key_changes_the_async_key_state) {
  // The key state's top bit: the key is down now.
  constexpr int kDownNow = 0x8000;
  qv::Win32Input input;
  input.SendKey(qv::kVkShift, 0, 0);
  Pump();
  CHECK((input.AsyncKeyState(qv::kVkShift) & kDownNow) != 0);
  input.SendKey(qv::kVkShift, 0, qv::kKeyEventKeyUp);
  Pump();
  CHECK((input.AsyncKeyState(qv::kVkShift) & kDownNow) == 0);
}

std::atomic<int> g_posted{0};
constexpr UINT kAsk = WM_USER + 5;
constexpr UINT kTell = WM_USER + 6;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kAsk) return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam));
  if (message == kTell) {
    g_posted.fetch_add(1);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// The probe's top window on the screen, and its child inside it.
constexpr int kTopX = 100, kTopY = 100, kTopWidth = 300, kTopHeight = 200;
constexpr int kChildX = 50, kChildY = 40, kChildWidth = 100, kChildHeight = 60;

struct ProbeWindows {
  HWND top = nullptr;
  HWND child = nullptr;
  ProbeWindows() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ProbeProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = "QvInputProbe";
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::RegisterClassA(&wc);
    top = ::CreateWindowExA(WS_EX_TOPMOST, "QvInputProbe", "probe", WS_POPUP | WS_VISIBLE, kTopX, kTopY,
                            kTopWidth, kTopHeight, nullptr, nullptr, wc.hInstance, nullptr);
    child = ::CreateWindowExA(0, "QvInputProbe", "child", WS_CHILD | WS_VISIBLE, kChildX, kChildY,
                              kChildWidth, kChildHeight, top, nullptr, wc.hInstance, nullptr);
    Pump();
  }
  ~ProbeWindows() {
    if (top) ::DestroyWindow(top);
  }
};

TEST_CASE(windows_are_found_by_class_point_and_parent) {
  ProbeWindows probe;
  qv::Win32WindowSystem windows;
  CHECK(probe.top != nullptr && probe.child != nullptr);
  CHECK_EQ(windows.FindWindowByClass("QvInputProbe"), qv::FromHwnd(probe.top));
  CHECK_EQ(windows.FindWindowByClass("QvNoSuchClass"), 0u);
  CHECK_EQ(windows.FirstChild(qv::FromHwnd(probe.top)), qv::FromHwnd(probe.child));
  CHECK_EQ(windows.FirstChild(qv::FromHwnd(probe.child)), 0u);
  CHECK(windows.DesktopWindow() != 0);
  CHECK_EQ(windows.DesktopWindow(), qv::FromHwnd(::GetDesktopWindow()));

  // Inside the child, and inside the top window but outside the child.
  const qv::Point inChild{kTopX + kChildX + 10, kTopY + kChildY + 10};
  CHECK_EQ(windows.WindowFromPoint(inChild), qv::FromHwnd(probe.child));
  CHECK_EQ(windows.WindowFromPoint({kTopX + 250, kTopY + 150}), qv::FromHwnd(probe.top));

  qv::Point where = inChild;
  CHECK(qv::Succeeded(windows.ScreenToClient(qv::FromHwnd(probe.child), where)));
  CHECK_EQ(where.x, 10);
  CHECK_EQ(where.y, 10);
}

TEST_CASE(sent_messages_answer_and_posted_ones_arrive_later) {
  ProbeWindows probe;
  qv::Win32WindowSystem windows;
  CHECK_EQ(windows.SendMessage(qv::FromHwnd(probe.top), kAsk, 40, 2), 42);
  g_posted = 0;
  CHECK(qv::Succeeded(windows.PostMessage(qv::FromHwnd(probe.top), kTell, 0, 0)));
  CHECK_EQ(g_posted.load(), 0);
  Pump();
  CHECK_EQ(g_posted.load(), 1);
  CHECK(!qv::Succeeded(windows.PostMessage(0x7FFF0000u, kTell, 0, 0)));
  windows.SetForegroundWindow(qv::FromHwnd(probe.top));
  Pump();
  CHECK_EQ(::GetForegroundWindow(), probe.top);
}

}  // namespace

RUN_TESTS()
