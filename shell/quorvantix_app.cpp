// Start and end of the resident program.
#include "shell/quorvantix_app.h"

#include "platform/constants.h"
#include "shell/about_dlg.h"
#include "shell/command_line.h"
#include "shell/shell_constants.h"
#include "shell/splash_wnd.h"

namespace qv {

CQuorvantixApp::CQuorvantixApp(WindowHost& host) : CWinApp(host, kAppTitle) {}

CQuorvantixApp::~CQuorvantixApp() = default;

bool CQuorvantixApp::StartApplication() {
  Process& process = host().platform().process;
  // Another copy runs: end silently, touching nothing of it.
  if (process.MutexExists(kInstanceMutexName)) return false;
  // Hold the mutex for the life of the process. Should the system refuse,
  // this copy still runs; it just does not keep a later one out.
  Ignore(process.CreateInstanceMutex(kInstanceMutexName));
  // The splash, before any other window exists.
  ShowStartupSplash();
  SetRegistryKey(kMakerKey);
  frame_ = std::make_unique<CMainFrame>(host(), *this);
  view_ = std::make_unique<CQuorvantixView>(host());
  if (!Succeeded(frame_->LoadFrame(CMainFrame::CreateParams(), view_.get()))) return false;
  m_pMainWnd = frame_.get();
  // The view starts as the frame's first update.
  frame_->InitialUpdateFrame();
  // Showing the frame puts nothing on the screen: it has no size.
  frame_->ShowWindow(kSwShow);
  frame_->UpdateWindow();
  return true;
}

void CQuorvantixApp::ExitApplication() { host().platform().process.ReleaseInstanceMutex(); }

int CQuorvantixApp::ExitInstance() {
  ExitApplication();
  return CWinApp::ExitInstance();
}

void CQuorvantixApp::OnAppAbout() {
  CAboutDlg about(host(), m_pMainWnd);
  about.DoModal();
}

bool CQuorvantixApp::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                         CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CQuorvantixApp> kMap[] = {
      OnCommandEntry(ID_APP_ABOUT, &CQuorvantixApp::OnAppAbout),
  };
  if (DispatchCommandMap(*this, kMap, id, code, extra, handlerInfo)) return true;
  return CWinApp::DispatchOwnCommands(id, code, extra, handlerInfo);
}

void CQuorvantixApp::ShowStartupSplash() {
  CommandLineInfo commandLine;
  ParseCommandLine(m_args, commandLine);
  CSplashWnd::EnableSplashScreen(commandLine.showSplash);
  CSplashWnd::ShowSplashScreen(host(), nullptr);
}

bool CQuorvantixApp::SplashTakesMessage(Msg& msg) { return CSplashWnd::PreTranslateAppMessage(msg); }

}  // namespace qv
