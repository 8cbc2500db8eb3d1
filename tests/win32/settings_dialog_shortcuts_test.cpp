// The Win32 side of the settings dialog's saving: shortcut files, folders and the code page.
#include <gtest/gtest.h>

#include "common/ansi_win32.h"
#include "common/shell_link_win32.h"
#include "driver/driver.h"
#include "driver/shell_link.h"

TEST(ShortcutFiles, ALinkIsWrittenWithItsTargetReplacedAndAMissingFolderFails) {
  e2e::TempDir dir;
  const std::wstring link = dir.File(L"My Site.lnk");
  ASSERT_TRUE(qvx::SaveShellLink(link, dir.File(L"Quorv114.exe")));
  EXPECT_EQ(e2e::LinkTarget(link), dir.File(L"Quorv114.exe"));
  ASSERT_TRUE(qvx::SaveShellLink(link, dir.File(L"Other.exe")));
  EXPECT_EQ(e2e::LinkTarget(link), dir.File(L"Other.exe"));
  EXPECT_FALSE(qvx::SaveShellLink(dir.File(L"missing\\x.lnk"), link));
}

TEST(SettingsText, TheCodePageHoldsItsOwnCharactersOnly) {
  const UINT codePage = GetACP();
  ASSERT_NE(codePage, static_cast<UINT>(CP_UTF8)) << "the test prefix uses a single-byte code page";
  EXPECT_TRUE(qvx::AnsiCodePageHolds(L""));
  EXPECT_TRUE(qvx::AnsiCodePageHolds(L"Plain text? 100% (ok)"));
  // U+0101 has a best-fit look-alike ("a") in the Western code pages, U+4E2D none at all.
  EXPECT_FALSE(qvx::AnsiCodePageHolds(L"\x0101")) << codePage;
  EXPECT_FALSE(qvx::AnsiCodePageHolds(L"ok \x4E2D")) << codePage;
  if (codePage == 1252) {
    EXPECT_TRUE(qvx::AnsiCodePageHolds(L"caf\xE9 \x20AC"));
  }
}
