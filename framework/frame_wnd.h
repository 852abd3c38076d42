// The main frame and its view: the frame creates the view as its child,
// routes every command to the view first, then to itself, then to the
// application, and asks that chain's update handlers to grey or enable the
// items of a pop-up menu it owns as the menu opens.
#pragma once

#include <cstdint>

#include "framework/wnd.h"

namespace qv {

class CWinApp;

// A view: a child window of the frame with a one-time start when the frame
// has made it.
class CView : public CWnd {
 public:
  using CWnd::CWnd;

  // The framework's first update: the whole view is to be painted.
  virtual void OnInitialUpdate();
};

class CFrameWnd : public CWnd {
 public:
  // `app` takes the commands that neither the view nor the frame handle.
  CFrameWnd(WindowHost& host, CWinApp& app) : CWnd(host), app_(app) {}

  // Creates the frame window and, as part of its creation, `view` as a
  // child window filling it; fails when either cannot be made.
  [[nodiscard]] Status LoadFrame(const WindowCreateParams& params, CView* view);
  // Runs the view's first update.
  void InitialUpdateFrame();

  CView* GetActiveView() const { return view_; }

  bool OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                CmdHandlerInfo* handlerInfo) override;

 protected:
  int OnCreate() override;
  void OnInitMenuPopup(MenuHandle menu, std::uint32_t index, bool systemMenu) override;
  // The main window ends the message loop when it is gone.
  void PostNcDestroy() override;

 private:
  CWinApp& app_;
  CView* view_ = nullptr;
};

}  // namespace qv
