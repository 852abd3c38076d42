// Start-up of the setup program.
#include "setup/setup_app.h"

#include "platform/constants.h"
#include "setup/program_title.h"
#include "setup/setup_dlg.h"
#include "setup/texts.h"
#include "setup/version_rule.h"

namespace qv {

CSetupApp::CSetupApp(WindowHost& host)
    : CWinApp(host, ProgramTitle(host.platform().process).c_str()) {}

bool CSetupApp::InitInstance() {
  Platform& platform = host().platform();
  if ((platform.process.VersionWord() & kVersionByteMask) < kOldestMajorVersion) {
    platform.dialogs.MessageBox(0, kOldWindowsText, AppTitle(), kMbOk);
    return false;
  }
  CSetupDlg dialog(host(), AppTitle());
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return false;
}

}  // namespace qv
