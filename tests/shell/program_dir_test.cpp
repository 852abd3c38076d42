// The program's folder taken from its path, Shift-JIS read correctly.
#include <gtest/gtest.h>

#include "shell/program_dir.h"

namespace qv {
namespace {

std::string DirOf(const char* path) {
  char folder[260];
  ProgramDirOf(path, folder, sizeof folder);
  return folder;
}

TEST(ProgramDir, KeepsDriveFolderAndTheTrailingSeparator) {
  EXPECT_EQ(DirOf("C:\\Tools\\Quorvantix.exe"), "C:\\Tools\\");
  EXPECT_EQ(DirOf("C:\\Quorvantix.exe"), "C:\\");
  EXPECT_EQ(DirOf("C:Quorvantix.exe"), "C:");
  EXPECT_EQ(DirOf("\\\\server\\share\\q.exe"), "\\\\server\\share\\");
  EXPECT_EQ(DirOf("Quorvantix.exe"), "");
}

TEST(ProgramDir, ASecondByteThatLooksLikeABackslashIsNoSeparator) {
  // The second byte of 表 in Shift-JIS is 0x5C.
  EXPECT_EQ(DirOf("C:\\Tools\\表.exe"), "C:\\Tools\\");
  EXPECT_EQ(DirOf("C:\\表\\q.exe"), "C:\\表\\");
}

}  // namespace
}  // namespace qv
