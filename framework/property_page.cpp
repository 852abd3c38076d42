// Property pages: the sheet's notifications and the pages' default handlers.
#include "framework/property_page.h"

#include "framework/message_map.h"
#include "framework/messages.h"
#include "framework/property_sheet.h"

namespace qv {

CPropertyPage::CPropertyPage(WindowHost& host, std::uint32_t templateId, const char* caption)
    : CDialog(host, templateId), caption_(caption != nullptr ? caption : "") {}

bool CPropertyPage::OnSetActive() {
  if (firstActivation_) {
    firstActivation_ = false;
    return true;
  }
  UpdateData(false);
  return true;
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

std::intptr_t CPropertyPage::OnWizardBack() { return 0; }
std::intptr_t CPropertyPage::OnWizardNext() { return 0; }
bool CPropertyPage::OnWizardFinish() { return UpdateData(true); }
bool CPropertyPage::OnQueryCancel() { return true; }

void CPropertyPage::MarkShown(bool shown) {
  shown_ = shown;
  // Each run of the sheet makes the page's window anew.
  if (shown) firstActivation_ = true;
}

LResult CPropertyPage::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  if (message == kWmNotify && lParam != 0) {
    const auto* header = reinterpret_cast<const NmHdr*>(lParam);
    // The sheet's notifications form one block of codes; no control sends them.
    if (header->code >= kPsnLast && header->code <= kPsnFirst) return HandleSheetNotify(header->code);
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

LResult CPropertyPage::HandleSheetNotify(std::uint32_t code) {
  // The answers as the system reads them: 0 goes on; for leaving, Cancel and
  // Finish a non-zero answer refuses; activation refuses with -1.
  switch (code) {
    case kPsnSetActive:
      if (!OnSetActive()) return -1;
      if (sheet_ != nullptr) sheet_->NoteActivePage(sheet_->GetPageIndex(this));
      return 0;
    case kPsnKillActive:
      return OnKillActive() ? 0 : 1;
    case kPsnApply:
      OnOK();
      return 0;
    case kPsnReset:
      OnCancel();
      return 0;
    case kPsnQueryCancel:
      return OnQueryCancel() ? 0 : 1;
    case kPsnWizBack:
      return OnWizardBack();
    case kPsnWizNext:
      return OnWizardNext();
    case kPsnWizFinish:
      return OnWizardFinish() ? 0 : 1;
    default:
      return 0;
  }
}

}  // namespace qv
