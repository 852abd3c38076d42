// The text tables' headers hold, once compiled, exactly the Shift-JIS bytes
// of their UTF-8 texts, whatever byte follows an escape.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "tools/sample_texts.h"

namespace {

template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST(TextTables, CompileToTheShiftJisBytesOfTheirTexts) {
  EXPECT_EQ(Bytes(qv::kKanaThenDigits), std::string("\x83\x41" "1B"));
  EXPECT_EQ(Bytes(qv::kBackslashSeconds), std::string("\x83\x5C\x95\x5C\\\""));
  EXPECT_EQ(Bytes(qv::kHalfWidthAndCircled), std::string("\xB1\x87\x40"));
  EXPECT_EQ(Bytes(qv::kEscapes), std::string(" a\tb\nc "));
  EXPECT_EQ(Bytes(qv::kWholeFile),
            std::string("\x83\x5C\x81\x5B\x83\x58\r\nline \x87\x40\r\n"));
}

}  // namespace
