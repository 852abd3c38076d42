// Byte-wise, capitals-only folding comparison of favourites menu texts.
#include "shell/favorites_compare.h"

namespace qv {
namespace {

unsigned Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? byte + static_cast<unsigned>('a' - 'A') : byte;
}

}  // namespace

int CompareFavoriteText(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const unsigned x = Fold(*a);
    const unsigned y = Fold(*b);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

}  // namespace qv
