// The modeless progress dialog (template 131) that the install and the
// uninstall drive: a caption, a bar and one line of text, for one operation.
#pragma once

#include "framework/dialog.h"
#include "setup/progress.h"

namespace qv {

class CProgressDlg final : public CDialog, public ProgressDisplay {
 public:
  // `owner` is the main dialog, which the progress dialog stays above.
  CProgressDlg(WindowHost& host, CWnd* owner);

  void Open(const char* caption) override;
  void SetPosition(int position) override;
  void SetMessage(const char* text) override;
  void Close() override;

 private:
  // The operation runs without a message loop, so nothing would paint what
  // an update changed until it is over.
  void PaintNow();

  CWnd* owner_;
};

}  // namespace qv
