// The About dialog (dialog 100): the program's icon, name and version, and
// an OK button. It centres itself on the desktop.
#pragma once

#include "framework/dialog.h"

namespace qv {

class CAboutDlg final : public CDialog {
 public:
  CAboutDlg(WindowHost& host, CWnd* parent);

 protected:
  bool OnInitDialog() override;
};

}  // namespace qv
