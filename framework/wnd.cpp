// The window class's message switch and its thin wrappers over the host.
#include "framework/wnd.h"

#include "framework/messages.h"
#include "platform/constants.h"
#include "platform/message_words.h"

namespace qv {

CWnd::~CWnd() {
  if (hwnd_ != 0) {
    const WindowHandle window = hwnd_;
    hwnd_ = 0;
    host_.ReleaseWindow(window);
  }
}

Status CWnd::CreateEx(const WindowCreateParams& params) { return host_.CreateWindowFor(*this, params); }

void CWnd::DestroyWindow() {
  if (hwnd_ != 0) host_.DestroyWindow(hwnd_);
}

void CWnd::ShowWindow(std::int32_t showCommand) { host_.ShowWindow(hwnd_, showCommand); }
void CWnd::UpdateWindow() { host_.UpdateWindow(hwnd_); }
void CWnd::Invalidate() { host_.Invalidate(hwnd_); }
void CWnd::RedrawWindow() { host_.RedrawWindow(hwnd_); }
void CWnd::CenterWindow(WindowHandle alternateOwner) { host_.CenterWindow(hwnd_, alternateOwner); }
void CWnd::SetTopmost() { host_.SetTopmost(hwnd_); }
void CWnd::SetWindowText(const char* text) { host_.SetWindowText(hwnd_, text); }
void CWnd::DragAcceptFiles(bool accept) { host_.DragAcceptFiles(hwnd_, accept); }

Status CWnd::SetTimer(std::uint32_t id, std::uint32_t intervalMs) {
  return host_.SetTimer(hwnd_, id, intervalMs);
}
void CWnd::KillTimer(std::uint32_t id) { host_.KillTimer(hwnd_, id); }

LResult CWnd::SendMessage(std::uint32_t message, WParam wParam, LParam lParam) {
  return platform().windows.SendMessage(hwnd_, message, wParam, lParam);
}
Status CWnd::PostMessage(std::uint32_t message, WParam wParam, LParam lParam) {
  return platform().windows.PostMessage(hwnd_, message, wParam, lParam);
}

LResult CWnd::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  // Kept for Default(); restored afterwards, since handlers send messages of
  // their own to this window.
  const Msg outer = current_;
  current_ = Msg{hwnd_, message, wParam, lParam};
  LResult result = 0;
  switch (message) {
    case kWmCreate:
      result = OnCreate();
      break;
    case kWmDestroy:
      OnDestroy();
      break;
    case kWmPaint:
      OnPaint();
      break;
    case kWmTimer:
      OnTimer(static_cast<std::uint32_t>(wParam));
      break;
    case kWmClose:
      OnClose();
      break;
    case kWmCommand:
      if (!OnCommand(wParam, lParam)) result = Default();
      break;
    case kWmInitMenuPopup:
      OnInitMenuPopup(static_cast<MenuHandle>(wParam), LowWord(static_cast<std::uint64_t>(lParam)),
                      HighWord(static_cast<std::uint64_t>(lParam)) != 0);
      break;
    default:
      if (!DispatchOwnMessages(message, wParam, lParam, result)) result = Default();
      break;
  }
  current_ = outer;
  return result;
}

bool CWnd::PreTranslateMessage(Msg&) { return false; }

bool CWnd::DispatchOwnMessages(std::uint32_t, WParam, LParam, LResult&) { return false; }

int CWnd::ControlIdOf(WindowHandle control) const {
  return control != 0 ? host_.Controls().IdOf(control) : 0;
}

void CWnd::HandleFinalMessage() {
  hwnd_ = 0;
  PostNcDestroy();
}

int CWnd::OnCreate() { return Default() == -1 ? -1 : 0; }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(std::uint32_t) { Default(); }
void CWnd::OnClose() { Default(); }

bool CWnd::OnCommand(WParam wParam, LParam) {
  return OnCmdMsg(LowWord(wParam), HighWord(wParam), nullptr, nullptr);
}

void CWnd::OnInitMenuPopup(MenuHandle, std::uint32_t, bool) { Default(); }

LResult CWnd::Default() {
  return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

LResult CWnd::DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  if (hwnd_ == 0) return 0;
  return host_.DefWindowProc(hwnd_, message, wParam, lParam);
}

}  // namespace qv
