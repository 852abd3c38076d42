// What the button page does with a keyboard message while the slot it
// edits types a key: a key going down becomes the slot's key, a key coming
// up is swallowed, anything else goes on as usual.
#pragma once

#include <cstdint>

namespace qv {

struct Msg;

enum class KeyCapture {
  PassOn,    // not a key message, or the slot types no key
  Recorded,  // the key is now the slot's: handled, not dispatched
  Swallowed  // handled, not dispatched, nothing else
};

// Updates keyChar and keyCode for a recorded key.
[[nodiscard]] KeyCapture CaptureKey(const Msg& msg, std::uint32_t slotFlags, std::uint8_t& keyChar,
                                    std::uint8_t& keyCode);

}  // namespace qv
