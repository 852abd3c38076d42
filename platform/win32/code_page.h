// Text conversions between the program's Shift-JIS text (code page 932), the
// system's ANSI code page and the wide (UTF-16) text of the W functions.
// The std:: forms allocate; the buffer forms do not, so either may be used
// outside the polling tick, and only the buffer forms inside it.
#pragma once

#include <cstddef>
#include <string>

#include "platform/menus.h"

namespace qv {

inline constexpr unsigned kProgramCodePage = 932;

// The code page a TextCode names: 932 for the program's own text, the
// system's ANSI code page for names from the file system.
[[nodiscard]] unsigned CodePageOf(TextCode code);

[[nodiscard]] std::wstring ToWide(unsigned codePage, const char* text);
[[nodiscard]] std::wstring ProgramToWide(const char* text);
[[nodiscard]] std::wstring SystemToWide(const char* text);
[[nodiscard]] std::string FromWide(unsigned codePage, const wchar_t* text);

// Into a caller's buffer (capacity units, at least 1): converts as much of
// `text` as fits with its terminator, never splitting a character, and
// returns the number of units written before the terminator.
std::size_t ToWide(unsigned codePage, const char* text, wchar_t* out, std::size_t capacity);
std::size_t FromWide(unsigned codePage, const wchar_t* text, char* out, std::size_t capacity);

// Length of the longest prefix of `text` (at most `length` bytes) that fits
// in `limit` bytes and ends on a character boundary of `codePage` (double-byte
// code pages and UTF-8 alike).
[[nodiscard]] std::size_t MultiBytePrefixLength(unsigned codePage, const char* text,
                                                std::size_t length, std::size_t limit);

}  // namespace qv
