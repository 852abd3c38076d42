// Modal and modeless dialogs from templates: initialisation, OK and Cancel, the one-step
// exchange of members with controls, and the dialog's controls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/wnd.h"

namespace qv {

class CDataExchange;

class CDialog : public CWnd {
 public:
  CDialog(WindowHost& host, std::uint32_t templateId, CWnd* parent = nullptr)
      : CWnd(host), templateId_(templateId), parent_(parent) {}

  // Runs the dialog; the result of EndDialog (kIdOk, kIdCancel), -1 when the
  // dialog cannot be made.
  virtual std::intptr_t DoModal();
  void EndDialog(std::intptr_t result);
  // Makes the dialog modeless from its template (parent: the owner, or the
  // one given to the constructor); ended with DestroyWindow.
  [[nodiscard]] Status Create(CWnd* parent = nullptr);

  // Moves every member to its control (false) or every control's state to
  // its member (true, with validation); false when a value was refused.
  bool UpdateData(bool saveAndValidate = true);

  std::uint32_t templateId() const { return templateId_; }
  DialogControls& controls() const { return host().Controls(); }

  // The controls, by id.
  void SetDlgItemText(int id, const char* text, TextCode code = TextCode::Program);
  std::size_t GetDlgItemText(int id, char* text, std::size_t capacity,
                             TextCode code = TextCode::Program);
  void CheckDlgButton(int id, int state);
  int IsDlgButtonChecked(int id);
  void EnableDlgItem(int id, bool enable);
  void GotoDlgCtrl(int id);

  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

  // Host side: whether the message being handled went to default processing
  // (a dialog procedure then answers "not handled").
  bool TakeDefaulted() {
    const bool was = defaulted_;
    defaulted_ = false;
    return was;
  }

 protected:
  // True: the system sets the focus to the first control.
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange& dx);

  // The dialog manager does the default processing of a dialog's messages.
  LResult DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

 private:
  std::uint32_t templateId_;
  CWnd* parent_;
  bool defaulted_ = false;
};

}  // namespace qv
