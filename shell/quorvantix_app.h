// The application object of the resident program: one running copy at a
// time, the profile root, the never-visible frame with its view, the About
// command, and the message filter that the splash window sees first.
#pragma once

#include <memory>

#include "framework/win_app.h"
#include "shell/main_frame.h"
#include "shell/quorvantix_view.h"

namespace qv {

class CQuorvantixApp final : public CWinApp {
 public:
  explicit CQuorvantixApp(WindowHost& host);
  ~CQuorvantixApp() override;

  bool InitInstance() override { return StartApplication(); }
  int ExitInstance() override;

  // False: end the process at once.
  bool StartApplication();
  void ExitApplication();
  void OnAppAbout();

  CMainFrame* frame() const { return frame_.get(); }
  CQuorvantixView* view() const { return view_.get(); }

 protected:
  // The splash window sees every message first, in every loop.
  bool PreTranslateAppMessage(Msg& msg) override { return SplashTakesMessage(msg); }
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;

 private:
  // The splash window's share of start-up and of the message filter.
  void ShowStartupSplash();
  bool SplashTakesMessage(Msg& msg);

  // The frame outlives its view's object.
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<CQuorvantixView> view_;
};

}  // namespace qv
