// The splash window: the program's picture, shown borderless and centred for
// two seconds while start-up goes on, closed early by a key or a click.
#pragma once

#include <cstdint>

#include "framework/wnd.h"
#include "shell/shell_constants.h"

namespace qv {

inline constexpr std::uint32_t kSplashTimerId = 1;
inline constexpr std::uint32_t kSplashTimeMs = 2000;

class CSplashWnd final : public CWnd {
 public:
  // Whether the splash may be shown at all; off until set.
  static void EnableSplashScreen(bool enable);
  // How long a splash shown from now on stays up unless a key or a click
  // closes it first: kSplashTimeMs unless the scripted test build asks for
  // longer, so that its tests can tell a press from the timer. 0 is taken
  // as kSplashTimeMs.
  static void SetDisplayTime(std::uint32_t ms);
  // Creates and shows the splash when enabled and none exists yet; `parent`
  // (may be null) owns it. Nothing is reported when it cannot be shown.
  static void ShowSplashScreen(WindowHost& host, CWnd* parent);
  // Destroys the splash (the object goes with its window) and repaints the
  // application's main window, if there is one, at once.
  static void HideSplashScreen();
  // The application's message filter asks first: true when the splash took
  // the message (a key or button press, which then has no other effect).
  static bool PreTranslateAppMessage(const Msg& message);
  // The splash now on screen, or null.
  static CSplashWnd* Current();

  LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam) override;

 protected:
  int OnCreate() override;
  void OnPaint() override;
  void OnTimer(std::uint32_t id) override;
  void PostNcDestroy() override;

 private:
  explicit CSplashWnd(WindowHost& host) : CWnd(host) {}
  ~CSplashWnd() override;

  OwnedBitmap bitmap_;
  Size size_;
  // The window can go while one of its own messages is being handled (the
  // timer hides the splash); the object then outlives that message and is
  // deleted when the outermost one returns.
  int depth_ = 0;
  bool gone_ = false;
  // Set while ShowSplashScreen creates the window, which discards the object
  // itself when creation fails.
  bool creating_ = false;
};

}  // namespace qv
