// Ordering of favourites menu texts: byte by byte, folding only the ASCII
// capitals, the way the menu has always sorted them.
#pragma once

namespace qv {

// Negative, zero or positive as `a` sorts before, with, or after `b`. Every
// byte 0x41-0x5A is taken as 0x61-0x7A, also when it is the second byte of a
// double-byte Shift-JIS character (so "ア" 0x83 0x41 and "ヂ" 0x83 0x61 sort
// as equals); no other byte is folded. A prefix sorts first.
[[nodiscard]] int CompareFavoriteText(const char* a, const char* b);

}  // namespace qv
