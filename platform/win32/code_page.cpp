// Code page conversions over MultiByteToWideChar / WideCharToMultiByte.
#include "platform/win32/code_page.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "platform/win32/win32_api.h"

namespace qv {
namespace {

int ClampInt(std::size_t n) { return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n); }

constexpr bool IsUtf8Continuation(BYTE byte) { return (byte & 0xC0) == 0x80; }

// Bytes of the UTF-8 sequence a lead byte opens; a stray continuation byte
// or an invalid lead stands alone, as the converter replaces it alone.
std::size_t Utf8SequenceLength(BYTE lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

// Bytes of the character at text[i] (length bytes in all) in `codePage`.
std::size_t CharacterLength(unsigned codePage, const char* text, std::size_t i,
                            std::size_t length) {
  const auto lead = static_cast<BYTE>(text[i]);
  // The system's ANSI code page may itself be UTF-8, a choice users can make.
  if (codePage == CP_ACP) codePage = ::GetACP();
  if (codePage == CP_UTF8) {
    std::size_t n = 1;
    const std::size_t want = Utf8SequenceLength(lead);
    while (n < want && i + n < length && IsUtf8Continuation(static_cast<BYTE>(text[i + n]))) ++n;
    return n;
  }
  return (::IsDBCSLeadByteEx(codePage, lead) && i + 1 < length) ? 2 : 1;
}

// UTF-16 units of the character of `bytes` bytes at `text`: one in the
// single- and double-byte code pages, two for UTF-8 beyond the first plane.
std::size_t WideUnitsOf(unsigned codePage, const char* text, std::size_t bytes) {
  const int units = ::MultiByteToWideChar(codePage, 0, text, ClampInt(bytes), nullptr, 0);
  return units > 0 ? static_cast<std::size_t>(units) : 1;
}

// Same for UTF-16: a surrogate pair stays whole.
std::size_t WidePrefix(const wchar_t* text, std::size_t length, std::size_t limit) {
  std::size_t i = 0;
  while (i < length) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < length;
    const std::size_t width = pair ? 2 : 1;
    if (i + width > limit) break;
    i += width;
  }
  return i;
}

}  // namespace

unsigned CodePageOf(TextCode code) {
  return code == TextCode::Program ? kProgramCodePage : static_cast<unsigned>(CP_ACP);
}

std::wstring ToWide(unsigned codePage, const char* text) {
  if (text == nullptr || *text == '\0') return std::wstring();
  const int length = ClampInt(std::strlen(text));
  const int needed = ::MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, text, length, &wide[0], needed);
  return wide;
}

std::wstring ProgramToWide(const char* text) { return ToWide(kProgramCodePage, text); }
std::wstring SystemToWide(const char* text) { return ToWide(CP_ACP, text); }

std::string FromWide(unsigned codePage, const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return std::string();
  const int length = ClampInt(std::wcslen(text));
  const int needed = ::WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(codePage, 0, text, length, &narrow[0], needed, nullptr, nullptr);
  return narrow;
}

std::size_t ToWide(unsigned codePage, const char* text, wchar_t* out, std::size_t capacity) {
  if (capacity == 0) return 0;
  out[0] = L'\0';
  if (text == nullptr || *text == '\0') return 0;
  // Whole characters while their UTF-16 units fit: a character is one to four
  // bytes and one or two units, depending on the code page.
  const std::size_t length = std::strlen(text);
  std::size_t take = 0;
  for (std::size_t units = 0; take < length;) {
    const std::size_t bytes = CharacterLength(codePage, text, take, length);
    units += WideUnitsOf(codePage, text + take, bytes);
    if (units > capacity - 1) break;
    take += bytes;
  }
  if (take == 0) return 0;
  const int written =
      ::MultiByteToWideChar(codePage, 0, text, ClampInt(take), out, ClampInt(capacity - 1));
  const std::size_t n = written > 0 ? static_cast<std::size_t>(written) : 0;
  out[n] = L'\0';
  return n;
}

std::size_t MultiBytePrefixLength(unsigned codePage, const char* text, std::size_t length,
                                  std::size_t limit) {
  std::size_t i = 0;
  while (i < length) {
    const std::size_t bytes = CharacterLength(codePage, text, i, length);
    if (i + bytes > limit) break;
    i += bytes;
  }
  return i;
}

std::size_t FromWide(unsigned codePage, const wchar_t* text, char* out, std::size_t capacity) {
  if (capacity == 0) return 0;
  out[0] = '\0';
  if (text == nullptr || *text == L'\0') return 0;
  // Shrink the wide prefix until its conversion fits; the prefix always ends
  // on a whole character, so the result never ends inside a double-byte one.
  std::size_t length = std::wcslen(text);
  while (length > 0) {
    const int needed = ::WideCharToMultiByte(codePage, 0, text, ClampInt(length), nullptr, 0,
                                             nullptr, nullptr);
    if (needed > 0 && static_cast<std::size_t>(needed) <= capacity - 1) {
      const int written = ::WideCharToMultiByte(codePage, 0, text, ClampInt(length), out, needed,
                                                nullptr, nullptr);
      const std::size_t n = written > 0 ? static_cast<std::size_t>(written) : 0;
      out[n] = '\0';
      return n;
    }
    if (needed <= 0) break;
    // No character takes more than four bytes, so dropping a quarter of the
    // excess (at least one unit) never drops more than needed.
    const std::size_t excess = static_cast<std::size_t>(needed) - (capacity - 1);
    const std::size_t drop = excess >= 8 ? excess / 4 : 1;
    length = WidePrefix(text, length, length > drop ? length - drop : 0);
  }
  return 0;
}

}  // namespace qv
