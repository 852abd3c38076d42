// The main frame: a window that never shows anything (a pop-up without
// caption, border or size, and a tool window so it has no task-bar button).
// Commands of the pop-up menu arrive here and go to the view first. It is
// the window the system asks at log-off and shut-down.
#pragma once

#include <cstdint>

#include "framework/frame_wnd.h"

namespace qv {

class CMainFrame final : public CFrameWnd {
 public:
  CMainFrame(WindowHost& host, CWinApp& app);

  static WindowCreateParams CreateParams();

  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

 protected:
  void OnClose() override;

 private:
  // The session ends: everything exit does is done before this returns,
  // since the system may end the process then.
  void OnEndSession();

  CWinApp& app_;
  // Broadcast only to top-level windows, so the frame hands it to the view.
  std::uint32_t taskbarCreated_;
  // The close has begun. The view may wait for a tick while it goes, with
  // the user interface alive, and a second close must not destroy the
  // window again meanwhile.
  bool closing_ = false;
};

}  // namespace qv
