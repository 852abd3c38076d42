// Reads a fuzzer's bytes as a stream of small choices, so that every input,
// however short, decodes to something: past the end every read gives zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qv::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return used_ >= size_; }
  std::uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
  std::uint32_t Word() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return v;
  }
  // 0 to n - 1 (n at least 1).
  std::uint32_t Below(std::uint32_t n) { return Byte() % n; }
  // The next `length` bytes as they are (fewer at the end of the input).
  std::string Bytes(std::size_t length) {
    const std::size_t n = length < size_ - Used() ? length : size_ - Used();
    std::string out(reinterpret_cast<const char*>(data_ + Used()), n);
    used_ += n;
    return out;
  }

 private:
  std::size_t Used() const { return used_ < size_ ? used_ : size_; }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// A property of the code under test does not hold: the fuzzer keeps the input.
#define QV_FUZZ_CHECK(condition)                                                   \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

}  // namespace qv::fuzz
