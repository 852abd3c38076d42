// Showing, painting and hiding the splash window.
#include "shell/splash_wnd.h"

#include "framework/win_app.h"
#include "platform/constants.h"

namespace qv {
namespace {

bool splashEnabled = false;
std::uint32_t displayTimeMs = kSplashTimeMs;
CSplashWnd* currentSplash = nullptr;

bool IsKeyOrButtonDown(std::uint32_t message) {
  switch (message) {
    case kWmKeyDown:
    case kWmSysKeyDown:
    case kWmLButtonDown:
    case kWmRButtonDown:
    case kWmMButtonDown:
    case kWmNcLButtonDown:
    case kWmNcRButtonDown:
    case kWmNcMButtonDown:
      return true;
    default:
      return false;
  }
}

}  // namespace

void CSplashWnd::EnableSplashScreen(bool enable) { splashEnabled = enable; }

void CSplashWnd::SetDisplayTime(std::uint32_t ms) { displayTimeMs = ms != 0 ? ms : kSplashTimeMs; }

CSplashWnd* CSplashWnd::Current() { return currentSplash; }

void CSplashWnd::ShowSplashScreen(WindowHost& host, CWnd* parent) {
  if (!splashEnabled || currentSplash != nullptr) return;
  CSplashWnd* splash = new CSplashWnd(host);
  currentSplash = splash;
  splash->bitmap_ = host.LoadBitmap(IDB_SPLASH);
  if (!splash->bitmap_ || !Succeeded(host.BitmapSize(splash->bitmap_.get(), splash->size_))) {
    delete splash;
    return;
  }
  WindowCreateParams params;  // the framework's own class: arrow cursor, no brush, no icon
  params.style = kWsPopup | kWsVisible;
  params.width = splash->size_.cx;
  params.height = splash->size_.cy;
  params.parent = parent != nullptr ? parent->GetSafeHwnd() : 0;
  splash->creating_ = true;
  const Status created = splash->CreateEx(params);
  splash->creating_ = false;
  if (!Succeeded(created)) {
    delete splash;
    return;
  }
  // On screen before start-up goes on and keeps the thread busy.
  splash->UpdateWindow();
}

void CSplashWnd::HideSplashScreen() {
  if (currentSplash == nullptr) return;
  WindowHost& host = currentSplash->host();
  currentSplash->DestroyWindow();
  CWinApp* app = host.Application();
  if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->GetSafeHwnd() != 0)
    app->m_pMainWnd->UpdateWindow();
}

bool CSplashWnd::PreTranslateAppMessage(const Msg& message) {
  if (currentSplash == nullptr) return false;
  if (!IsKeyOrButtonDown(message.message)) return false;
  HideSplashScreen();
  return true;
}

CSplashWnd::~CSplashWnd() {
  if (currentSplash == this) currentSplash = nullptr;
}

LResult CSplashWnd::WindowProc(std::uint32_t message, WParam wParam, LParam lParam) {
  ++depth_;
  const LResult result = CWnd::WindowProc(message, wParam, lParam);
  if (--depth_ == 0 && gone_) {
    delete this;  // nothing of the object is touched after this
  }
  return result;
}

int CSplashWnd::OnCreate() {
  if (CWnd::OnCreate() == -1) return -1;
  // With no owner the window is centred in the primary screen's work area.
  CenterWindow();
  Ignore(SetTimer(kSplashTimerId, displayTimeMs));
  return 0;
}

void CSplashWnd::OnPaint() {
  // A memory context that cannot be made leaves the window unpainted; the
  // picture is only a greeting.
  Ignore(host().PaintBitmap(GetSafeHwnd(), bitmap_.get(), Point{0, 0}));
}

void CSplashWnd::OnTimer(std::uint32_t) { HideSplashScreen(); }

void CSplashWnd::PostNcDestroy() {
  if (currentSplash == this) currentSplash = nullptr;
  if (creating_) return;  // ShowSplashScreen discards it
  if (depth_ > 0) {
    gone_ = true;
    return;
  }
  delete this;
}

}  // namespace qv
