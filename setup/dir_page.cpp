// The folder page.
#include "setup/dir_page.h"

#include <cstring>
#include <string>
#include <utility>

#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "setup/folder_browser.h"
#include "setup/install_paths.h"
#include "setup/resource_ids.h"
#include "setup/setup_names.h"
#include "setup/texts.h"

namespace qv {

CPropertyDir::CPropertyDir(WindowHost& host, std::string messageTitle)
    : CPropertyPage(host, IDD_PROPPAGE_DIR), messageTitle_(std::move(messageTitle)) {
  CopyText(m_strDir, sizeof(m_strDir), kDefaultFolderText, sizeof(kDefaultFolderText) - 1);
}

bool CPropertyDir::OnInitDialog() {
  const WindowHandle edit = controls().ControlWindow(GetSafeHwnd(), IDC_DIR_EDIT);
  if (edit != 0) platform().windows.SendMessage(edit, kEmLimitText, kFolderTextMaxChars, 0);
  return CPropertyPage::OnInitDialog();
}

// No Next: Finish starts the install from here.
bool CPropertyDir::OnSetActive() {
  if (m_pSheet != nullptr) m_pSheet->SetWizardButtons(kPswizbBack | kPswizbFinish);
  return CPropertyPage::OnSetActive();
}

// An empty text goes to the install as it is; the install decides. A text
// whose install paths would not fit the path limit is refused here, so that
// the user can correct it without starting the wizard again.
bool CPropertyDir::OnWizardFinish() {
  if (!UpdateData(true)) return false;
  EndWithSeparator();
  if (FitsPathLimit(InstallFolderOf(m_strDir))) return true;
  platform().dialogs.MessageBox(TopLevelWindowOf(host(), GetSafeHwnd()), kFolderTooLongText,
                                messageTitle_.c_str(), kMbOk);
  GotoDlgCtrl(IDC_DIR_EDIT);
  return false;
}

void CPropertyDir::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_DIR_EDIT, m_strDir, TextCode::System);
}

bool CPropertyDir::DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                                       CmdHandlerInfo* handlerInfo) {
  static constexpr CommandMapEntry<CPropertyDir> kCommands[] = {
      OnCommandEntry(IDC_BROWSE, &CPropertyDir::OnBrowse),
  };
  if (DispatchCommandMap(*this, kCommands, id, code, extra, handlerInfo)) return true;
  return CPropertyPage::DispatchOwnCommands(id, code, extra, handlerInfo);
}

// A cancelled browse leaves the member empty and the edit as it was: the
// edit is read back into the member when the page is left or finished.
void CPropertyDir::OnBrowse() {
  CFolderBrowser browser(*this);
  const std::string chosen = browser.Run(kBrowseTitle, kBifReturnOnlyFsDirs);
  CopyText(m_strDir, sizeof(m_strDir), chosen.c_str(), chosen.size());
  if (m_strDir[0] == '\0') return;
  EndWithSeparator();
  UpdateData(false);
}

void CPropertyDir::EndWithSeparator() {
  const std::size_t length = std::strlen(m_strDir);
  if (length == 0 || EndsWithSeparator(m_strDir)) return;
  if (length + 2 > sizeof(m_strDir)) return;  // too long for any install; refused there
  m_strDir[length] = '\\';
  m_strDir[length + 1] = '\0';
}

}  // namespace qv
