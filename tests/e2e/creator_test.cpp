// The multi-instance creator: where it agrees to run, creating numbered instances with their
// Start-menu shortcuts, the older-version question, and updating the instances.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>

#include "common/fs_win32.h"
#include "common/shell_folders_win32.h"
#include "creator_form1_ids.h"
#include "driver/driver.h"
#include "driver/shell_link.h"

using namespace e2e;

namespace {
constexpr wchar_t kCreatorExe[] = L"QVXMulti.exe";
constexpr wchar_t kCaption[] = L"Quorvex Multi-Instance Creator";
const std::wstring kRunFromMaster =
    L"Quorvex Multi-Instance Creator must be run\r\nfrom the Quorvex Master (Installation) Directory";
const std::wstring kAlreadyRunning = L"You already have Quorvex\r\nMulti-Instance Creator running.";
const std::wstring kDeleteQuestion =
    L"You have more than one Quorvex EXE file version in the\r\nmaster directory. It is recommended that all Quorvex "
    L"EXE\r\nversions be deleted except the most recent one.\r\nDo this automatically now?";
const std::wstring kCouldNotDelete = L"Could not Delete.\r\nFile(s) in use.\r\nPlease close first.";
const std::wstring kCannotFind =
    L"Cannot find Quorvex exe file.\r\nIt needs to be in the current directory\r\nso that it may be copied for\r\n"
    L"creation of your new instances.";
const std::string kSettings = "QVX3\r\nSITE TITLE\r\nSITE\r\nhttps://site.example/\r\nMy Site\r\n";
const std::string kHotkeys = "6\r\n84\r\n1\r\n3\r\n65\r\n1\r\n";

using Names = std::set<std::wstring>;

Names NamesIn(const std::wstring& dir) {
  Names names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.insert(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

// Wine keeps the icon control of a message box without an icon, empty: what tells "no icon" is
// that no icon control holds an icon.
bool ShowsAnIcon(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == L"Static" && (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c) &&
        SendMessageW(c, STM_GETICON, 0, 0) != 0) {
      return true;
    }
  }
  return false;
}

// A master directory Q:\Apps\Site holding the creator, on the test bed's scratch drive, so
// that report lines and shortcut targets read as a user would see them.
class Creator : public ::testing::Test {
 protected:
  ScratchDrive drive;
  std::wstring master = L"Q:\\Apps\\Site";
  std::wstring group = qvx::KnownFolderPath(FOLDERID_Programs) + L"\\Quorvex";
  std::string masterExeBytes;
  Process creator;
  HWND form = nullptr;

  void SetUp() override {
    ASSERT_TRUE(drive.Ok()) << "the test bed maps no scratch drive Q:";
    CreateDirectoryW(L"Q:\\Apps", nullptr);
    ASSERT_TRUE(CreateDirectoryW(master.c_str(), nullptr));
    CopyInto(BinFile(kCreatorExe), master);
    const auto bytes = ReadFileBytes(BinFile(L"Quorv114.exe"));
    ASSERT_TRUE(bytes);
    masterExeBytes = *bytes;
    RemoveShortcuts();
  }

  void TearDown() override {
    creator.Kill();
    RemoveShortcuts();
  }

  void RemoveShortcuts() {
    for (const auto& name : NamesIn(group)) {
      if (name.rfind(L"Site", 0) == 0) DeleteFileW((group + L"\\" + name).c_str());
    }
  }

  std::wstring Instance(int digit) const { return master + std::to_wstring(digit); }
  std::wstring In(const std::wstring& dir, const std::wstring& name) const { return dir + L"\\" + name; }

  void PutMasterExe(const std::wstring& name = L"Quorv114.exe") {
    ASSERT_TRUE(WriteFileBytes(In(master, name), masterExeBytes));
  }

  // An instance directory holding an older program and its settings files.
  void MakeInstance(int digit, const std::string& programBytes = "old version 113") {
    ASSERT_TRUE(CreateDirectoryW(Instance(digit).c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"Quorv113.exe"), programBytes));
    ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"QuorvexSettings.txt"), kSettings));
    ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"hotkeysetup.txt"), kHotkeys));
  }

  void ExpectSettingsUntouched(int digit) {
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"QuorvexSettings.txt"), kSettings)) << "instance " << digit;
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"hotkeysetup.txt"), kHotkeys)) << "instance " << digit;
  }

  void StartCreator(const std::wstring& currentDir) {
    creator = Process::Start(In(master, kCreatorExe), L"", currentDir);
    ASSERT_TRUE(creator.Started());
  }

  void OpenCreator() {
    StartCreator(master);
    form = WaitForTopLevel(creator.Id(), QVX_CREATOR_FORM1_CLASS, kCaption, true);
    ASSERT_NE(form, nullptr) << "the creator window did not appear";
  }

  void SetCount(const std::wstring& text) {
    SendMessageW(ChildById(form, IDC_Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // A click whose action stops at a message box: posted, so that the box can be answered.
  void Click(int id) { PostMessageW(ChildById(form, id), BM_CLICK, 0, 0); }
  // A click whose action runs to its end without a message box: returns when it is done.
  void ClickAndWait(int id) {
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(ChildById(form, id), BM_CLICK, 0, 0, SMTO_NORMAL, 20000, &result))
        << "the action did not finish (a message box?)";
  }

  std::vector<std::wstring> Report() const {
    std::vector<std::wstring> lines;
    HWND list = ChildById(form, IDC_List1);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring line(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      line.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
      lines.push_back(line);
    }
    return lines;
  }

  // Waits for the report to read as expected, then checks that it stays so with no message.
  void ExpectReport(const std::vector<std::wstring>& expected) {
    WaitFor([&] { return Report() == expected; });
    EXPECT_EQ(Report(), expected);
    EXPECT_TRUE(NoMessageBoxFor(creator.Id(), 300ms));
  }

  MessageBoxSeen ExpectBox(const std::wstring& title, const std::wstring& text, BoxIcon icon,
                           const std::vector<std::wstring>& buttons) {
    auto box = WaitForMessageBox(creator.Id());
    EXPECT_TRUE(box) << "no message box";
    if (!box) return MessageBoxSeen{};
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    if (icon == BoxIcon::None) {
      EXPECT_FALSE(ShowsAnIcon(box->window));
    } else {
      EXPECT_TRUE(ShowsAnIcon(box->window));
      EXPECT_EQ(box->icon, icon) << ToString(box->icon);
    }
    EXPECT_EQ(box->buttons, buttons);
    return *box;
  }

  void ExpectCreated(int digit) {
    EXPECT_EQ(NamesIn(Instance(digit)), Names{L"Quorv114.exe"}) << "instance " << digit;
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv114.exe"), masterExeBytes)) << "instance " << digit;
    const std::wstring link = In(group, L"Site" + std::to_wstring(digit) + L".lnk");
    EXPECT_EQ(LinkTarget(link), In(Instance(digit), L"Quorv114.exe")) << link;
  }
};
} // namespace

TEST_F(Creator, RefusedFromAnInstanceDirectoryAndASecondCreatorBringsTheFirstToTheFront) {
  ASSERT_TRUE(CreateDirectoryW(Instance(1).c_str(), nullptr));
  StartCreator(Instance(1));
  ExpectBox(L"Quorvex", kRunFromMaster, BoxIcon::Information, {L"OK"}).Press(L"OK");
  EXPECT_TRUE(creator.WaitForExit());
  EXPECT_EQ(FindTopLevel(creator.Id(), QVX_CREATOR_FORM1_CLASS), nullptr);

  // A master directory whose own name ends in a digit beside one without it is refused as well.
  const std::wstring build2 = L"Q:\\Tools\\Build2";
  CreateDirectoryW(L"Q:\\Tools", nullptr);
  ASSERT_TRUE(CreateDirectoryW(L"Q:\\Tools\\Build", nullptr));
  ASSERT_TRUE(CreateDirectoryW(build2.c_str(), nullptr));
  CopyInto(BinFile(kCreatorExe), build2);
  creator = Process::Start(In(build2, kCreatorExe), L"", build2);
  ExpectBox(L"Quorvex", kRunFromMaster, BoxIcon::Information, {L"OK"}).Press(L"OK");
  EXPECT_TRUE(creator.WaitForExit());

  OpenCreator();
  ShowWindow(form, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(form) != FALSE; }));
  Process first = std::move(creator);
  StartCreator(master);
  ExpectBox(L"Quorvex", kAlreadyRunning, BoxIcon::Information, {L"OK"}).Press(L"OK");
  EXPECT_TRUE(creator.WaitForExit());
  EXPECT_EQ(FindTopLevel(creator.Id(), QVX_CREATOR_FORM1_CLASS), nullptr);
  EXPECT_TRUE(first.IsRunning());
  EXPECT_FALSE(IsIconic(form)) << "the first creator's window was not restored";
  EXPECT_EQ(GetForegroundWindow(), form);
}

TEST_F(Creator, CreatesTheLowestFreeDigitsWithTheirShortcuts) {
  PutMasterExe();
  MakeInstance(1);
  MakeInstance(3);
  CreateDirectoryW(group.c_str(), nullptr);
  ASSERT_TRUE(WriteFileBytes(In(group, L"Other.lnk"), "someone else's"));
  OpenCreator();
  SetCount(L"3");
  ClickAndWait(IDC_Command1);
  ExpectReport({L"Created: Q:\\Apps\\Site2", L"Created: Q:\\Apps\\Site4", L"Created: Q:\\Apps\\Site5"});
  for (int digit : {2, 4, 5}) ExpectCreated(digit);
  for (int digit : {1, 3}) {
    EXPECT_EQ(NamesIn(Instance(digit)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt", L"hotkeysetup.txt"}));
    ExpectSettingsUntouched(digit);
  }
  EXPECT_TRUE(FileHolds(In(group, L"Other.lnk"), "someone else's"));
  EXPECT_EQ(NamesIn(master), (Names{L"QVXMulti.exe", L"Quorv114.exe"}));
  Screenshot(ScreenshotPath(L"creator.png"), form);
}

TEST_F(Creator, UpdateWithNoInstancesThenTheScrollBarAndTheSixInstanceStop) {
  PutMasterExe();
  OpenCreator();
  ClickAndWait(IDC_Command2);
  ExpectReport({L"No multiple instances to update"});

  for (int digit = 1; digit <= 4; ++digit) MakeInstance(digit);
  // The number box holds 1 to 5; its up arrow raises the number.
  HWND scroll = ChildById(form, IDC_VScroll1);
  SendMessageW(form, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(scroll));
  EXPECT_EQ(TextOf(ChildById(form, IDC_Text1)), L"1");
  for (int i = 0; i < 5; ++i) SendMessageW(form, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(scroll));
  EXPECT_EQ(TextOf(ChildById(form, IDC_Text1)), L"5");
  Click(IDC_Command1);
  ExpectBox(L"QVXMulti", L"You already have 6 Quorvex instances!", BoxIcon::None, {L"OK"}).Press(L"OK");
  ExpectReport({L"Created: Q:\\Apps\\Site5"});
  ExpectCreated(5);
  EXPECT_FALSE(qvx::bDirExists(Instance(6)));
}

TEST_F(Creator, OlderVersionsInTheMasterAreDeletedOnlyWhenTheUserAgrees) {
  ASSERT_TRUE(WriteFileBytes(In(master, L"Quorv9.exe"), "version 9"));
  ASSERT_TRUE(WriteFileBytes(In(master, L"Quorv10.exe"), "version 10"));
  PutMasterExe(L"Quorv114.exe");
  ASSERT_TRUE(WriteFileBytes(In(master, L"Quorv1000.exe"), "not a version"));
  ASSERT_TRUE(CreateDirectoryW(In(master, L"Quorv500.exe").c_str(), nullptr));
  OpenCreator();

  Click(IDC_Command1);
  ExpectBox(L"Quorvex", kDeleteQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}).Press(L"No");
  ExpectReport({L"Created: Q:\\Apps\\Site1"});
  ExpectCreated(1);
  const Names all{L"QVXMulti.exe", L"Quorv9.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv1000.exe", L"Quorv500.exe"};
  EXPECT_EQ(NamesIn(master), all);

  // Asked again; Yes deletes every older version it can, and says so for one in use.
  HANDLE held = CreateFileW(In(master, L"Quorv10.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Click(IDC_Command1);
  ExpectBox(L"Quorvex", kDeleteQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}).Press(L"Yes");
  ExpectBox(L"Quorvex", kCouldNotDelete, BoxIcon::Critical, {L"OK"}).Press(L"OK");
  ExpectReport({L"Created: Q:\\Apps\\Site2"});
  CloseHandle(held);
  ExpectCreated(2);
  EXPECT_EQ(NamesIn(master), (Names{L"QVXMulti.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv1000.exe", L"Quorv500.exe"}));
}

TEST_F(Creator, WithoutAMasterExecutableNothingIsCreatedOrUpdated) {
  ASSERT_TRUE(WriteFileBytes(In(master, L"Quorv0.exe"), "not a version"));
  MakeInstance(1);
  MakeInstance(2);
  OpenCreator();
  for (int action : {IDC_Command1, IDC_Command2}) {
    Click(action);
    ExpectBox(L"Quorvex", kCannotFind, BoxIcon::Exclamation, {L"OK"}).Press(L"OK");
    ExpectReport({});
  }
  EXPECT_FALSE(qvx::bDirExists(Instance(3)));
  for (int digit : {1, 2}) {
    EXPECT_EQ(NamesIn(Instance(digit)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt", L"hotkeysetup.txt"}));
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv113.exe"), "old version 113"));
  }
}

TEST_F(Creator, UpdateAsksAboutOlderMasterVersionsAndLeavesARunningInstanceAsItWas) {
  ASSERT_TRUE(WriteFileBytes(In(master, L"Quorv113.exe"), "version 113"));
  PutMasterExe();
  MakeInstance(1);
  ASSERT_TRUE(WriteFileBytes(In(Instance(1), L"QuorvOld.exe"), "another old program"));
  MakeInstance(3, masterExeBytes);  // a real program, started below
  MakeInstance(6);
  Process running = Process::Start(In(Instance(3), L"Quorv113.exe"), L"", Instance(3));
  // Its start-up over, so that it writes none of its files while the update looks at them.
  ASSERT_TRUE(WaitFor([&] {
    HWND main = FindTopLevel(running.Id(), kMainWindowClass);
    return main && GetPropW(main, L"QuorvexInTray");
  })) << "instance 3 did not start";
  const auto instance3Before = NamesIn(Instance(3));

  OpenCreator();
  // The question comes before each instance until the older versions are gone.
  Click(IDC_Command2);
  ExpectBox(L"Quorvex", kDeleteQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}).Press(L"No");
  ExpectBox(L"Quorvex", kDeleteQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}).Press(L"Yes");
  ExpectReport({L"Updated: Q:\\Apps\\Site1", L"File in use: Q:\\Apps\\Site3", L"Updated: Q:\\Apps\\Site6"});
  EXPECT_EQ(NamesIn(master), (Names{L"QVXMulti.exe", L"Quorv114.exe"}));
  for (int digit : {1, 6}) {
    EXPECT_EQ(NamesIn(Instance(digit)), (Names{L"Quorv114.exe", L"QuorvexSettings.txt", L"hotkeysetup.txt"}));
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv114.exe"), masterExeBytes));
    ExpectSettingsUntouched(digit);
  }
  EXPECT_EQ(NamesIn(Instance(3)), instance3Before);
  EXPECT_TRUE(FileHolds(In(Instance(3), L"Quorv113.exe"), masterExeBytes));
  EXPECT_TRUE(running.IsRunning());
  running.Kill();
}

TEST_F(Creator, AStepThatFailsIsReportedAndLeavesNothingHalfDone) {
  PutMasterExe();
  MakeInstance(2);
  // A file where instance 1's directory would go: the directory cannot be made.
  ASSERT_TRUE(WriteFileBytes(Instance(1), "in the way"));
  OpenCreator();
  SetCount(L"2");
  ClickAndWait(IDC_Command1);
  ExpectReport({L"Not created: Q:\\Apps\\Site1"});
  EXPECT_TRUE(FileHolds(Instance(1), "in the way"));
  EXPECT_FALSE(qvx::bDirExists(Instance(3))) << "the action went on after a failure";
  DeleteFileW(Instance(1).c_str());

  // The master program cannot be read: no empty instance directory stays, no instance changes.
  HANDLE locked = CreateFileW(In(master, L"Quorv114.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  ClickAndWait(IDC_Command1);
  ExpectReport({L"Not created: Q:\\Apps\\Site1"});
  EXPECT_FALSE(qvx::bDirExists(Instance(1)));
  ClickAndWait(IDC_Command2);
  ExpectReport({L"Not updated: Q:\\Apps\\Site2"});
  CloseHandle(locked);
  EXPECT_EQ(NamesIn(Instance(2)), (Names{L"Quorv113.exe", L"QuorvexSettings.txt", L"hotkeysetup.txt"}));
  EXPECT_TRUE(FileHolds(In(Instance(2), L"Quorv113.exe"), "old version 113"));
}
