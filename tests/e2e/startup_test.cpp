// Start-up, the per-directory guard, the About window and the ways the program ends.
#include <gtest/gtest.h>

#include <functional>

#include "driver/quorvex_app.h"
#include "form1_ids.h"

using namespace e2e;

namespace {
const std::string kDefaultSettings = "QVX1\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/\r\n\r\n";
const std::string kDefaultHotkeys = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
const std::wstring kRefusal =
    L"Cannot run another instance of\r\nQuorvex from same directory!\r\nCreate a new directory, copy\r\n"
    L"Quorvex exe file to new directory,\r\nand launch from there.";

class Startup : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};

  void SetUp() override {
    // No information form in the way: the browser option it reports is off.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse");
  }

  void StartAndWait() {
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning()) << "the program did not finish its start-up";
  }
};
} // namespace

TEST_F(Startup, FirstStartWritesTheThreeFilesAndShowsNoWindow) {
  StartAndWait();
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), kDefaultHotkeys);
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), kDefaultSettings);
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
  EXPECT_TRUE(StaysFalse([&] { return !TopLevelWindowsOf(app.Pid(), true).empty(); }, 1s))
      << "a window of the program became visible";
  EXPECT_TRUE(app.Proc().IsRunning());
}

TEST_F(Startup, SecondStartFromTheSameDirectoryIsRefusedWhileTheFirstRuns) {
  StartAndWait();
  Process second = Process::Start(app.File(kMainExe), L"", app.Dir());
  auto box = WaitForMessageBox(second.Id());
  ASSERT_TRUE(box) << "no refusal message";
  EXPECT_EQ(box->title, L"Quorvex");
  EXPECT_EQ(box->text, kRefusal);
  EXPECT_EQ(box->icon, BoxIcon::Information) << ToString(box->icon);
  EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
  ASSERT_TRUE(box->Press(L"OK"));
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_EQ(FindTopLevel(second.Id(), kMainWindowClass), nullptr);
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
  EXPECT_TRUE(app.Proc().IsRunning());
}

TEST_F(Startup, CopiesInTwoDirectoriesRunSideBySide) {
  StartAndWait();
  TempDir otherDir;
  QuorvexApp other(otherDir.Path());
  other.Start();
  EXPECT_TRUE(other.WaitUntilRunning());
  EXPECT_TRUE(NoMessageBoxFor(other.Pid(), 500ms));
  EXPECT_TRUE(app.Proc().IsRunning());
  EXPECT_TRUE(other.Exit());
  EXPECT_TRUE(app.Exit());
}

TEST_F(Startup, AKilledCopyLeavesItsFlagButDoesNotBlockTheNextStart) {
  StartAndWait();
  app.Proc().Kill();
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
  StartAndWait();
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 500ms));
}

TEST_F(Startup, UnusualStatusFlagsDoNotRefuse) {
  for (const std::string flag : {"1 \r\n", " 1\r\n", "0\r\n1\r\n", ""}) {
    ASSERT_TRUE(app.Write(L"QuorvexStatus.txt", flag));
    StartAndWait();
    EXPECT_TRUE(app.Exit()) << "flag " << flag;
  }
}

TEST_F(Startup, EveryOrderlyEndClearsTheFlag) {
  struct Case {
    const char* how;
    std::function<void(HWND)> end;
  } cases[] = {
      {"Exit in the tray menu", [](HWND main) { PostMessageW(main, WM_COMMAND, IDM_mnuExit, 0); }},
      {"Windows ending the session",
       [](HWND main) {
         DWORD_PTR mayEnd = 0;
         EXPECT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &mayEnd));
         EXPECT_EQ(mayEnd, TRUE);
         PostMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
       }},
      {"a close from outside, as the task manager does", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    StartAndWait();  // which also shows that the previous end did not block the next start
    c.end(app.MainWindow());
    EXPECT_TRUE(app.Proc().WaitForExit());
    EXPECT_EQ(app.Proc().ExitCode(), 0u);
    EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
    EXPECT_TRUE(TopLevelWindowsOf(app.Pid(), false).empty());
  }
}

TEST_F(Startup, AboutWindowShowsVersionAndSettingsAndItsCloseBoxHidesIt) {
  StartAndWait();
  app.Command(IDM_mnuAbout);
  HWND about = WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true);
  ASSERT_NE(about, nullptr) << "the About window was not shown";
  EXPECT_EQ(TextOf(ChildById(about, IDC_Label1)), L"Quorvex v1.1.4");
  EXPECT_EQ(TextOf(ChildById(about, IDC_Command4)), L"Settings");
  EXPECT_NE(SendMessageW(ChildById(about, IDC_Picture1), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  Screenshot(ScreenshotPath(L"about.png"), about);

  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(about); })) << "the close box did not hide the window";
  EXPECT_TRUE(StaysFalse([&] { return !app.Proc().IsRunning(); }, 500ms)) << "the close box ended the program";
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");
}

TEST_F(Startup, ExistingShortOrOddFilesAreLeftAsTheyAre) {
  const std::string threeLines = "QVX99\r\nsite title\r\nsite\r\n";
  const std::string oddHotkeys = "x\r\n300\r\n1.0\r\n";
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", threeLines));
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", oddHotkeys));
  StartAndWait();
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), threeLines);
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), oddHotkeys);
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 500ms));
  EXPECT_TRUE(app.Exit());
}

TEST_F(Startup, AProgramAtTheRootOfADriveUsesNoDoubledSeparator) {
  ScratchDrive drive;
  ASSERT_TRUE(drive.Ok()) << "the test bed did not map Q:";
  QuorvexApp atRoot(drive.Root());
  atRoot.Start();
  ASSERT_TRUE(atRoot.WaitUntilRunning());
  EXPECT_TRUE(FileHolds(drive.File(L"QuorvexSettings.txt"), kDefaultSettings));
  EXPECT_TRUE(FileHolds(drive.File(L"hotkeysetup.txt"), kDefaultHotkeys));
  EXPECT_TRUE(atRoot.Exit());
  EXPECT_TRUE(FileHolds(drive.File(L"QuorvexStatus.txt"), "0\r\n"));
}
