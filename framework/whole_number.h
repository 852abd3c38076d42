// Reading a whole number typed into a field: the whole text, however long,
// with blanks around it and an optional sign. Leading zeros are only zeros
// ("000...05" is 5); anything else in the text makes it no number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

enum class WholeNumber {
  Valid,       // `value` holds it
  TooLarge,    // digits only, but beyond the 32-bit range
  NotANumber,  // empty, junk, or a sign without digits
};

[[nodiscard]] WholeNumber ParseWholeNumber(const char* text, std::size_t length,
                                           std::int32_t& value);

}  // namespace qv
