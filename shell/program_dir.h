// The folder of the program file: drive and folder of a full path, with the
// separator that ends it.
#pragma once

#include <cstddef>

namespace qv {

// Writes into `folder` (capacity bytes) the part of `path` up to and
// including its last separator ('\\' or '/', or the ':' of a bare drive),
// reading the path as Shift-JIS so that a second byte 0x5C is not taken for
// a separator. A path without any gives the empty text.
void ProgramDirOf(const char* path, char* folder, std::size_t capacity);

}  // namespace qv
