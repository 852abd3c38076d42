// The resident program on the simulated platform, as the shell tests drive
// it: the program's real pop-up menu table, a desktop with its icon view,
// the program file in C:\Tools, and the user's hand on the icon.
#pragma once

#include <memory>

#include "framework/sim/sim_window_host.h"
#include "platform/constants.h"
#include "platform/sim/sim_platform.h"
#include "shell/popup_menu.h"
#include "shell/quorvantix_app.h"

namespace qv::test {

inline constexpr WindowHandle kProgman = 0x3000;
inline constexpr WindowHandle kDefView = 0x3004;
inline constexpr WindowHandle kListView = 0x3008;

struct ShellRig {
  ShellRig() : sim() { Prepare(); }
  explicit ShellRig(sim::MutexTable& mutexes) : sim(mutexes) { Prepare(); }

  void Prepare() {
    host.RegisterMenu(IDR_POPUP_MENU, kPopUpMenu, sizeof kPopUpMenu / sizeof kPopUpMenu[0]);
    sim.windows.AddTopLevel("Progman", kProgman);
    sim.windows.SetFirstChild(kProgman, kDefView);
    sim.windows.SetFirstChild(kDefView, kListView);
    sim.process.modulePath = "C:\\Tools\\Quorvantix.exe";
  }

  bool Start() {
    app = std::make_unique<CQuorvantixApp>(host);
    return app->InitInstance();
  }

  CQuorvantixView& view() { return *app->view(); }
  WindowHandle viewWindow() { return app->view()->GetSafeHwnd(); }
  WindowHandle frameWindow() { return app->frame()->GetSafeHwnd(); }

  // What the shell posts to the view for a mouse event over the icon.
  void IconEvent(std::uint32_t mouseMessage) {
    Ignore(sim.windows.PostMessage(viewWindow(), kWmNotifyIcon, 1, static_cast<LParam>(mouseMessage)));
    host.Pump();
  }
  void DoubleClick() {
    // A double click comes after the clicks that make it, which do nothing.
    IconEvent(kWmLButtonDown);
    IconEvent(kWmLButtonUp);
    IconEvent(kWmLButtonDblClk);
  }
  void CloseFrame() {
    Ignore(sim.windows.PostMessage(frameWindow(), kWmClose, 0, 0));
    host.Pump();
  }

  sim::SimPlatform sim;
  sim::SimWindowHost host{sim};
  std::unique_ptr<CQuorvantixApp> app;
};

}  // namespace qv::test
