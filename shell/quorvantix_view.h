// The view: a window that draws nothing and owns the resident program's
// working parts: the engine with its start-up, the notification icon and
// its messages, pause and resume, the pop-up menu, the favourites menu and
// the help command.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/engine.h"
#include "framework/frame_wnd.h"
#include "platform/text.h"
#include "shell/favorites_menu.h"
#include "shell/notify_icon.h"

namespace qv {

class CQuorvantixView final : public CView, public EngineHost {
 public:
  explicit CQuorvantixView(WindowHost& host);
  ~CQuorvantixView() override;

  // The view's one-time start-up, run as the framework's first update.
  void OnInitialUpdate() override;
  void StartView();

  void TogglePolling();
  LResult OnNotifyIcon(WParam wParam, LParam lParam);
  void OnHelpContents();
  // The setup cycle: polling paused, the configuration sheet run on a copy
  // of the settings, the copy taken over and saved on OK only, the pad
  // probed, polling resumed.
  void OnSetup();
  void OnUpdateSetup(CCmdUI* commandUI);
  void OnFavorites();
  void OnTaskbarCreated();

  // EngineHost: the tick's side.
  void SetNotifyIcon(IconPicture picture) override;
  void PollingStoppedByTick(bool padError) override;
  void PostFavoritesCommand() override;
  void ShowLaunchFailure() override;

  // The application's main window; safe from either thread.
  WindowHandle MainWindow() const { return mainWindow_.load(); }

  bool OnCmdMsg(std::uint32_t id, std::uint32_t code, void* extra,
                CmdHandlerInfo* handlerInfo) override;
  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

  // View state. The polling tick writes the first two when it stops itself.
  std::atomic<std::int32_t> timerRunning{0};
  std::atomic<std::int32_t> padError{0};
  std::int32_t configOpen = 0;
  Text programDir = {};

  Engine engine;
  FavoritesMenu favorites;
  NotifyIcon icon;

 protected:
  bool DispatchOwnCommands(std::uint32_t id, std::uint32_t code, void* extra,
                           CmdHandlerInfo* handlerInfo) override;
  void OnDestroy() override;

 private:
  void OpenPopUpMenu();
  // Stops polling, waits for a tick in progress and removes the icon, as
  // the view's destruction does; again later, it does nothing more.
  void StopAndRemoveIcon();
  void PausePolling();
  void ResumePolling();
  // StopPolling, which waits for a tick with the user interface alive:
  // whatever the user does meanwhile runs inside it and finds the count up.
  void StopPollingAndWait();
  // The pad answers on the port after a setup cycle; notes padError and
  // returns whether polling is to be resumed because of it.
  bool ProbePadAfterSetup();

  std::atomic<WindowHandle> mainWindow_{0};
  std::uint32_t taskbarCreated_;
  int tickWaits_ = 0;
  // The window is being destroyed or the session ends: nothing starts again.
  bool ending_ = false;
};

}  // namespace qv
