// The names shown for the virtual-key code that a key button types. The
// name is for display only; nothing turns a name back into a code.
#pragma once

#include <cstdint>

namespace qv {

// Every name fits a fixed slot of this size, terminator included.
inline constexpr int kKeyNameSlot = 20;

// The table's entry for `code`: never null, empty for an unnamed code.
[[nodiscard]] const char* KeyName(std::uint8_t code);

}  // namespace qv
