// The file-system side of the settings dialog's shortcuts, against Wine's shell.
#include <gtest/gtest.h>

#include "common/fs_win32.h"
#include "common/shell_link_win32.h"
#include "driver/driver.h"
#include "driver/shell_link.h"

TEST(ShortcutFiles, ALinkIsWrittenWithItsTargetAndAMissingFolderFails) {
  e2e::TempDir dir;
  const std::wstring target = dir.File(L"Quorv114.exe");
  ASSERT_TRUE(e2e::WriteFileBytes(target, "MZ"));
  const std::wstring link = dir.File(L"My Site.lnk");
  ASSERT_TRUE(qvx::SaveShellLink(link, target));
  EXPECT_EQ(e2e::LinkTarget(link), target);
  // Saving again over it replaces it.
  ASSERT_TRUE(qvx::SaveShellLink(link, dir.File(L"Other.exe")));
  EXPECT_EQ(e2e::LinkTarget(link), dir.File(L"Other.exe"));

  EXPECT_FALSE(qvx::SaveShellLink(dir.File(L"missing\\x.lnk"), target));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"missing")));
}

TEST(ShortcutFiles, DirExistsOnlyForDirectories) {
  e2e::TempDir dir;
  ASSERT_TRUE(e2e::WriteFileBytes(dir.File(L"file"), "x"));
  EXPECT_TRUE(qvx::bDirExists(dir.Path()));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"file")));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"none")));
}
