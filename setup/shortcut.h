// One start-menu link of the product, made or deleted in the maker's
// program group.
#pragma once

#include <string>

#include "platform/platform.h"

namespace qv {

enum class ShortcutMode { Create, Delete };

// Create: makes the program group when needed and makes or replaces the
// link `linkName` to install folder + `target`, working in the install
// folder; true when the link was saved. Delete: true when the link file was
// deleted; the program group goes too once it is empty.
bool UpdateShortcut(Platform& platform, const std::string& installFolder, const char* target,
                    const char* linkName, int csidl, ShortcutMode mode);

}  // namespace qv
