// The licence page.
#include "setup/license_page.h"

#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"
#include "setup/resource_ids.h"
#include "setup/texts.h"

namespace qv {

CPropertyLicense::CPropertyLicense(WindowHost& host) : CPropertyPage(host, IDD_PROPPAGE_LICENSE) {}

bool CPropertyLicense::OnInitDialog() {
  m_strLicense = kLicenseTerms;
  return CPropertyPage::OnInitDialog();
}

// A click at the text's top-left corner, posted so that it lands after the
// sheet has shown the page: the text takes the focus with the caret at its
// start and nothing selected, and PAGE UP and PAGE DOWN scroll it at once.
// Every activation, Back from the folder page too.
bool CPropertyLicense::OnSetActive() {
  if (m_pSheet != nullptr) m_pSheet->SetWizardButtons(kPswizbNext);
  const WindowHandle text = controls().ControlWindow(GetSafeHwnd(), IDC_LICENSE_EDIT);
  if (text != 0) {
    Ignore(platform().windows.PostMessage(text, kWmLButtonDown, 0, 0));
    Ignore(platform().windows.PostMessage(text, kWmLButtonUp, 0, 0));
  }
  return CPropertyPage::OnSetActive();
}

// The text is read-only: it goes to the control and is never read back.
void CPropertyLicense::DoDataExchange(CDataExchange& dx) {
  if (!dx.m_bSaveAndValidate) SetDlgItemText(IDC_LICENSE_EDIT, m_strLicense.c_str());
}

}  // namespace qv
