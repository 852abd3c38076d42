// The About dialog.
#include "shell/about_dlg.h"

#include "shell/shell_constants.h"

namespace qv {

CAboutDlg::CAboutDlg(WindowHost& host, CWnd* parent) : CDialog(host, IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnInitDialog() {
  const bool focus = CDialog::OnInitDialog();
  CenterWindow(platform().windows.DesktopWindow());
  return focus;
}

}  // namespace qv
