// SpecialFolderPath against the shell's own answer for the same folders.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include "common/fs_win32.h"
#include "common/shell_folders_win32.h"

namespace {
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}
} // namespace

TEST(SpecialFolderPath, FindsTheProgramsAndStartupFolders) {
  const std::wstring programs = qvx::SpecialFolderPath(nullptr, CSIDL_PROGRAMS);
  ASSERT_FALSE(programs.empty());
  EXPECT_EQ(programs, KnownFolder(FOLDERID_Programs));
  EXPECT_TRUE(qvx::bDirExists(programs));
  EXPECT_EQ(programs.find(L'\0'), std::wstring::npos);
  EXPECT_EQ(qvx::SpecialFolderPath(nullptr, CSIDL_STARTUP), KnownFolder(FOLDERID_Startup));
}

TEST(SpecialFolderPath, AnUnknownFolderGivesTheEmptyText) {
  EXPECT_EQ(qvx::SpecialFolderPath(nullptr, 0x7F), L"");
}
