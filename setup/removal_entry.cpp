// The removal entry: "DisplayName" and the setup program's own path, without
// quotes or arguments, as "UninstallString".
#include "setup/removal_entry.h"

#include "platform/constants.h"
#include "product/product.h"
#include "setup/setup_names.h"

namespace qv {

bool RegisterUninstall(Platform& platform) {
  char program[kMaxPath + 1] = {};
  if (!Succeeded(platform.process.ModulePath(program, sizeof(program)))) return false;
  if (!Succeeded(platform.registry.CreateKey(Hive::LocalMachine, kRemovalEntryKey))) return false;
  Ignore(platform.registry.SetString(Hive::LocalMachine, kRemovalEntryKey, kDisplayNameValue,
                                     kAppTitle));
  Ignore(platform.registry.SetString(Hive::LocalMachine, kRemovalEntryKey, kUninstallStringValue,
                                     program));
  return true;
}

bool UnregisterUninstall(Platform& platform) {
  return Succeeded(platform.registry.DeleteKey(Hive::LocalMachine, kRemovalEntryKey));
}

}  // namespace qv
