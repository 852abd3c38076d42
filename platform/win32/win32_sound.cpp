// PlaySoundA with SND_ASYNC only: a missing file is the sound service's
// business (it plays the default sound or nothing).
#include "platform/win32/win32_sound.h"

#include "platform/win32/win32_api.h"

namespace qv {

void Win32Sound::PlayAsync(const char* file) { ::PlaySoundA(file, nullptr, SND_ASYNC); }

}  // namespace qv
