// The main dialog.
#include "setup/setup_dlg.h"

#include "platform/constants.h"
#include "setup/resource_ids.h"

namespace qv {

CSetupDlg::CSetupDlg(WindowHost& host, const char* title)
    : CDialog(host, IDD_SETUP_DIALOG), title_(title) {}

// The program's icon on the window, at the system's size for the task
// switcher and at 16 x 16 for the caption and the task bar.
bool CSetupDlg::OnInitDialog() {
  const bool focus = CDialog::OnInitDialog();
  Shell& shell = platform().shell;
  largeIcon_ = std::make_unique<ProgramIcon>(shell, IDR_SETUP_ICON, ProgramIcon::Size::Large);
  smallIcon_ = std::make_unique<ProgramIcon>(shell, IDR_SETUP_ICON, ProgramIcon::Size::Small);
  SendMessage(kWmSetIcon, kIconBig, static_cast<LParam>(largeIcon_->get()));
  SendMessage(kWmSetIcon, kIconSmall, static_cast<LParam>(smallIcon_->get()));
  return focus;
}

}  // namespace qv
