// The main frame: a window that never shows anything (a pop-up without
// caption, border or size, and a tool window so it has no task-bar button).
// Commands of the pop-up menu arrive here and go to the view first.
#pragma once

#include <cstdint>

#include "framework/frame_wnd.h"

namespace qv {

class CMainFrame final : public CFrameWnd {
 public:
  CMainFrame(WindowHost& host, CWinApp& app);

  static WindowCreateParams CreateParams();

  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

 private:
  // Broadcast only to top-level windows, so the frame hands it to the view.
  std::uint32_t taskbarCreated_;
};

}  // namespace qv
