// Port: asynchronous wave playback.
#pragma once

#include "platform/port.h"

namespace qv {

class Sound : public Port {
 public:
  // Starts playing a wave file (flags SND_ASYNC only); the result is ignored
  // by every caller.
  virtual void PlayAsync(const char* file) = 0;
};

}  // namespace qv
