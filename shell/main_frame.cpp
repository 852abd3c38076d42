// The never-visible main frame, its close and the end of the session.
#include "shell/main_frame.h"

#include "framework/win_app.h"
#include "platform/constants.h"
#include "shell/shell_constants.h"

namespace qv {

CMainFrame::CMainFrame(WindowHost& host, CWinApp& app)
    : CFrameWnd(host, app),
      app_(app),
      taskbarCreated_(host.RegisterWindowMessage(kTaskbarCreatedMessage)) {}

WindowCreateParams CMainFrame::CreateParams() {
  WindowCreateParams params;
  params.exStyle = kWsExToolWindow;
  params.style = kWsPopup;
  params.title = kAppTitle;
  return params;
}

LResult CMainFrame::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    if (CView* view = GetActiveView(); view != nullptr && view->GetSafeHwnd() != 0)
      view->SendMessage(message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case kWmQueryEndSession:
      return 1;  // nothing to save: the session may end
    case kWmEndSession:
      if (wParam != 0) OnEndSession();
      return 0;
    default:
      return CFrameWnd::WindowProc(message, wParam, lParam);
  }
}

void CMainFrame::OnClose() {
  if (closing_) return;
  closing_ = true;
  CFrameWnd::OnClose();
}

void CMainFrame::OnEndSession() {
  // The view first: a close already under way further up may be waiting
  // for a tick, and the timer and the icon must be gone when this returns.
  if (CView* view = GetActiveView(); view != nullptr && view->GetSafeHwnd() != 0)
    view->SendMessage(kWmEndSession, 1, 0);
  if (!closing_) {
    closing_ = true;
    DestroyWindow();
  }
  // The application's end (the mutex given up) would only come after the
  // message loop; the process may not live that long.
  app_.ExitInstance();
}

}  // namespace qv
