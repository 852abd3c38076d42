// The application object's life cycle, message filter and exit command.
#include "framework/win_app.h"

#include "framework/messages.h"
#include "framework/wnd.h"
#include "platform/constants.h"

namespace qv {

CWinApp::CWinApp(WindowHost& host, const char* appTitle) : host_(host), appTitle_(appTitle) {
  host_.SetApplication(this);
}

CWinApp::~CWinApp() { host_.SetApplication(nullptr); }

int CWinApp::ExitInstance() { return m_exitCode; }

bool CWinApp::PreTranslateMessage(Msg& msg) {
  for (WindowHandle window = msg.hwnd; window != 0; window = host_.ParentOf(window)) {
    CWnd* wnd = host_.FromHandle(window);
    if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return true;
    if (!host_.IsChildWindow(window)) break;
  }
  return false;
}

bool CWinApp::ProcessMessageFilter(FilterSource source, Msg& msg) {
  if (repeats_.IsRepeat(msg)) return false;
  if (PreTranslateAppMessage(msg)) return true;
  if (source == FilterSource::ProgramLoop || source == FilterSource::DialogLoop)
    return PreTranslateMessage(msg);
  return false;
}

int CWinApp::Run() {
  if (InitInstance()) m_exitCode = host_.RunMessageLoop(*this);
  return ExitInstance();
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(kWmClose);
}

void CWinApp::SetRegistryKey(const char* maker) {
  registryRoot_ = std::string("Software\\") + maker + "\\" + appTitle_;
}

bool CWinApp::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                  CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CWinApp> kMap[] = {
      OnCommandEntry(kIdAppExit, &CWinApp::OnAppExit),
  };
  return DispatchCommandMap(*this, kMap, id, code, extra, handlerInfo);
}

}  // namespace qv
