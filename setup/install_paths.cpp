// Install paths, read byte by byte as Shift-JIS: the second byte of a
// double-byte character may be 0x5C ("ソ" is 0x83 0x5C) and is no separator.
#include "setup/install_paths.h"

#include <vector>

#include "platform/constants.h"
#include "platform/text.h"
#include "product/product.h"
#include "setup/product_files.h"

namespace qv {
namespace {

// Offsets of the separators of `path`.
std::vector<std::size_t> Separators(const std::string& path) {
  std::vector<std::size_t> cuts;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\') {
      cuts.push_back(i);
    }
  }
  return cuts;
}

// The non-empty pieces between separators.
std::vector<std::string> Pieces(const std::string& path) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  std::vector<std::size_t> cuts = Separators(path);
  cuts.push_back(path.size());
  for (std::size_t cut : cuts) {
    if (cut > start) pieces.push_back(path.substr(start, cut - start));
    start = cut + 1;
  }
  return pieces;
}

bool IsDriveDesignation(const std::string& path) { return path.size() == 2 && path[1] == ':'; }

}  // namespace

std::string InstallFolderOf(const std::string& folderText) {
  return folderText + kAppTitle + "\\";
}

bool FitsPathLimit(const std::string& installFolder) {
  return installFolder.size() + kLongestFileName + 1 <= kMaxPath;
}

bool EndsWithSeparator(const std::string& path) {
  const std::vector<std::size_t> cuts = Separators(path);
  return !cuts.empty() && cuts.back() + 1 == path.size();
}

std::string WithoutTrailingSeparator(const std::string& path) {
  return EndsWithSeparator(path) ? path.substr(0, path.size() - 1) : path;
}

std::string FolderOf(const std::string& file) {
  const std::vector<std::size_t> cuts = Separators(file);
  if (cuts.empty()) return std::string();
  const std::string folder = file.substr(0, cuts.back());
  return IsDriveDesignation(folder) ? folder + "\\" : folder;
}

std::string LastPiece(const std::string& path) {
  const std::vector<std::string> pieces = Pieces(path);
  return pieces.empty() ? std::string() : pieces.back();
}

void CreateFolderPath(Files& files, const std::string& path) {
  std::vector<std::string> pieces = Pieces(path);
  std::string made;
  std::size_t first = 0;
  if (path.compare(0, 2, "\\\\") == 0) {
    // \\server\share\ names a place that exists or does not; it is not made.
    if (pieces.size() < 2) return;
    made = "\\\\" + pieces[0] + "\\" + pieces[1] + "\\";
    first = 2;
  } else if (!path.empty() && path[0] == '\\') {
    made = "\\";
  }
  for (std::size_t i = first; i < pieces.size(); ++i) {
    made += pieces[i];
    if (!IsDriveDesignation(made)) Ignore(files.CreateFolder(made.c_str()));
    made += "\\";
  }
}

}  // namespace qv
