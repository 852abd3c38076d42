// Whole numbers from field text.
#include "framework/whole_number.h"

namespace qv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

WholeNumber ParseWholeNumber(const char* text, std::size_t length, std::int32_t& value) {
  std::size_t begin = 0;
  std::size_t end = length;
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  bool negative = false;
  if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
    negative = text[begin] == '-';
    ++begin;
  }
  if (begin == end) return WholeNumber::NotANumber;
  // The magnitude is kept in 64 bits and stops growing once it is past the
  // 32-bit range, so that no length of digits can overflow it.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return WholeNumber::NotANumber;
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (c - '0');
  }
  const std::int64_t signed_ = negative ? -magnitude : magnitude;
  if (signed_ < -kLimit || signed_ > kLimit - 1) return WholeNumber::TooLarge;
  value = static_cast<std::int32_t>(signed_);
  return WholeNumber::Valid;
}

}  // namespace qv
