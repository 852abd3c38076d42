// Modal dialogs: the message switch of a dialog and its default handlers.
#include "framework/dialog.h"

#include "framework/data_exchange.h"
#include "framework/messages.h"
#include "platform/constants.h"
#include "platform/message_words.h"

namespace qv {

std::intptr_t CDialog::DoModal() {
  const WindowHandle parent = parent_ != nullptr ? parent_->GetSafeHwnd() : 0;
  return host().DoModal(*this, templateId_, parent);
}

Status CDialog::Create(CWnd* parent) {
  if (parent != nullptr) parent_ = parent;
  const WindowHandle owner = parent_ != nullptr ? parent_->GetSafeHwnd() : 0;
  return host().CreateModeless(*this, templateId_, owner);
}

void CDialog::EndDialog(std::intptr_t result) {
  if (GetSafeHwnd() != 0) host().EndDialog(GetSafeHwnd(), result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  dx.Finish();
  return !dx.failed();
}

void CDialog::SetDlgItemText(int id, const char* text, TextCode code) {
  controls().SetText(GetSafeHwnd(), id, text, code);
}
std::size_t CDialog::GetDlgItemText(int id, char* text, std::size_t capacity, TextCode code) {
  return controls().GetText(GetSafeHwnd(), id, text, capacity, code);
}
void CDialog::CheckDlgButton(int id, int state) { controls().SetCheck(GetSafeHwnd(), id, state); }
int CDialog::IsDlgButtonChecked(int id) { return controls().GetCheck(GetSafeHwnd(), id); }
void CDialog::EnableDlgItem(int id, bool enable) { controls().Enable(GetSafeHwnd(), id, enable); }
void CDialog::GotoDlgCtrl(int id) { controls().SetFocus(GetSafeHwnd(), id); }

LResult CDialog::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  if (message == kWmInitDialog) return OnInitDialog() ? 1 : 0;
  if (message == kWmCommand && HighWord(wParam) == kBnClicked) {
    const std::uint32_t id = LowWord(wParam);
    // The dialog's own handlers of these two go before any command table,
    // as the dialog manager sends them for Enter and Esc too.
    if (id == kIdOk) {
      OnOK();
      return 0;
    }
    if (id == kIdCancel) {
      OnCancel();
      return 0;
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::DoDataExchange(CDataExchange&) {}

LResult CDialog::DefWindowProc(std::uint32_t, WParam, LParam) {
  defaulted_ = true;
  return 0;
}

}  // namespace qv
