// The settings dialog in the real program, driven through its controls: what it opens with,
// what it saves at a close and at the end of the Windows session, the hotkey boxes, the icon,
// the shortcuts, and that at most one dialog exists.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "common/scoped_win32.h"
#include "common/shell_folders_win32.h"
#include "driver/desktop.h"
#include "driver/fake_browser.h"
#include "driver/quorvex_app.h"
#include "driver/shell_link.h"
#include "settings_dialog_ids.h"

using namespace e2e;

namespace {

class SettingsDialog : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};
  HWND about = nullptr, dialog = nullptr;

  void TearDown() override {
    if (app.Proc().IsRunning()) app.Exit();
  }
  // Both files, then the program started and settled in the tray.
  void StartWith(const std::string& settings, const std::string& hotkeys) {
    ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", settings));
    ASSERT_TRUE(app.Write(L"hotkeysetup.txt", hotkeys));
    ASSERT_TRUE(app.Start().Started() && app.WaitUntilRunning()) << "no start-up";
  }
  std::vector<HWND> Dialogs() const {
    auto all = TopLevelWindowsOf(app.Pid(), true);
    std::erase_if(all, [](HWND w) { return ClassOf(w) != L"#32770" || TextOf(w) != L"Quorvex Settings"; });
    return all;
  }
  // "&About" (once), then its "Settings" button; posted, since the dialog is modal.
  void Open() {
    if (!about || !IsWindowVisible(about)) {
      app.Command(IDM_TRAY_ABOUT);
      ASSERT_TRUE(about = WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true)) << "no About window";
    }
    PostMessageW(ChildById(about, IDC_OPEN_SETTINGS), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return Dialogs().size() == 1; })) << "the settings dialog did not open";
    dialog = Dialogs().front();
  }
  void Answer(const std::wstring& text, BoxIcon icon) {
    auto box = WaitForMessageBox(app.Pid());
    ASSERT_TRUE(box) << "no message box";
    EXPECT_EQ(std::tuple(box->title, box->text, box->icon, box->buttons),
              std::tuple(L"Quorvex", text, icon, std::vector<std::wstring>{L"OK"}));
    ASSERT_TRUE(box->Press(L"OK"));
  }
  // The close box; the expected message boxes are answered on the way.
  void Close(const std::vector<std::pair<std::wstring, BoxIcon>>& messages = {}) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    for (const auto& [text, icon] : messages) ASSERT_NO_FATAL_FAILURE(Answer(text, icon));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog did not close";
    EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 300ms)) << "an unexpected message box";
  }
  HWND Control(int id) const { return ChildById(dialog, id); }
  void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }  // for clicks that show no message
  bool Ticked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Editable(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  void SetText(int id, const std::wstring& text) { SendMessageW(Control(id), WM_SETTEXT, 0, LPARAM(text.c_str())); }
  void SetHotkey(int id, BYTE modifiers, BYTE key) { SendMessageW(Control(id), HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0); }
  WORD Hotkey(int id) const { return LOWORD(SendMessageW(Control(id), HKM_GETHOTKEY, 0, 0)); }
  void Scroll(WORD request) { SendMessageW(dialog, WM_VSCROLL, request, LPARAM(Control(IDC_ICON_SCROLL))); }
  std::vector<COLORREF> Preview() const {  // what the icon preview shows on the screen
    RECT r{};
    GetWindowRect(Control(IDC_ICON_PREVIEW), &r);
    const qvx::ScopedGetDc screen(nullptr);
    std::vector<COLORREF> pixels;
    for (LONG i = 0; i < (r.right - r.left) * (r.bottom - r.top); ++i) {
      pixels.push_back(GetPixel(screen.Get(), r.left + i % (r.right - r.left), r.top + i / (r.right - r.left)));
    }
    return pixels;
  }
};

// Links named after a tooltip, removed at the end with the group folder when it is empty.
struct Links {
  std::vector<std::wstring> paths;
  ~Links() {
    for (const auto& path : paths) DeleteFileW(path.c_str()) || RemoveDirectoryW(path.c_str());
  }
};
const std::string kSite = "QVX4\r\nINTERNET EXPLORER\r\nNEW SITE\r\nhttp://x/\r\n";
} // namespace

TEST_F(SettingsDialog, OnlyTheShownAboutWindowOpensItAndOnlyOneAtATime) {
  ASSERT_NO_FATAL_FAILURE(StartWith("QVX1\r\n", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
  PostMessageW(app.MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_OPEN_SETTINGS, BN_CLICKED), 0);
  EXPECT_TRUE(StaysFalse([&] { return !Dialogs().empty(); }, 1s)) << "a dialog opened from the hidden window";
  ASSERT_NO_FATAL_FAILURE(Open());
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_OPEN_SETTINGS, BN_CLICKED), 0);
  EXPECT_TRUE(StaysFalse([&] { return Dialogs().size() > 1; }, 1s)) << "a second dialog opened";
}

TEST_F(SettingsDialog, OpensTheHotkeysTheTooltipAndTheIconAsStored) {
  ASSERT_NO_FATAL_FAILURE(StartWith("qvx3\r\nIE\r\nEXAMPLE\r\nhttp://x/\r\n My Tip\r\n", "1\r\n65\r\n1\r\n2\r\n66\r\n 1\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(Hotkey(IDC_LAUNCH_HOTKEY), MAKEWORD('A', HOTKEYF_ALT));  // Alt is 1 in the file, 4 here
  EXPECT_TRUE(Ticked(IDC_LAUNCH_ENABLED));
  EXPECT_FALSE(Editable(IDC_LAUNCH_HOTKEY)) << "an enabled hotkey's box must be frozen";
  EXPECT_EQ(Hotkey(IDC_TOGGLE_HOTKEY), MAKEWORD('B', HOTKEYF_CONTROL));
  EXPECT_FALSE(Ticked(IDC_TOGGLE_ENABLED)) << "only an exact \"1\" ticks \"Enabled\"";
  EXPECT_EQ(TextOf(Control(IDC_TRAY_TOOLTIP)), L" My Tip");
  EXPECT_EQ(SendMessageW(Control(IDC_ICON_SCROLL), SBM_GETPOS, 0, 0), 3);
  // The preview follows the scroll bar (a stale preview would not change).
  std::vector<COLORREF> icon3;
  ASSERT_TRUE(WaitFor([&] { icon3 = Preview(); return icon3 != std::vector<COLORREF>(icon3.size(), icon3[0]); }));
  Scroll(SB_LINEDOWN);
  EXPECT_TRUE(WaitFor([&] { return Preview() != icon3; })) << "the preview did not follow to icon 4";
}

TEST_F(SettingsDialog, AStoredIconNameIsReadByAllItsDigitsAndSavedPlain) {
  ASSERT_NO_FATAL_FAILURE(StartWith("QVX007\r\nIE\r\nEXAMPLE\r\nhttp://x/\r\n\r\n", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(SendMessageW(Control(IDC_ICON_SCROLL), SBM_GETPOS, 0, 0), 7);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX7\r\nIE\r\nEXAMPLE\r\nhttp://x/\r\n\r\n");
}

TEST_F(SettingsDialog, EnableAllRefusesAReservedCombinationAndRestoreBringsBackTheFile) {
  ASSERT_NO_FATAL_FAILURE(StartWith("QVX1\r\n", "1\r\n65\r\n1\r\n2\r\n66\r\n 1\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  // Alt+Left with the extended-key flag is reserved; the other box is ticked.
  Click(IDC_DISABLE_ALL_HOTKEYS);
  EXPECT_TRUE(Editable(IDC_LAUNCH_HOTKEY));
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_ALT | HOTKEYF_EXT, VK_LEFT);
  SetHotkey(IDC_TOGGLE_HOTKEY, HOTKEYF_SHIFT | HOTKEYF_CONTROL, 'Q');
  PostMessageW(Control(IDC_ENABLE_ALL_HOTKEYS), BM_CLICK, 0, 0);
  ASSERT_NO_FATAL_FAILURE(Answer(L"This Hotkey combination is reserved\r\nfor use by other applications.",
                                 BoxIcon::Exclamation));
  EXPECT_TRUE(WaitFor([&] { return !Ticked(IDC_LAUNCH_ENABLED) && Hotkey(IDC_LAUNCH_HOTKEY) == 0; }));
  EXPECT_TRUE(Ticked(IDC_TOGGLE_ENABLED) && !Editable(IDC_TOGGLE_HOTKEY));
  // "Restore" brings the saved hotkeys back.
  Click(IDC_RESTORE_HOTKEYS);
  EXPECT_EQ(Hotkey(IDC_LAUNCH_HOTKEY), MAKEWORD('A', HOTKEYF_ALT));
  EXPECT_EQ(Hotkey(IDC_TOGGLE_HOTKEY), MAKEWORD('B', HOTKEYF_CONTROL));
  EXPECT_TRUE(Ticked(IDC_LAUNCH_ENABLED));
  EXPECT_FALSE(Ticked(IDC_TOGGLE_ENABLED));
}

TEST_F(SettingsDialog, TheCloseBoxSavesWhatTheBoxesHoldAndReplacesTheShortcuts) {
  // Links named after the tooltip at opening go; the ones named after the new tooltip come.
  const std::wstring programs = qvx::KnownFolderPath(FOLDERID_Programs) + L"\\Quorvex\\";
  const std::wstring startup = qvx::KnownFolderPath(FOLDERID_Startup) + L"\\";
  const std::wstring olds[] = {programs + L" My Tip.lnk", startup + L" My Tip.lnk"};
  CreateDirectoryW(programs.c_str(), nullptr);
  for (const auto& link : olds) ASSERT_TRUE(WriteFileBytes(link, "old"));
  const Links news{{programs + L"abcdefghijklmnopqrstuvwxyzabcd.lnk", startup + L"abcdefghijklmnopqrstuvwxyzabcd.lnk", programs}};
  ASSERT_NO_FATAL_FAILURE(StartWith("qvx3\r\n internet explorer \r\nexample \r\n  https://www.example.com/App  \r\n My Tip\r\n",
                                    "1\r\n65\r\n1\r\n2\r\n66\r\n 1\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  Scroll(SB_LINEDOWN);
  // An unticked box's new combination is lost at saving (the file keeps the old one with "0").
  Click(IDC_LAUNCH_ENABLED);
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_CONTROL | HOTKEYF_ALT, 'Z');
  SetHotkey(IDC_TOGGLE_HOTKEY, HOTKEYF_SHIFT | HOTKEYF_CONTROL, 'Q');
  Click(IDC_TOGGLE_ENABLED);
  // The tooltip box takes 30 characters; a keyword the settings file cannot hold keeps its old line.
  SetText(IDC_URL_KEYWORD, L"  new site ");
  SetText(IDC_TRAY_TOOLTIP, L"");
  for (int i = 0; i < 31; ++i) SendMessageW(Control(IDC_TRAY_TOOLTIP), WM_CHAR, L'a' + i % 26, 1);
  SetText(IDC_BROWSER_TEXT_KEYWORD, L"\x4E2D browser");
  const std::wstring url = L"http://" + qvx_test::UniqueToken() + L"/";
  const std::string url8(url.begin(), url.end());
  SetText(IDC_LAUNCH_URL, L" " + url + L" ");
  Click(IDC_START_MENU_SHORTCUT);
  Click(IDC_STARTUP_SHORTCUT);
  ASSERT_NO_FATAL_FAILURE(Close({{L"The settings file cannot store some characters typed in:\r\nBrowser Text Keyword\r\n"
                                  L"The previous text of these boxes was kept.", BoxIcon::Exclamation}}));
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX4\r\n internet explorer \r\nNEW SITE\r\n" + url8 +
                                                  "\r\nabcdefghijklmnopqrstuvwxyzabcd\r\n");
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "1\r\n65\r\n0\r\n6\r\n81\r\n1\r\n");
  for (const auto& link : olds) EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES) << "still there";
  for (const auto& link : {news.paths[0], news.paths[1]}) {
    EXPECT_EQ(_wcsicmp(LinkTarget(link).c_str(), app.File(kMainExe).c_str()), 0) << std::string(link.begin(), link.end());
  }
  // The dialog registers no hotkey (closing the About window does); the new Launch URL is used at once.
  EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, 'Q'));
  app.Command(IDM_TRAY_LAUNCH_NEW);
  EXPECT_TRUE(WaitFor([&] { return qvx_test::FakeBrowsersAt(url).size() == 1; })) << "no launch of the new URL";
  for (HWND w : qvx_test::FakeBrowsersAt(url)) PostMessageW(w, WM_CLOSE, 0, 0);
}

TEST_F(SettingsDialog, AnEmptyTooltipAndAHotkeyFileThatCannotBeReplacedAreReported) {
  const std::wstring link = qvx::KnownFolderPath(FOLDERID_Startup) + L"\\Some Tip.lnk";
  const Links links{{link}};
  ASSERT_TRUE(WriteFileBytes(link, "old"));
  ASSERT_NO_FATAL_FAILURE(StartWith(kSite + "Some Tip\r\n", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
  const std::wstring hotkeyFile = app.File(L"hotkeysetup.txt");
  ASSERT_TRUE(DeleteFileW(hotkeyFile.c_str()) && CreateDirectoryW(hotkeyFile.c_str(), nullptr));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(Hotkey(IDC_LAUNCH_HOTKEY), 0);
  SetText(IDC_TRAY_TOOLTIP, L"   ");
  Click(IDC_STARTUP_SHORTCUT);
  ASSERT_NO_FATAL_FAILURE(Close({{L"The settings could not be saved.\r\nThe program's directory may not be writable.",
                                  BoxIcon::Exclamation},
                                 {L"Unable to create Auto-Start Shortcut.\r\nShortcut name is missing.\r\n"
                                  L"Any existing Auto-Start Shortcut\r\nwill be deleted.", BoxIcon::Information}}));
  EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), kSite + "\r\n");  // saved all the same
  EXPECT_TRUE(RemoveDirectoryW(hotkeyFile.c_str()));
}

TEST_F(SettingsDialog, TheEndOfTheSessionSavesAsTheCloseBoxWouldWithoutAMessage) {
  ASSERT_NO_FATAL_FAILURE(StartWith(kSite + "\r\n", "0\r\n0\r\n0\r\n6\r\n81\r\n0\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_TRAY_TOOLTIP, L" Typed ");
  SetText(IDC_URL_KEYWORD, L"\x4E2D");  // the file cannot hold it: the old line stays, and no message says so
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_CONTROL | HOTKEYF_ALT, 'T');
  Click(IDC_LAUNCH_ENABLED);
  Scroll(SB_LINEDOWN);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(about, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  ASSERT_TRUE(SendMessageTimeoutW(about, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer)) << "the end hung";
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX5\r\nINTERNET EXPLORER\r\nNEW SITE\r\nhttp://x/\r\nTyped\r\n");
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "3\r\n84\r\n1\r\n6\r\n81\r\n0\r\n");
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog stayed open";
}
