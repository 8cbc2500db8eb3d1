// The file-system side of the settings dialog's shortcuts, against Wine's shell.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "common/fs_win32.h"
#include "common/special_folder_win32.h"
#include "driver/driver.h"
#include "main/settings_dialog/shortcut_files_win32.h"

namespace {

class ComScope : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

std::wstring LinkTarget(const std::wstring& linkPath) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  std::wstring target;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
      target = path;
    }
    if (file) file->Release();
    link->Release();
  }
  return target;
}

} // namespace

using ShortcutFiles = ComScope;

TEST_F(ShortcutFiles, SpecialFoldersAreFoundAndAnUnknownOneIsEmpty) {
  const std::wstring programs = qvx::SpecialFolderPath(nullptr, CSIDL_PROGRAMS);
  const std::wstring startup = qvx::SpecialFolderPath(nullptr, CSIDL_STARTUP);
  ASSERT_FALSE(programs.empty());
  EXPECT_TRUE(qvx::bDirExists(programs));
  EXPECT_EQ(programs.find(L'\0'), std::wstring::npos);
  EXPECT_NE(programs.back(), L'\\');
  EXPECT_TRUE(qvx::bDirExists(startup));
  EXPECT_NE(startup, programs);
  EXPECT_EQ(qvx::SpecialFolderPath(nullptr, 0x7E), L"");  // no such folder number
}

TEST_F(ShortcutFiles, ALinkIsWrittenWithItsTargetAndAMissingFolderFails) {
  e2e::TempDir dir;
  const std::wstring target = dir.File(L"Quorv114.exe");
  ASSERT_TRUE(e2e::WriteFileBytes(target, "MZ"));
  const std::wstring link = dir.File(L"My Site.lnk");
  ASSERT_TRUE(qvx::SaveShellLink(link, target));
  EXPECT_EQ(LinkTarget(link), target);
  // Saving again over it replaces it.
  ASSERT_TRUE(qvx::SaveShellLink(link, dir.File(L"Other.exe")));
  EXPECT_EQ(LinkTarget(link), dir.File(L"Other.exe"));

  const std::wstring lost = dir.File(L"missing\\x.lnk");
  EXPECT_FALSE(qvx::SaveShellLink(lost, target));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"missing")));
}

TEST_F(ShortcutFiles, DirExistsOnlyForDirectories) {
  e2e::TempDir dir;
  ASSERT_TRUE(e2e::WriteFileBytes(dir.File(L"file"), "x"));
  EXPECT_TRUE(qvx::bDirExists(dir.Path()));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"file")));
  EXPECT_FALSE(qvx::bDirExists(dir.File(L"none")));
}
