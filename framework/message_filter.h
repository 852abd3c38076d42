// Telling a message offered to the filter a second time from a new one. A
// loop of the program's own offers each message before dispatch; the dialog
// manager inside that loop (IsDialogMessage) may offer the same message again
// through the message-filter hook. It is the same queued message when window,
// number, parameters and time stamp all agree.
#pragma once

#include "framework/window_host.h"

namespace qv {

class RepeatGate {
 public:
  // True when `msg` is the message offered last; remembers it either way.
  bool IsRepeat(const Msg& msg);

 private:
  Msg last_;
  bool any_ = false;
};

}  // namespace qv
