// The repeat test of the application's message filter.
#include "framework/message_filter.h"

namespace qv {

bool RepeatGate::IsRepeat(const Msg& msg) {
  const bool repeat = any_ && msg.hwnd == last_.hwnd && msg.message == last_.message &&
                      msg.wParam == last_.wParam && msg.lParam == last_.lParam &&
                      msg.time == last_.time;
  last_ = msg;
  any_ = true;
  return repeat;
}

}  // namespace qv
