// The program's file name, from its own path, without the extension.
#include "setup/program_title.h"

#include "platform/constants.h"
#include "setup/install_paths.h"

namespace qv {

std::string ProgramTitle(Process& process) {
  char path[kMaxPath + 1] = {};
  // Without its path the program still has a name to give its boxes.
  if (!Succeeded(process.ModulePath(path, sizeof(path)))) return "setup";
  std::string name = LastPiece(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace qv
