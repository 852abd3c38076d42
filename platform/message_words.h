#pragma once
// The two 16-bit halves that window messages pack into their parameters.

#include <cstdint>

#include "platform/types.h"

namespace qv {

constexpr std::uint32_t LowWord(std::uint64_t value) { return static_cast<std::uint32_t>(value & 0xFFFFu); }
constexpr std::uint32_t HighWord(std::uint64_t value) {
  return static_cast<std::uint32_t>((value >> 16) & 0xFFFFu);
}
constexpr WParam MakeWParam(std::uint32_t low, std::uint32_t high) {
  return (static_cast<WParam>(high & 0xFFFFu) << 16) | static_cast<WParam>(low & 0xFFFFu);
}

}  // namespace qv
