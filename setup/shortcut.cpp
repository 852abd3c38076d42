// The program group is the special folder + "\" + the maker's name. Deleting
// a link needs no link object, so only the create mode asks the shell for
// one.
#include "setup/shortcut.h"

#include "platform/constants.h"
#include "product/product.h"
#include "setup/install_paths.h"

namespace qv {

bool UpdateShortcut(Platform& platform, const std::string& installFolder, const char* target,
                    const char* linkName, int csidl, ShortcutMode mode) {
  char special[kMaxPath + 1] = {};
  if (!Succeeded(platform.shell.SpecialFolderPath(0, csidl, special, sizeof(special)))) return false;
  const std::string group = std::string(special) + "\\" + kMakerKey;
  if (group.size() >= kMaxPath) return false;

  if (mode == ShortcutMode::Delete) {
    const bool deleted = Succeeded(platform.shell.RemoveShortcut(group.c_str(), linkName));
    Ignore(platform.files.RemoveFolder(group.c_str()));
    return deleted;
  }
  const std::string workingFolder = WithoutTrailingSeparator(installFolder);
  const std::string targetPath = workingFolder + "\\" + target;
  Ignore(platform.files.CreateFolder(group.c_str()));
  ShortcutRecord link;
  link.target = targetPath.c_str();
  link.workingFolder = workingFolder.c_str();
  link.description = linkName;
  return Succeeded(platform.shell.SaveShortcut(group.c_str(), linkName, link));
}

}  // namespace qv
