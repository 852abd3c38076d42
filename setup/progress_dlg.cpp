// The progress dialog: every update goes straight to its controls.
#include "setup/progress_dlg.h"

#include <initializer_list>

#include "framework/messages.h"
#include "setup/resource_ids.h"

namespace qv {

CProgressDlg::CProgressDlg(WindowHost& host, CWnd* owner)
    : CDialog(host, IDD_PROGRESS, owner), owner_(owner) {}

void CProgressDlg::Open(const char* caption) {
  if (GetSafeHwnd() != 0) return;
  if (!Succeeded(Create(owner_))) return;  // the operation runs on without a display
  SetWindowText(caption);
  PaintNow();
}

void CProgressDlg::SetPosition(int position) {
  if (GetSafeHwnd() == 0) return;
  const WindowHandle bar = controls().ControlWindow(GetSafeHwnd(), IDC_PROGRESS_BAR);
  if (bar != 0) platform().windows.SendMessage(bar, kPbmSetPos, static_cast<WParam>(position), 0);
  PaintNow();
}

void CProgressDlg::SetMessage(const char* text) {
  if (GetSafeHwnd() == 0) return;
  SetDlgItemText(IDC_PROGRESS_TEXT, text);
  PaintNow();
}

void CProgressDlg::Close() { DestroyWindow(); }

// The dialog first, then its controls over it.
void CProgressDlg::PaintNow() {
  UpdateWindow();
  for (const int id : {IDC_PROGRESS_TEXT, IDC_PROGRESS_BAR}) {
    const WindowHandle control = controls().ControlWindow(GetSafeHwnd(), id);
    if (control != 0) host().UpdateWindow(control);
  }
}

}  // namespace qv
