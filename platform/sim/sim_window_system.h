// Simulated windows of other programs: the pointer, which window is where,
// client offsets, and a record of messages sent and posted to them. Messages
// to windows that a handler has been attached to are delivered to it (the
// framework's simulated host attaches the program's own windows).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/sim/sim_log.h"
#include "platform/window_system.h"

namespace qv::sim {

class SimWindowSystem final : public WindowSystem {
 public:
  using Handler = std::function<LResult(std::uint32_t, WParam, LParam)>;

  explicit SimWindowSystem(Log& log) : log_(log) { posted_.reserve(64); }

  Status GetCursorPos(Point& where) override {
    where = cursor_;
    return Status::Ok;
  }
  WindowHandle WindowFromPoint(Point) override { return windowAtPointer_; }
  Status ScreenToClient(WindowHandle window, Point& where) override;
  // A send is logged with the time it may wait (kForever for SendMessage).
  LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                      LParam lParam) override;
  Status SendMessageTimeout(WindowHandle window, std::uint32_t message, WParam wParam,
                            LParam lParam, std::uint32_t timeoutMs) override;
  Status PostMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                   LParam lParam) override;
  WindowHandle FindWindowByClass(const char* className) override;
  WindowHandle FirstChild(WindowHandle window) override;
  void SetForegroundWindow(WindowHandle window) override {
    log_.Add(EffectKind::Foreground, window, NoFields{});
  }
  WindowHandle DesktopWindow() override { return kDesktop; }

  static constexpr WindowHandle kDesktop = 0x10010;
  static constexpr std::uint32_t kForever = 0xFFFFFFFFu;

  void SetCursor(Point where) { cursor_ = where; }
  void SetWindowAtPointer(WindowHandle window) { windowAtPointer_ = window; }
  void SetClientOrigin(WindowHandle window, Point origin) { origins_[window] = origin; }
  void AddTopLevel(const std::string& className, WindowHandle window) { classes_[className] = window; }
  void SetFirstChild(WindowHandle parent, WindowHandle child) { children_[parent] = child; }
  // A window whose program has stopped taking messages: a send with a
  // time-out gives up, a plain send would never return (here it returns 0
  // and is logged as waiting for ever).
  void SetHung(WindowHandle window, bool hung) { hung_[window] = hung; }
  // Messages to `window` go to `handler` (sent: at once; posted: when pumped).
  void Attach(WindowHandle window, Handler handler) { handlers_[window] = std::move(handler); }
  void Detach(WindowHandle window) { handlers_.erase(window); }
  // Delivers posted messages to attached windows until none are left.
  int PumpPosted();

 private:
  struct Posted {
    WindowHandle window;
    std::uint32_t message;
    WParam wParam;
    LParam lParam;
  };
  Log& log_;
  Point cursor_{};
  WindowHandle windowAtPointer_ = 0;
  std::map<WindowHandle, Point> origins_;
  std::map<std::string, WindowHandle> classes_;
  std::map<WindowHandle, WindowHandle> children_;
  std::map<WindowHandle, Handler> handlers_;
  std::map<WindowHandle, bool> hung_;
  std::vector<Posted> posted_;
};

}  // namespace qv::sim
