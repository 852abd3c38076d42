// The install wizard.
#include "setup/install_wizard.h"

#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "setup/dir_page.h"
#include "setup/install.h"
#include "setup/license_page.h"
#include "setup/texts.h"

namespace qv {

void RunInstallWizard(SetupContext& setup, WindowHost& host, CWnd* owner) {
  CPropertySheet sheet(host, nullptr, owner);
  CPropertyLicense license(host);
  CPropertyDir folder(host, setup.title);
  license.m_pSheet = &sheet;
  folder.m_pSheet = &sheet;
  sheet.SetWizardMode();
  sheet.AddPage(&license);
  sheet.AddPage(&folder);
  // Cancel and the close box end the wizard without a word.
  if (sheet.DoModal() != kIdWizFinish) return;
  if (InstallProduct(setup, folder.m_strDir)) {
    setup.Tell(kInstallDoneText, kMbOk | kMbIconInformation);
  } else {
    setup.Tell(kInstallFailedText, kMbOk);
  }
}

}  // namespace qv
