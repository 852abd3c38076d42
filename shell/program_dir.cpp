// Cutting the file name off the program's path.
#include "shell/program_dir.h"

#include "platform/text.h"

namespace qv {

void ProgramDirOf(const char* path, char* folder, std::size_t capacity) {
  std::size_t keep = 0;
  for (std::size_t i = 0; path[i] != '\0'; ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (IsShiftJisLeadByte(byte) && path[i + 1] != '\0') {
      ++i;
      continue;
    }
    if (byte == '\\' || byte == '/' || (byte == ':' && i == 1)) keep = i + 1;
  }
  CopyText(folder, capacity, path, keep);
}

}  // namespace qv
