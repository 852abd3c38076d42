// The registry keys, profile entry and program group of the install, formed
// from the product's names in one place.
#pragma once

#include "product/product.h"

namespace qv {

// The maker's key and the product's key below it, under either hive.
inline constexpr char kMakerRegistryKey[] = "SOFTWARE\\" QV_MAKER_KEY;
inline constexpr char kProductRegistryKey[] = "SOFTWARE\\" QV_MAKER_KEY "\\" QV_APP_TITLE;
inline constexpr char kInstallPathValue[] = "InstallPath";

// The system's list of installed programs.
inline constexpr char kRemovalEntryKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" QV_APP_TITLE;
inline constexpr char kDisplayNameValue[] = "DisplayName";
inline constexpr char kUninstallStringValue[] = "UninstallString";

// The later 9x versions' compatibility entry for the resident program: the
// first eight letters of its file name, in capitals.
inline constexpr char kCompatibilitySection[] = "Compatibility95";
inline constexpr char kCompatibilityEntry[] = "QUORVANT";
inline constexpr char kCompatibilityValue[] = "0x00000002";

// The wizard's folder text unless the user changes it.
inline constexpr char kDefaultFolderText[] = "C:\\Program Files\\" QV_MAKER_KEY "\\";

}  // namespace qv
