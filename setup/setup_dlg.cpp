// The main dialog.
#include "setup/setup_dlg.h"

#include "platform/constants.h"
#include "setup/confirm_uninstall.h"
#include "setup/install_wizard.h"
#include "setup/progress_dlg.h"
#include "setup/resource_ids.h"
#include "setup/setup_context.h"

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

bool CSetupDlg::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                    CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CSetupDlg> kCommands[] = {
      OnCommandEntry(IDC_INSTALL, &CSetupDlg::OnInstall),
      OnCommandEntry(IDC_UNINSTALL, &CSetupDlg::OnUninstall),
  };
  if (DispatchCommandMap(*this, kCommands, id, code, extra, handlerInfo)) return true;
  return CDialog::DispatchOwnCommands(id, code, extra, handlerInfo);
}

void CSetupDlg::OnInstall() {
  CProgressDlg progress(host(), this);
  SetupContext setup{platform(), progress, GetSafeHwnd(), title_};
  RunInstallWizard(setup, host(), this);
}

void CSetupDlg::OnUninstall() {
  CProgressDlg progress(host(), this);
  SetupContext setup{platform(), progress, GetSafeHwnd(), title_};
  ConfirmUninstall(setup);
}

}  // namespace qv
