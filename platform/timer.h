// Port: the periodic multimedia timer and the multimedia clock.
#pragma once

#include <cstdint>

#include "platform/port.h"

namespace qv {

using TimerCallback = void (*)(void* context);

class MultimediaTimer : public Port {
 public:
  // Starts a periodic timer; returns its identifier, 0 on failure. The
  // callback runs on the timer's own thread; ticks of one timer never overlap.
  virtual std::uint32_t SetPeriodic(std::uint32_t periodMs, std::uint32_t resolutionMs,
                                    TimerCallback callback, void* context) = 0;
  // Kills a timer. No further callback starts after this returns; a callback
  // already running may still be finishing (see TickGate).
  virtual void Kill(std::uint32_t id) = 0;
  // Milliseconds of the multimedia clock (wraps after 49.7 days).
  virtual std::uint32_t Now() = 0;
  // Waits until `done(context)` is true. Used by the user-interface thread to
  // wait for a tick; the real side keeps the user interface alive meanwhile
  // (it dispatches every message of this thread, sent or posted, and keeps a
  // quit request for the message loop), so a tick blocked in a synchronous
  // send cannot deadlock and one waiting for the user to answer a message
  // box does not freeze the program. Callers must expect their own handlers
  // to run inside it.
  virtual void WaitUntil(bool (*done)(const void* context), const void* context) = 0;
};

}  // namespace qv
