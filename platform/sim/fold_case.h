// The simulated system's case folding of names (registry keys and values,
// file names), as the real one does it for code page 932: letters fold,
// and the second byte of a double-byte character is never taken for one.
#pragma once

#include <string>

namespace qv::sim {

// `name` with every letter in its small form: ASCII, and the double-byte
// full-width Latin, Greek and Cyrillic letters, whose capitals the system
// also folds.
[[nodiscard]] std::string FoldCase(std::string name);

}  // namespace qv::sim
