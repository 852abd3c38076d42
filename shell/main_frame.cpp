// The never-visible main frame.
#include "shell/main_frame.h"

#include "platform/constants.h"
#include "shell/shell_constants.h"

namespace qv {

CMainFrame::CMainFrame(WindowHost& host, CWinApp& app)
    : CFrameWnd(host, app), taskbarCreated_(host.RegisterWindowMessage(kTaskbarCreatedMessage)) {}

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
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

}  // namespace qv
