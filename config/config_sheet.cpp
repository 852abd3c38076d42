// The configuration sheet's caption, pages and flags, and its placement.
#include "config/config_sheet.h"

#include "config/texts.h"
#include "product/product.h"

namespace qv {

CMyPropertySheet::CMyPropertySheet(WindowHost& host, CWnd* parent)
    : CPropertySheet(host, Caption().c_str(), parent),
      capture(host.platform()),
      buttonPage(host, capture),
      systemPage(host, capture) {
  m_psh.dwFlags |= kPshNoApplyNow;
  AddPage(&buttonPage);
  AddPage(&systemPage);
}

std::string CMyPropertySheet::Caption() {
  return std::string(kAppTitle) + ' ' + kSheetCaptionSuffix;
}

bool CMyPropertySheet::OnInitDialog() {
  CPropertySheet::OnInitDialog();
  CenterWindow(platform().windows.DesktopWindow());
  SetTopmost();
  return true;
}

}  // namespace qv
