// The framework's window class: one object per window, bound to it by the
// host, with one message switch that decodes the messages into virtual
// handlers and hands everything else to the system's default processing.
#pragma once

#include <cstdint>

#include "framework/cmd_target.h"
#include "framework/drop_files.h"
#include "framework/message_map.h"
#include "framework/window_host.h"
#include "platform/message_words.h"

namespace qv {

class CWnd : public CCmdTarget {
 public:
  explicit CWnd(WindowHost& host) : host_(host) {}
  ~CWnd() override;

  WindowHandle GetSafeHwnd() const { return hwnd_; }
  WindowHost& host() const { return host_; }
  Platform& platform() const { return host_.platform(); }

  [[nodiscard]] Status CreateEx(const WindowCreateParams& params);
  void DestroyWindow();
  void ShowWindow(std::int32_t showCommand);
  void UpdateWindow();
  void Invalidate();
  void RedrawWindow();
  // Null: centre on the owner, or in the work area when there is none.
  void CenterWindow(WindowHandle alternateOwner = 0);
  void SetTopmost();
  void SetWindowText(const char* text);
  void DragAcceptFiles(bool accept = true);
  Status SetTimer(std::uint32_t id, std::uint32_t intervalMs);
  void KillTimer(std::uint32_t id);
  LResult SendMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0);
  Status PostMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0);

  // The one message switch. Hosts call it for every message of the window.
  virtual LResult WindowProc(std::uint32_t message, WParam wParam, LParam lParam);
  // Offered each message for this window (or its children) before dispatch;
  // true when it was handled here and must not be dispatched.
  virtual bool PreTranslateMessage(Msg& msg);

  // Host side: binding before the first message, and the end after the last.
  void BindHandle(WindowHandle window) { hwnd_ = window; }
  void HandleFinalMessage();

 protected:
  // 0 to go on, -1 to refuse the creation. The base runs default processing.
  virtual int OnCreate();
  virtual void OnDestroy();
  virtual void OnPaint();
  virtual void OnTimer(std::uint32_t id);
  // The default destroys the window.
  virtual void OnClose();
  // WM_COMMAND: routed through OnCmdMsg; true when someone took it.
  virtual bool OnCommand(WParam wParam, LParam lParam);
  virtual void OnInitMenuPopup(MenuHandle menu, std::uint32_t index, bool systemMenu);
  // Runs after the window is gone and the object unbound (an object that
  // owns itself deletes itself here).
  virtual void PostNcDestroy() {}

  // This object's own message table (scroll, notify, drop and numbered
  // messages); each class with a table overrides this and hands on to its
  // base class when its table has no line for the message. True when a
  // handler took it, with its result.
  virtual bool DispatchOwnMessages(std::uint32_t message, WParam wParam, LParam lParam,
                                   LResult& result);

  template <class T, std::size_t N>
  static bool DispatchMessageMap(T& target, const MessageMapEntry<T> (&map)[N],
                                 std::uint32_t message, WParam wParam, LParam lParam,
                                 LResult& result) {
    for (const MessageMapEntry<T>& entry : map) {
      if (entry.message != message) continue;
      if (entry.onScroll) {
        (target.*entry.onScroll)(LowWord(wParam), static_cast<std::int16_t>(HighWord(wParam)),
                                 target.ControlIdOf(static_cast<WindowHandle>(lParam)));
        result = 0;
        return true;
      }
      if (entry.onNotify) {
        const NmHdr* header = reinterpret_cast<const NmHdr*>(lParam);
        if (header == nullptr || header->idFrom != entry.id || header->code != entry.code)
          continue;
        result = 0;
        (target.*entry.onNotify)(*header, result);
        return true;
      }
      if (entry.onDropFiles) {
        CDropFiles drop(target.host(), static_cast<DropHandle>(wParam));
        (target.*entry.onDropFiles)(drop);
        result = 0;
        return true;
      }
      if (entry.onMessage) {
        result = (target.*entry.onMessage)(wParam, lParam);
        return true;
      }
    }
    return false;
  }
  int ControlIdOf(WindowHandle control) const;

  // The default processing of the message being handled now.
  LResult Default();
  virtual LResult DefWindowProc(std::uint32_t message, WParam wParam, LParam lParam);

 private:
  WindowHost& host_;
  WindowHandle hwnd_ = 0;
  Msg current_;
};

}  // namespace qv
