// The Shift-JIS text helpers on any bytes and any buffer size: a copy is
// the longest prefix that ends on a character boundary and fits with its
// terminator, nothing is written past the buffer, and an append that does
// not fit leaves the text as it was.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// The offsets at which a character starts, walking from the first byte (a
// lead byte as the very last byte stands alone), and the end. The lead bytes
// are written out here rather than taken from the code under test, so that
// a fault in its ranges shows.
std::vector<std::size_t> Boundaries(const std::string& text) {
  std::vector<std::size_t> at{0};
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    i += lead && i + 1 < text.size() ? 2 : 1;
    at.push_back(i);
  }
  return at;
}

// The longest boundary within `limit`.
std::size_t LongestFit(const std::vector<std::size_t>& boundaries, std::size_t limit) {
  std::size_t best = 0;
  for (std::size_t b : boundaries)
    if (b <= limit) best = b;
  return best;
}

void CheckCopy(const std::string& source, std::size_t capacity) {
  // Exactly `capacity` bytes, so that the address sanitizer sees a write past them.
  std::unique_ptr<char[]> target(new char[capacity == 0 ? 1 : capacity]);
  std::memset(target.get(), 'q', capacity == 0 ? 1 : capacity);
  const std::size_t n = qv::CopyText(target.get(), capacity, source.data(), source.size());
  if (capacity == 0) {
    QV_FUZZ_CHECK(n == 0 && target[0] == 'q');
    return;
  }
  QV_FUZZ_CHECK(n == LongestFit(Boundaries(source), capacity - 1));
  QV_FUZZ_CHECK(std::memcmp(target.get(), source.data(), n) == 0);
  QV_FUZZ_CHECK(target[n] == '\0');
}

void CheckAppend(const std::string& start, const std::string& extra, std::size_t capacity) {
  std::unique_ptr<char[]> target(new char[capacity]);
  qv::CopyText(target.get(), capacity, start.c_str());
  const std::string before = target.get();
  const bool appended = qv::AppendText(target.get(), capacity, extra.c_str());
  const std::string added = extra.c_str();
  QV_FUZZ_CHECK(appended == (before.size() + added.size() < capacity));
  QV_FUZZ_CHECK(std::string(target.get()) == (appended ? before + added : before));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::fuzz::FuzzInput in(data, size);
  // Mostly near the 260-byte buffers the program keeps texts in.
  const std::size_t capacity = in.Byte() % 2 ? qv::kTextCapacity - 2 + in.Below(4) : in.Below(64);
  const std::size_t split = in.Word() % (size + 1);
  const std::string first = in.Bytes(split);
  const std::string second = in.Bytes(size);

  CheckCopy(first, capacity);
  CheckCopy(second, capacity);
  const std::size_t limit = in.Word() % (first.size() + 2);
  QV_FUZZ_CHECK(qv::ShiftJisPrefixLength(first.data(), first.size(), limit) ==
                LongestFit(Boundaries(first), limit));
  if (capacity > 0) CheckAppend(first, second, capacity);
  return 0;
}
