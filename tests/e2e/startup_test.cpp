// Start-up, the per-directory guard, the files of a first start and the ways the program ends.
#include <gtest/gtest.h>

#include "common/fs_win32.h"
#include "common/scoped_win32.h"
#include "driver/quorvex_app.h"
#include "main/app/instance_guard.h"
#include "main_window_ids.h"

using namespace e2e;

namespace {
class Startup : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};

  void SetUp() override {  // no information form in the way: the browser option it reports is off
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse");
  }
  void StartAndWait() {
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning()) << "the program did not finish its start-up";
  }
};
} // namespace

TEST_F(Startup, FirstStartWritesTheThreeFilesAndShowsNoWindowAndASecondStartIsRefusedWhileItRuns) {
  StartAndWait();
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX1\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/\r\n\r\n");
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
  EXPECT_TRUE(StaysFalse([&] { return !TopLevelWindowsOf(app.Pid(), true).empty(); }, 1s)) << "a window showed";

  Process second = Process::Start(app.File(kMainExe), L"", dir.Path());
  auto box = WaitForMessageBox(second.Id());
  ASSERT_TRUE(box) << "no refusal message";
  EXPECT_EQ(box->title, L"Quorvex");
  EXPECT_EQ(box->text, L"Cannot run another instance of\r\nQuorvex from same directory!\r\nCreate a new directory, copy\r\n"
                       L"Quorvex exe file to new directory,\r\nand launch from there.");
  EXPECT_EQ(box->icon, BoxIcon::Information) << ToString(box->icon);
  EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
  ASSERT_TRUE(box->Press(L"OK"));
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");

  // A copy in another directory runs beside it.
  TempDir otherDir;
  QuorvexApp other(otherDir.Path());
  other.Start();
  EXPECT_TRUE(other.WaitUntilRunning());
  EXPECT_TRUE(NoMessageBoxFor(other.Pid(), 500ms));
  EXPECT_TRUE(other.Exit());
  // Killed, it leaves its flag behind, but that does not block the next start.
  app.Proc().Kill();
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
  StartAndWait();
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 500ms));
}

TEST_F(Startup, AGuardObjectThatCannotBeOpenedRefusesTheStartAndLeavesTheFilesAsTheyAre) {
  // Another program's event under the directory's name: the program cannot tell whether a copy runs.
  const std::wstring name = qvx::InstanceObjectName(qvx::NormalisedDirectory(dir.Path()));
  const qvx::ScopedHandle squatter(CreateEventW(nullptr, TRUE, FALSE, name.c_str()));
  ASSERT_TRUE(squatter && GetLastError() != ERROR_ALREADY_EXISTS) << "the test cannot hold the name";
  const std::string settings = "QVX2\r\nIE\r\nEXAMPLE\r\nhttp://x/\r\n\r\n", hotkeys = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", settings) && app.Write(L"hotkeysetup.txt", hotkeys) &&
              app.Write(L"QuorvexStatus.txt", "0\r\n"));
  ASSERT_TRUE(app.Start().Started());
  auto box = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(box) << "the start was not refused";
  EXPECT_EQ(box->text, L"Cannot run another instance of\r\nQuorvex from same directory!\r\nCreate a new directory, copy\r\n"
                       L"Quorvex exe file to new directory,\r\nand launch from there.");
  ASSERT_TRUE(box->Press(L"OK"));
  EXPECT_TRUE(app.Proc().WaitForExit());
  EXPECT_EQ(FindTopLevel(app.Pid(), kMainWindowClass), nullptr);
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), settings);
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), hotkeys);
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
}

TEST_F(Startup, EveryOrderlyEndClearsTheFlag) {
  const std::pair<const char*, std::function<void(HWND)>> ends[] = {
      {"Exit in the tray menu", [](HWND main) { PostMessageW(main, WM_COMMAND, IDM_TRAY_EXIT, 0); }},
      {"Windows ending the session",
       [](HWND main) {
         DWORD_PTR mayEnd = 0;
         EXPECT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &mayEnd));
         EXPECT_EQ(mayEnd, TRUE);
         PostMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
       }},
      {"a close from outside, as the task manager does", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
  };
  for (const auto& [how, end] : ends) {
    SCOPED_TRACE(how);
    StartAndWait();  // which also shows that the previous end did not block the next start
    end(app.MainWindow());
    EXPECT_TRUE(app.Proc().WaitForExit());
    EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
  }
}

TEST_F(Startup, AtTheRootOfADriveExistingShortOrOddFilesAreLeftAsTheyAre) {
  ScratchDrive drive;
  ASSERT_TRUE(drive.Ok()) << "the test bed did not map Q:";
  const std::string threeLines = "QVX99\r\nsite title\r\nsite\r\n", oddHotkeys = "x\r\n300\r\n1.0\r\n";
  ASSERT_TRUE(WriteFileBytes(drive.File(L"QuorvexSettings.txt"), threeLines));
  ASSERT_TRUE(WriteFileBytes(drive.File(L"hotkeysetup.txt"), oddHotkeys));
  QuorvexApp atRoot(drive.Root());
  atRoot.Start();
  ASSERT_TRUE(atRoot.WaitUntilRunning());
  EXPECT_TRUE(NoMessageBoxFor(atRoot.Pid(), 500ms));
  EXPECT_TRUE(atRoot.Exit());
  EXPECT_TRUE(FileHolds(drive.File(L"QuorvexSettings.txt"), threeLines));
  EXPECT_TRUE(FileHolds(drive.File(L"hotkeysetup.txt"), oddHotkeys));
  EXPECT_TRUE(FileHolds(drive.File(L"QuorvexStatus.txt"), "0\r\n"));
}
