// Fixed 260-byte text buffers of Shift-JIS text, as the settings and paths
// keep them, and copying into them without ever splitting a character.
#pragma once

#include <cstddef>

namespace qv {

inline constexpr std::size_t kTextCapacity = 260;  // 259 bytes of text and a terminator
using Text = char[kTextCapacity];

// Lead byte of a Shift-JIS double-byte character.
[[nodiscard]] constexpr bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the longest prefix of `text` (at most `length` bytes) that fits
// in `limit` bytes and does not end inside a double-byte character.
[[nodiscard]] std::size_t ShiftJisPrefixLength(const char* text, std::size_t length,
                                               std::size_t limit);

// Copies `length` bytes of `source` into `target` (capacity bytes, at least 1),
// cut at a character boundary so that the text and its terminator fit.
// Returns the number of bytes copied.
std::size_t CopyText(char* target, std::size_t capacity, const char* source, std::size_t length);
std::size_t CopyText(char* target, std::size_t capacity, const char* source);

template <std::size_t N>
std::size_t CopyText(char (&target)[N], const char* source) {
  return CopyText(target, N, source);
}

// Appends `source` to the terminated text in `target`; false (target left as
// it was) when the result would not fit.
[[nodiscard]] bool AppendText(char* target, std::size_t capacity, const char* source);

}  // namespace qv
