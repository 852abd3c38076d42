// The product's files and start-menu links as the install makes them and
// the uninstall removes them, in their orders, with the progress positions
// that follow each.
#pragma once

#include <cstddef>

#include "setup/texts.h"

namespace qv {

struct ProductFile {
  const char* name;          // in the source folder and in the install folder
  int positionAfterCopy;
  const char* copyFailure;   // the message when its copy fails
};

inline constexpr ProductFile kProductFiles[] = {
    {"Quorvantix.exe", 40, kCopyExeFailedText},
    {"QUORVNTX.hlp", 60, kCopyHelpFailedText},
    {"QUORVNTX.cnt", 70, kCopyContentsFailedText},
    {"ReadMe.txt", 75, kCopyReadMeFailedText},
    {"license.txt", 80, kCopyLicenseFailedText},
};

struct RemovedFile {
  const char* name;
  bool counted;               // a failed deletion fails the uninstall
  int positionAfter;          // 0: the bar stays
};

// The help viewer's index file is the viewer's, made only once the help is
// opened, so its absence counts for nothing.
inline constexpr RemovedFile kRemovedFiles[] = {
    {"Quorvantix.exe", true, 40}, {"QUORVNTX.hlp", true, 50}, {"QUORVNTX.cnt", true, 0},
    {"QUORVNTX.gid", false, 60},  {"ReadMe.txt", true, 0},    {"license.txt", true, 70},
};

// The longest name the install or the uninstall puts after the install folder.
inline constexpr std::size_t kLongestFileName = sizeof("Quorvantix.exe") - 1;

struct LinkEntry {
  const char* target;  // a file in the install folder
  const char* name;    // the link's name and description
};

// In creation order; the uninstall goes the other way. The last target is
// spelled as the link has always named it; file names ignore case.
inline constexpr LinkEntry kLinks[] = {
    {"Quorvantix.exe", "Quorvantix"},
    {"QUORVNTX.hlp", kHelpLinkName},
    {"license.txt", kLicenseLinkName},
    {"readme.txt", "README"},
};

}  // namespace qv
