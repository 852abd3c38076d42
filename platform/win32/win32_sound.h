// Asynchronous wave playback through PlaySoundA.
#pragma once

#include "platform/sound.h"

namespace qv {

class Win32Sound final : public Sound {
 public:
  void PlayAsync(const char* file) override;
};

}  // namespace qv
