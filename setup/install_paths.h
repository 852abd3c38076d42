// The install's paths: the install folder formed from the folder text, the
// path limit they must keep, the folder that holds a file, and the making
// of a folder path one level at a time.
#pragma once

#include <string>

#include "platform/files.h"

namespace qv {

// Folder text + the product's name + "\".
[[nodiscard]] std::string InstallFolderOf(const std::string& folderText);
// Whether the install folder and every file path in it keep the system's
// path limit (terminator included).
[[nodiscard]] bool FitsPathLimit(const std::string& installFolder);
// The path without one trailing "\" (a Shift-JIS trail byte is no separator).
[[nodiscard]] std::string WithoutTrailingSeparator(const std::string& path);
[[nodiscard]] bool EndsWithSeparator(const std::string& path);
// The folder that holds a file: drive and folders, "D:\" for a file at a root.
[[nodiscard]] std::string FolderOf(const std::string& file);
// The last piece of a path ("Tools" for "D:\Tools" and "D:\Tools\").
[[nodiscard]] std::string LastPiece(const std::string& path);

// Makes every level of `path` in turn, ignoring failures (a level that is
// there already). A drive's root is not made; a leading "\" stays, and the
// server and share of a network path are taken as they are, so that the
// folders made are those the path names.
void CreateFolderPath(Files& files, const std::string& path);

}  // namespace qv
