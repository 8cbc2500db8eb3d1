// The multi-instance creator driven as a user drives it, from Q:\Site on the test bed's scratch drive.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/scoped_win32.h"
#include "common/shell_folders_win32.h"
#include "creator_window_ids.h"
#include "driver/driver.h"
#include "driver/shell_link.h"

using namespace e2e;

namespace {
using Names = std::set<std::wstring>;
const std::wstring kMaster = L"Q:\\Site";
const wchar_t kQuestion[] = L"You have more than one Quorvex EXE file version in the\r\nmaster directory. It is "
  L"recommended that all Quorvex EXE\r\nversions be deleted except the most recent one.\r\nDo this automatically now?";

std::wstring Instance(int digit) { return kMaster + static_cast<wchar_t>(L'0' + digit); }
std::wstring In(const std::wstring& dir, const std::wstring& name) { return dir + L"\\" + name; }

std::vector<std::wstring> ReportOf(HWND list) {
  std::vector<std::wstring> lines(static_cast<size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
  wchar_t line[300];  // the longest line here has 30 characters
  for (WPARAM i = 0; i < lines.size(); ++i) lines[i].assign(line, SendMessageW(list, LB_GETTEXT, i, LPARAM(line)));
  return lines;
}

Names NamesIn(const std::wstring& dir) {
  Names names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) names.insert(entry.path().filename());
  return names;
}

// A file the test holds open; by default others may read and write it, not delete it.
qvx::ScopedFile Hold(const std::wstring& path, DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE) {
  qvx::ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(file) << "the test cannot hold " << std::string(path.begin(), path.end());
  return file;
}

void MakeInstance(int digit, const std::string& program = "version 113") {
  ASSERT_TRUE(CreateDirectoryW(Instance(digit).c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"Quorv113.exe"), program));
  ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"QuorvexSettings.txt"), "an instance's own file"));
}

// The creator copied into Q:\Site, driven as a user drives it.
class Creator : public ::testing::Test {
 protected:
  ScratchDrive drive;
  Process creator;
  HWND window = nullptr;

  void SetUp() override {
    ASSERT_TRUE(drive.Ok()) << "the test bed maps no scratch drive Q:";
    ASSERT_TRUE(CreateDirectoryW(kMaster.c_str(), nullptr));
    CopyInto(BinFile(L"QVXMulti.exe"), kMaster);
  }
  void Start(const std::wstring& dir) { creator = Process::Start(In(kMaster, L"QVXMulti.exe"), L"", dir); }
  bool Open() {
    Start(kMaster);
    return (window = WaitForTopLevel(creator.Id(), QVX_CREATOR_WINDOW_CLASS, L"Quorvex Multi-Instance Creator", true));
  }
  void Click(int id) { PostMessageW(ChildById(window, id), BM_CLICK, 0, 0); }
  // Checks the next message box and presses a button (Wine gives a box without an icon an empty icon control).
  void Answer(const std::wstring& title, const std::wstring& text, BoxIcon icon, const std::wstring& press) {
    const auto box = WaitForMessageBox(creator.Id());
    ASSERT_TRUE(box) << "no message box saying " << std::string(text.begin(), text.end());
    EXPECT_EQ(box->title + L"|" + box->text, title + L"|" + text);
    EXPECT_EQ(box->buttons, (press == L"OK" ? std::vector{press} : std::vector<std::wstring>{L"Yes", L"No"}));
    EXPECT_TRUE(box->icon == icon || (icon == BoxIcon::None && box->icon == BoxIcon::Unknown)) << ToString(box->icon);
    EXPECT_TRUE(box->Press(press));
  }
  void ExpectReport(const std::vector<std::wstring>& expected) {
    WaitFor([&] { return ReportOf(ChildById(window, IDC_REPORT)) == expected; });
    EXPECT_EQ(ReportOf(ChildById(window, IDC_REPORT)), expected);
  }
  void WriteMaster(std::initializer_list<std::pair<const wchar_t*, const char*>> programs) {
    for (auto [name, bytes] : programs) ASSERT_TRUE(WriteFileBytes(In(kMaster, name), bytes));
  }
};
} // namespace

TEST_F(Creator, ASecondCreatorAndAStartFromAnInstanceDirectoryAreRefused) {
  ASSERT_TRUE(Open()) << "the creator window did not appear";
  Click(IDC_UPDATE_ALL);
  ExpectReport({L"No multiple instances to update"});
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }));
  Process first = std::move(creator);
  Start(kMaster);
  Answer(L"Quorvex", L"You already have Quorvex\r\nMulti-Instance Creator running.", BoxIcon::Information, L"OK");
  EXPECT_TRUE(creator.WaitForExit());
  EXPECT_TRUE(!IsIconic(window) && GetForegroundWindow() == window) << "the first creator's window is not in front";
  ASSERT_NO_FATAL_FAILURE(MakeInstance(1));
  Start(Instance(1));
  Answer(L"Quorvex", L"Quorvex Multi-Instance Creator must be run\r\nfrom the Quorvex Master (Installation) Directory",
         BoxIcon::Information, L"OK");
  EXPECT_TRUE(creator.WaitForExit());
}

TEST_F(Creator, WithoutAMasterProgramNothingChangesNoBoxNestsAndCancelEnds) {
  ASSERT_NO_FATAL_FAILURE(MakeInstance(1));
  ASSERT_TRUE(Open()) << "the creator window did not appear";
  Click(IDC_UPDATE_ALL);
  Answer(L"Quorvex", L"Cannot find Quorvex exe file.\r\nIt needs to be in the current directory\r\nso that it may be "
         L"copied for\r\ncreation of your new instances.", BoxIcon::Exclamation, L"OK");
  Click(IDC_CREATE);
  ASSERT_TRUE(WaitForMessageBox(creator.Id()));
  EXPECT_TRUE(SendMessageTimeoutW(window, WM_COMMAND, IDC_CREATE, 0, SMTO_NORMAL, 3000, nullptr)) << "a nested box";
  SendMessageTimeoutW(window, WM_COMMAND, IDCANCEL, 0, SMTO_NORMAL, 3000, nullptr);
  EXPECT_TRUE(creator.WaitForExit()) << "alive, showing " << TopLevelWindowsOf(creator.Id(), true).size() << " windows";
  EXPECT_EQ(NamesIn(Instance(1)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt"}));
}

TEST_F(Creator, CreatingFillsTheGapsMakesAShortcutEachAndStopsAtTheSixthInstance) {
  ASSERT_NO_FATAL_FAILURE(WriteMaster({{L"Quorv9.exe", "9"}, {L"Quorv10.exe", "10"}, {L"Quorv114.exe", "version 114"}}));
  ASSERT_TRUE(CreateDirectoryW(In(kMaster, L"Quorv500.exe").c_str(), nullptr));  // a folder is no program
  ASSERT_NO_FATAL_FAILURE(MakeInstance(1));
  ASSERT_NO_FATAL_FAILURE(MakeInstance(3));
  ASSERT_TRUE(Open());
  for (int code : {SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEDOWN})  // 1 up to 5
    SendMessageW(window, WM_VSCROLL, code, LPARAM(ChildById(window, IDC_INSTANCE_COUNT_SCROLL)));
  EXPECT_EQ(TextOf(ChildById(window, IDC_INSTANCE_COUNT)), L"4");
  Click(IDC_CREATE);
  Answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, L"No");
  Answer(L"QVXMulti", L"You already have 6 Quorvex instances!", BoxIcon::None, L"OK");
  ExpectReport({L"Created: Q:\\Site2", L"Created: Q:\\Site4", L"Created: Q:\\Site5"});
  const std::wstring group = qvx::KnownFolderPath(FOLDERID_Programs) + L"\\Quorvex";
  for (int digit : {2, 4, 5}) {
    EXPECT_EQ(NamesIn(Instance(digit)), Names{L"Quorv114.exe"});
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv114.exe"), "version 114"));
    EXPECT_EQ(LinkTarget(In(group, Instance(digit).substr(3) + L".lnk")), In(Instance(digit), L"Quorv114.exe"));
  }
  EXPECT_EQ(NamesIn(kMaster), (Names{L"QVXMulti.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv9.exe", L"Quorv500.exe"}));
}

TEST_F(Creator, YesDeletesTheOlderVersionsItCanAndAProgramThatCannotBeCopiedLeavesNoInstance) {
  ASSERT_NO_FATAL_FAILURE(WriteMaster({{L"Quorv9.exe", "9"}, {L"Quorv10.exe", "10"}, {L"Quorv114.exe", "version 114"}}));
  ASSERT_TRUE(Open());
  {
    const auto held = Hold(In(kMaster, L"Quorv10.exe")), locked = Hold(In(kMaster, L"Quorv114.exe"), 0);
    Click(IDC_CREATE);
    Answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, L"Yes");
    Answer(L"Quorvex", L"Could not Delete.\r\nFile(s) in use.\r\nPlease close first.", BoxIcon::Critical, L"OK");
    ExpectReport({L"Not created: Q:\\Site1"});
  }
  EXPECT_EQ(GetFileAttributesW(Instance(1).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(NamesIn(kMaster), (Names{L"QVXMulti.exe", L"Quorv10.exe", L"Quorv114.exe"}));
}

TEST_F(Creator, UpdatingAsksUntilTheOlderVersionIsGoneAndKeepsARunningOrHeldProgram) {
  ASSERT_NO_FATAL_FAILURE(WriteMaster({{L"Quorv10.exe", "10"}, {L"Quorv114.exe", "version 114"}}));
  ASSERT_NO_FATAL_FAILURE(MakeInstance(1));
  ASSERT_NO_FATAL_FAILURE(MakeInstance(3, *ReadFileBytes(BinFile(L"fake_browser.exe"))));  // a program that runs
  ASSERT_NO_FATAL_FAILURE(MakeInstance(6));
  ASSERT_TRUE(CreateDirectoryW(Instance(2).c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(In(Instance(2), L"Quorv114.exe"), "version 114"));
  for (int digit : {1, 2}) ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"QuorvOld.exe"), "an older program"));
  Process running = Process::Start(In(Instance(3), L"Quorv113.exe"), L"--title Running", Instance(3));
  ASSERT_NE(WaitForTopLevel(running.Id(), L"IEFrame"), nullptr) << "instance 3's program did not start";
  ASSERT_TRUE(Open());
  {
    const auto held = Hold(In(Instance(2), L"QuorvOld.exe"));
    Click(IDC_UPDATE_ALL);
    for (const wchar_t* press : {L"No", L"Yes"}) Answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, press);
    ExpectReport({L"Updated: Q:\\Site1", L"File in use: Q:\\Site2", L"File in use: Q:\\Site3", L"Updated: Q:\\Site6"});
  }
  EXPECT_EQ(NamesIn(kMaster), (Names{L"QVXMulti.exe", L"Quorv114.exe"}));
  EXPECT_EQ(NamesIn(Instance(1)), (Names{L"Quorv114.exe", L"QuorvexSettings.txt"}));
  EXPECT_TRUE(FileHolds(In(Instance(1), L"Quorv114.exe"), "version 114"));
  EXPECT_EQ(NamesIn(Instance(2)), (Names{L"Quorv114.exe", L"QuorvOld.exe"}));
  EXPECT_EQ(NamesIn(Instance(3)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt"}));
}

TEST_F(Creator, AMasterProgramThatCannotBeReadIsReportedAndChangesNoInstance) {
  ASSERT_NO_FATAL_FAILURE(WriteMaster({{L"Quorv114.exe", "version 114"}}));
  ASSERT_NO_FATAL_FAILURE(MakeInstance(1));
  ASSERT_NO_FATAL_FAILURE(MakeInstance(2));
  ASSERT_TRUE(Open());
  const auto locked = Hold(In(kMaster, L"Quorv114.exe"), 0);
  Click(IDC_UPDATE_ALL);
  ExpectReport({L"Not updated: Q:\\Site1", L"Not updated: Q:\\Site2"});
  EXPECT_EQ(NamesIn(Instance(1)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt"}));
  EXPECT_TRUE(FileHolds(In(Instance(2), L"Quorv113.exe"), "version 113"));
}
