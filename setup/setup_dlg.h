// The setup program's main dialog (template 102): Install, Uninstall and
// Exit. It stays open after an operation, so that the user can go on. Each
// operation gets a progress dialog of its own, owned by this one.
#pragma once

#include <memory>
#include <string>

#include "framework/dialog.h"
#include "setup/program_icon.h"

namespace qv {

class CSetupDlg final : public CDialog {
 public:
  // `title` heads the program's message boxes.
  CSetupDlg(WindowHost& host, const char* title);

 protected:
  bool OnInitDialog() override;
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;

 private:
  void OnInstall();
  void OnUninstall();

  std::string title_;
  std::unique_ptr<ProgramIcon> largeIcon_;
  std::unique_ptr<ProgramIcon> smallIcon_;
};

}  // namespace qv
