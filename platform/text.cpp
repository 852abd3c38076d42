// Shift-JIS-safe copying into fixed buffers.
#include "platform/text.h"

#include <cstring>

namespace qv {

std::size_t ShiftJisPrefixLength(const char* text, std::size_t length, std::size_t limit) {
  std::size_t i = 0;
  while (i < length) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t width = (IsShiftJisLeadByte(byte) && i + 1 < length) ? 2 : 1;
    if (i + width > limit) break;
    i += width;
  }
  return i;
}

std::size_t CopyText(char* target, std::size_t capacity, const char* source, std::size_t length) {
  if (capacity == 0) return 0;
  const std::size_t n = ShiftJisPrefixLength(source, length, capacity - 1);
  std::memmove(target, source, n);
  target[n] = '\0';
  return n;
}

std::size_t CopyText(char* target, std::size_t capacity, const char* source) {
  return CopyText(target, capacity, source, std::strlen(source));
}

bool AppendText(char* target, std::size_t capacity, const char* source) {
  const std::size_t used = std::strlen(target);
  const std::size_t extra = std::strlen(source);
  if (used + extra + 1 > capacity) return false;
  std::memcpy(target + used, source, extra + 1);
  return true;
}

}  // namespace qv
