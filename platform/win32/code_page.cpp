// Code page conversions over MultiByteToWideChar / WideCharToMultiByte.
#include "platform/win32/code_page.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "platform/win32/win32_api.h"

namespace qv {
namespace {

int ClampInt(std::size_t n) { return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n); }

// Bytes taken by the first `count` characters of `text` (length bytes) in
// `codePage`, a double-byte character counting as one.
std::size_t CharacterPrefix(unsigned codePage, const char* text, std::size_t length,
                            std::size_t count) {
  std::size_t i = 0;
  for (std::size_t c = 0; c < count && i < length; ++c) {
    const auto byte = static_cast<BYTE>(text[i]);
    i += (::IsDBCSLeadByteEx(codePage, byte) && i + 1 < length) ? 2 : 1;
  }
  return i;
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
  // In the single- and double-byte code pages every character (one or two
  // bytes) becomes one UTF-16 unit, so the first capacity - 1 characters fit.
  const std::size_t length = std::strlen(text);
  const std::size_t take = CharacterPrefix(codePage, text, length, capacity - 1);
  const int written =
      ::MultiByteToWideChar(codePage, 0, text, ClampInt(take), out, ClampInt(capacity - 1));
  const std::size_t n = written > 0 ? static_cast<std::size_t>(written) : 0;
  out[n] = L'\0';
  return n;
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
