// One page of a property sheet: a dialog from its template that the sheet
// creates when the page is first shown, and the sheet's notifications turned
// into the page's handlers (activation, leaving, OK, Cancel, the wizard's
// buttons).
#pragma once

#include <cstdint>
#include <string>

#include "framework/dialog.h"

namespace qv {

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  // `caption` (the program's text) replaces the template's caption on the
  // page's tab; null keeps the template's.
  CPropertyPage(WindowHost& host, std::uint32_t templateId, const char* caption = nullptr);

  // The page becomes the active one. The default writes the controls, except
  // on the first activation (the initialisation has just written them).
  // False refuses the activation.
  virtual bool OnSetActive();
  // The page is left, or OK is pressed while it is active: the default reads
  // the controls. False keeps the page (a value was refused).
  virtual bool OnKillActive();
  // OK, for every page that was ever shown; Cancel and closing likewise. The
  // defaults do nothing.
  void OnOK() override;
  void OnCancel() override;
  // Wizard buttons: Back and Next return 0 to go to the previous or next page,
  // -1 to stay, or the template id of the page to go to. Finish returns false
  // to keep the wizard open; the default reads the controls.
  virtual std::intptr_t OnWizardBack();
  virtual std::intptr_t OnWizardNext();
  virtual bool OnWizardFinish();
  // Cancel asks first; false keeps the sheet open.
  virtual bool OnQueryCancel();

  // The sheet the page was added to (set by AddPage).
  CPropertySheet* GetSheet() const { return sheet_; }
  // Whether the page's window was made during this run of its sheet.
  bool WasShown() const { return shown_; }
  const char* Caption() const { return caption_.empty() ? nullptr : caption_.c_str(); }

  // Host side: the sheet's notification `code` (kPsn*), answered as the
  // system expects; and the page joining a sheet, and its window being made.
  LResult HandleSheetNotify(std::uint32_t code);
  void AttachToSheet(CPropertySheet* sheet) { sheet_ = sheet; }
  void MarkShown(bool shown);
  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

 private:
  CPropertySheet* sheet_ = nullptr;
  std::string caption_;
  bool shown_ = false;
  bool firstActivation_ = true;
};

}  // namespace qv
