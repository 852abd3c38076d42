// The key data of a keyboard message as the tests build it: a repeat count
// of one, the scan code at bits 16..23 and the flags above it.
#pragma once

#include <cstdint>

namespace qv {

inline constexpr std::uint32_t kKeyDataExtended = 1u << 24;
// The context bit: ALT was down with the key.
inline constexpr std::uint32_t kKeyDataAltHeld = 1u << 29;
// The previous-state and transition bits of a key coming up.
inline constexpr std::uint32_t kKeyDataGoingUp = 0xC0000000u;

constexpr std::uint32_t KeyData(std::uint32_t scan, std::uint32_t flags = 0) {
  return flags | scan << 16 | 1u;
}

}  // namespace qv
