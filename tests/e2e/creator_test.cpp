// The multi-instance creator driven as a user drives it, from Q:\Apps\Site on the test bed's scratch drive.
#include <gtest/gtest.h>

#include <shlobj.h>

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
const std::wstring kMaster = L"Q:\\Apps\\Site";
const std::wstring kQuestion =
    L"You have more than one Quorvex EXE file version in the\r\nmaster directory. It is recommended that all Quorvex "
    L"EXE\r\nversions be deleted except the most recent one.\r\nDo this automatically now?";
const Names kOldInstance{L"Quorv113.exe", L"QuorvexSettings.txt"}, kUpdatedInstance{L"Quorv114.exe", L"QuorvexSettings.txt"};

std::wstring Instance(int digit) { return kMaster + static_cast<wchar_t>(L'0' + digit); }
std::wstring In(const std::wstring& dir, const std::wstring& name) { return dir + L"\\" + name; }
bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Names NamesIn(const std::wstring& dir) {
  Names names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) names.insert(entry.path().filename());
  return names;
}

// A file the test holds open; by default others may read and write it, not delete it.
qvx::ScopedFile Hold(const std::wstring& path, DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE) {
  return qvx::ScopedFile(CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr));
}

void MakeInstance(int digit, const std::string& program = "version 113") {
  ASSERT_TRUE(CreateDirectoryW(Instance(digit).c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"Quorv113.exe"), program));
  ASSERT_TRUE(WriteFileBytes(In(Instance(digit), L"QuorvexSettings.txt"), "settings"));
}
} // namespace

TEST(Creator, RefusalsNoNestedMessageBoxesCreatingAndUpdating) {
  ScratchDrive drive;
  ASSERT_TRUE(drive.Ok()) << "the test bed maps no scratch drive Q:";
  CreateDirectoryW(L"Q:\\Apps", nullptr);
  ASSERT_TRUE(CreateDirectoryW(kMaster.c_str(), nullptr));
  CopyInto(BinFile(L"QVXMulti.exe"), kMaster);
  Process creator;
  HWND window = nullptr;
  const auto start = [&](const std::wstring& dir) { creator = Process::Start(In(kMaster, L"QVXMulti.exe"), L"", dir); };
  const auto open = [&] {
    start(kMaster);
    window = WaitForTopLevel(creator.Id(), QVX_CREATOR_WINDOW_CLASS, L"Quorvex Multi-Instance Creator", true);
    return window != nullptr;
  };
  const auto click = [&](int id) { PostMessageW(ChildById(window, id), BM_CLICK, 0, 0); };
  // Checks the next message box and presses a button (Wine gives a box without an icon an empty icon control).
  const auto answer = [&](const std::wstring& title, const std::wstring& text, BoxIcon icon,
                          const std::vector<std::wstring>& buttons, const std::wstring& press) {
    const auto box = WaitForMessageBox(creator.Id());
    ASSERT_TRUE(box) << "no message box saying " << std::string(text.begin(), text.end());
    EXPECT_EQ(box->title + L"|" + box->text, title + L"|" + text);
    EXPECT_EQ(box->buttons, buttons);
    EXPECT_TRUE(box->icon == icon || (icon == BoxIcon::None && box->icon == BoxIcon::Unknown)) << ToString(box->icon);
    EXPECT_TRUE(box->Press(press));
  };
  // Waits for the report list to read as expected; no message box follows.
  const auto expectReport = [&](const std::vector<std::wstring>& expected) {
    const auto report = [list = ChildById(window, IDC_REPORT)] {
      std::vector<std::wstring> lines;
      wchar_t line[300];  // the longest line here has 30 characters
      for (LRESULT i = 0, n = SendMessageW(list, LB_GETCOUNT, 0, 0); i < n; ++i) {
        lines.emplace_back(line, SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line)));
      }
      return lines;
    };
    WaitFor([&] { return report() == expected; });
    EXPECT_EQ(report(), expected);
    EXPECT_TRUE(NoMessageBoxFor(creator.Id(), 300ms));
  };

  ASSERT_TRUE(CreateDirectoryW(Instance(1).c_str(), nullptr));
  start(Instance(1));
  answer(L"Quorvex", L"Quorvex Multi-Instance Creator must be run\r\nfrom the Quorvex Master (Installation) Directory",
         BoxIcon::Information, {L"OK"}, L"OK");
  EXPECT_TRUE(creator.WaitForExit());
  RemoveDirectoryW(Instance(1).c_str());
  ASSERT_TRUE(open()) << "the creator window did not appear";
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }));
  Process running = std::move(creator);
  start(kMaster);
  answer(L"Quorvex", L"You already have Quorvex\r\nMulti-Instance Creator running.", BoxIcon::Information, {L"OK"}, L"OK");
  EXPECT_TRUE(creator.WaitForExit());
  creator = std::move(running);
  EXPECT_FALSE(IsIconic(window)) << "the first creator's window was not restored";
  EXPECT_EQ(GetForegroundWindow(), window);
  click(IDC_UPDATE_ALL);
  expectReport({L"No multiple instances to update"});

  // No program in the master directory: nothing changes. A second "Create" sent while the message says so
  // opens no second box, and a Cancel then ends the creator rather than leave it running with nothing shown.
  MakeInstance(1);
  const std::wstring cannotFind = L"Cannot find Quorvex exe file.\r\nIt needs to be in the current directory\r\n"
                                  L"so that it may be copied for\r\ncreation of your new instances.";
  click(IDC_UPDATE_ALL);
  answer(L"Quorvex", cannotFind, BoxIcon::Exclamation, {L"OK"}, L"OK");
  click(IDC_CREATE);
  const auto first = WaitForMessageBox(creator.Id());
  ASSERT_TRUE(first);
  DWORD_PTR result = 0;
  EXPECT_TRUE(SendMessageTimeoutW(window, WM_COMMAND, IDC_CREATE, 0, SMTO_NORMAL, 3000, &result)) << "a nested box";
  SendMessageTimeoutW(window, WM_COMMAND, IDCANCEL, 0, SMTO_NORMAL, 3000, &result);
  if (!creator.WaitForExit(1s)) {  // OK on the first box, then on a second: what once left the creator hidden
    first->Press(L"OK");
    if (const auto second = WaitForMessageBox(creator.Id(), 2s)) second->Press(L"OK");
  }
  EXPECT_TRUE(creator.WaitForExit()) << "alive, showing " << TopLevelWindowsOf(creator.Id(), true).size() << " windows";
  EXPECT_EQ(NamesIn(Instance(1)), kOldInstance);
  EXPECT_FALSE(Exists(Instance(2)));

  // Creating: versions in numeric order, the question answered No, gaps filled first, one shortcut each.
  for (auto [name, bytes] : {std::pair{L"Quorv9.exe", "9"}, {L"Quorv10.exe", "10"}, {L"Quorv114.exe", "version 114"}}) {
    ASSERT_TRUE(WriteFileBytes(In(kMaster, name), bytes));
  }
  ASSERT_TRUE(CreateDirectoryW(In(kMaster, L"Quorv500.exe").c_str(), nullptr));
  MakeInstance(3, *ReadFileBytes(BinFile(L"fake_browser.exe")));  // a program that runs below
  ASSERT_TRUE(open());
  const auto scroll = [&, bar = ChildById(window, IDC_INSTANCE_COUNT_SCROLL)](int code, int times) {  // up raises it
    while (times--) SendMessageW(window, WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar));
    return TextOf(ChildById(window, IDC_INSTANCE_COUNT));
  };
  EXPECT_EQ(scroll(SB_LINEUP, 6), L"5");
  EXPECT_EQ(scroll(SB_LINEDOWN, 2), L"3");
  click(IDC_CREATE);
  answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}, L"No");
  expectReport({L"Created: Q:\\Apps\\Site2", L"Created: Q:\\Apps\\Site4", L"Created: Q:\\Apps\\Site5"});
  const std::wstring group = qvx::KnownFolderPath(FOLDERID_Programs) + L"\\Quorvex";
  for (int digit : {2, 4, 5}) {
    EXPECT_EQ(NamesIn(Instance(digit)), Names{L"Quorv114.exe"});
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv114.exe"), "version 114"));
    EXPECT_EQ(LinkTarget(In(group, Instance(digit).substr(8) + L".lnk")), In(Instance(digit), L"Quorv114.exe"));
  }
  EXPECT_EQ(NamesIn(kMaster).size(), 5u) << "a master file was deleted after No";

  // Yes deletes the older versions it can and says so for one in use; the sixth instance stops the action.
  RemoveTree(Instance(5));
  {
    const auto held = Hold(In(kMaster, L"Quorv10.exe"));
    ASSERT_TRUE(held);
    click(IDC_CREATE);
    answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}, L"Yes");
    answer(L"Quorvex", L"Could not Delete.\r\nFile(s) in use.\r\nPlease close first.", BoxIcon::Critical, {L"OK"}, L"OK");
    answer(L"QVXMulti", L"You already have 6 Quorvex instances!", BoxIcon::None, {L"OK"}, L"OK");
    expectReport({L"Created: Q:\\Apps\\Site5"});
  }
  EXPECT_EQ(NamesIn(kMaster), (Names{L"QVXMulti.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv500.exe"}));

  // Updating: the question before each instance until the older version is gone. An instance whose program
  // runs, or whose older program the test holds, is reported so and stays as it was.
  ASSERT_TRUE(WriteFileBytes(In(Instance(1), L"QuorvOld.exe"), "another old program"));
  MakeInstance(6);
  ASSERT_TRUE(WriteFileBytes(In(Instance(2), L"QuorvOld.exe"), "held by the test"));
  running = Process::Start(In(Instance(3), L"Quorv113.exe"), L"--title Running", Instance(3));
  ASSERT_NE(WaitForTopLevel(running.Id(), L"IEFrame"), nullptr) << "instance 3's program did not start";
  {
    const auto held = Hold(In(Instance(2), L"QuorvOld.exe"));
    ASSERT_TRUE(held);
    click(IDC_UPDATE_ALL);
    answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}, L"No");
    answer(L"Quorvex", kQuestion, BoxIcon::Exclamation, {L"Yes", L"No"}, L"Yes");
    expectReport({L"Updated: Q:\\Apps\\Site1", L"File in use: Q:\\Apps\\Site2", L"File in use: Q:\\Apps\\Site3",
                  L"Updated: Q:\\Apps\\Site4", L"Updated: Q:\\Apps\\Site5", L"Updated: Q:\\Apps\\Site6"});
  }
  EXPECT_EQ(NamesIn(kMaster), (Names{L"QVXMulti.exe", L"Quorv114.exe", L"Quorv500.exe"}));
  for (int digit : {1, 6}) {
    EXPECT_EQ(NamesIn(Instance(digit)), kUpdatedInstance);
    EXPECT_TRUE(FileHolds(In(Instance(digit), L"Quorv114.exe"), "version 114"));
  }
  EXPECT_EQ(NamesIn(Instance(2)), (Names{L"Quorv114.exe", L"QuorvOld.exe"}));
  EXPECT_EQ(NamesIn(Instance(3)), kOldInstance);

  // A master program that cannot be read: reported, no empty instance directory, no instance changed.
  RemoveTree(Instance(5));
  const auto locked = Hold(In(kMaster, L"Quorv114.exe"), 0);
  ASSERT_TRUE(locked);
  click(IDC_CREATE);
  expectReport({L"Not created: Q:\\Apps\\Site5"});
  EXPECT_FALSE(Exists(Instance(5)));
  click(IDC_UPDATE_ALL);
  expectReport({L"Not updated: Q:\\Apps\\Site1", L"Not updated: Q:\\Apps\\Site2", L"Not updated: Q:\\Apps\\Site3",
                L"Not updated: Q:\\Apps\\Site4", L"Not updated: Q:\\Apps\\Site6"});
  EXPECT_EQ(NamesIn(Instance(1)), kUpdatedInstance);
}
