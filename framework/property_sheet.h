// A property sheet: pages added by the owner, shown one at a time behind
// tabs (or as a wizard's steps), run modally by the host. The rules the
// pages rely on are the host's: a page is read when it is left and, when
// active, at OK (a refusal keeps it); OnOK and OnCancel reach only pages that
// were shown; the page holding the focus pre-translates its messages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/property_page.h"
#include "framework/wnd.h"

namespace qv {

class CPropertySheet : public CWnd {
 public:
  // `caption` is the program's text; null for none (a wizard shows the
  // pages' captions).
  CPropertySheet(WindowHost& host, const char* caption = nullptr, CWnd* parent = nullptr);

  // Pages in the order of their tabs; the sheet does not own them.
  void AddPage(CPropertyPage* page);
  void SetTitle(const char* caption) { caption_ = caption != nullptr ? caption : ""; }
  const char* Title() const { return caption_.c_str(); }
  void SetWizardMode() { m_psh.dwFlags |= kPshWizard; }
  bool IsWizardMode() const { return (m_psh.dwFlags & kPshWizard) != 0; }
  bool HasApplyButton() const { return (m_psh.dwFlags & kPshNoApplyNow) == 0 && !IsWizardMode(); }

  // kIdOk, kIdCancel, or kIdWizFinish for a wizard that was finished; -1
  // when the sheet cannot be made.
  virtual std::intptr_t DoModal();

  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;
  // While the sheet runs.
  CPropertyPage* GetActivePage() const { return GetPage(activeIndex_); }
  int GetActiveIndex() const { return activeIndex_; }
  void SetWizardButtons(std::uint32_t flags);
  // Presses a button as the user would (kPsbtn*).
  void PressButton(std::uint32_t button);
  void SetActivePage(int index);

  // The header flags the owner may set (kPshNoApplyNow); the host adds its own.
  struct Header {
    std::uint32_t dwFlags = 0;
  } m_psh;

  // Host side: the sheet's window exists with its first page active; and the
  // page that became active.
  bool HandleInitDialog() { return OnInitDialog(); }
  void NoteActivePage(int index) { activeIndex_ = index; }
  WindowHandle ParentWindow() const { return parent_ != nullptr ? parent_->GetSafeHwnd() : 0; }

 protected:
  // After the system's own initialisation of the sheet; the default does
  // nothing more.
  virtual bool OnInitDialog() { return true; }

 private:
  std::string caption_;
  CWnd* parent_;
  std::vector<CPropertyPage*> pages_;
  int activeIndex_ = -1;
};

}  // namespace qv
