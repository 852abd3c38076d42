// Property sheets: the owner's side; the hosts run them.
#include "framework/property_sheet.h"

#include "framework/messages.h"

namespace qv {

CPropertySheet::CPropertySheet(WindowHost& host, const char* caption, CWnd* parent)
    : CWnd(host), caption_(caption != nullptr ? caption : ""), parent_(parent) {}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page == nullptr) return;
  page->AttachToSheet(this);
  pages_.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  for (int i = 0; i < GetPageCount(); ++i)
    if (pages_[static_cast<std::size_t>(i)] == page) return i;
  return -1;
}

std::intptr_t CPropertySheet::DoModal() {
  if (pages_.empty()) return -1;
  for (CPropertyPage* page : pages_) page->MarkShown(false);
  activeIndex_ = -1;
  const std::intptr_t result = host().RunPropertySheet(*this, ParentWindow());
  activeIndex_ = -1;
  return result;
}

void CPropertySheet::SetWizardButtons(std::uint32_t flags) {
  SendMessage(kPsmSetWizButtons, 0, static_cast<LParam>(flags));
}

void CPropertySheet::PressButton(std::uint32_t button) {
  SendMessage(kPsmPressButton, static_cast<WParam>(button), 0);
}

void CPropertySheet::SetActivePage(int index) {
  SendMessage(kPsmSetCurSel, static_cast<WParam>(index), 0);
}

}  // namespace qv
