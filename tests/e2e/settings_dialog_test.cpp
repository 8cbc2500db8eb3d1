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
  std::vector<HWND> Dialogs() const {
    auto all = TopLevelWindowsOf(app.Pid(), true);
    std::erase_if(all, [](HWND w) { return ClassOf(w) != L"#32770" || TextOf(w) != L"Quorvex Settings"; });
    return all;
  }
  // "&About" (once), then its "Settings" button; posted, since the dialog is modal.
  void Open() {
    if (!app.Proc().IsRunning()) {
      ASSERT_TRUE(app.Start().Started() && app.WaitUntilRunning()) << "no start-up";
    }
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

} // namespace

TEST_F(SettingsDialog, OpensTheFilesAsStoredAndSavesWhatTheBoxesHoldAtTheCloseBoxAndAtTheEndOfTheSession) {
  // Links named after the tooltip at opening; the ones named after the new tooltip go at the end.
  const std::wstring programs = qvx::KnownFolderPath(FOLDERID_Programs) + L"\\Quorvex\\";
  const std::wstring startup = qvx::KnownFolderPath(FOLDERID_Startup) + L"\\";
  const std::wstring olds[] = {programs + L" My Tip.lnk", startup + L" My Tip.lnk"};
  CreateDirectoryW(programs.c_str(), nullptr);
  for (const auto& link : olds) ASSERT_TRUE(WriteFileBytes(link, "old"));
  struct Cleanup {  // the new links, then the folder when it is empty
    std::vector<std::wstring> links;
    ~Cleanup() {
      for (const auto& path : links) DeleteFileW(path.c_str()) || RemoveDirectoryW(path.c_str());
    }
  } news{{programs + L"abcdefghijklmnopqrstuvwxyzabcd.lnk", startup + L"abcdefghijklmnopqrstuvwxyzabcd.lnk", programs}};
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt",
                        "qvx3\r\n internet explorer \r\nexample \r\n  https://www.example.com/App  \r\n My Tip\r\n"));
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "1\r\n65\r\n1\r\n2\r\n66\r\n 1\r\n"));
  // The "Settings" command while the main window is hidden, and again while a dialog is open, opens none.
  ASSERT_TRUE(app.Start().Started() && app.WaitUntilRunning()) << "no start-up";
  PostMessageW(app.MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_OPEN_SETTINGS, BN_CLICKED), 0);
  EXPECT_TRUE(StaysFalse([&] { return !Dialogs().empty(); }, 1s)) << "a dialog opened from the hidden window";
  ASSERT_NO_FATAL_FAILURE(Open());
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_OPEN_SETTINGS, BN_CLICKED), 0);
  EXPECT_TRUE(StaysFalse([&] { return Dialogs().size() > 1; }, 1s)) << "a second dialog opened";
  EXPECT_EQ(Hotkey(IDC_LAUNCH_HOTKEY), MAKEWORD('A', HOTKEYF_ALT));  // Alt is 1 in the file, 4 here
  EXPECT_TRUE(Ticked(IDC_LAUNCH_ENABLED));
  EXPECT_FALSE(Editable(IDC_LAUNCH_HOTKEY)) << "an enabled hotkey's box must be frozen";
  EXPECT_FALSE(Ticked(IDC_TOGGLE_ENABLED)) << "only an exact \"1\" ticks \"Enabled\"";
  EXPECT_EQ(TextOf(Control(IDC_TRAY_TOOLTIP)), L" My Tip");

  // The preview follows the scroll bar (a stale preview would not change).
  std::vector<COLORREF> icon3;
  ASSERT_TRUE(WaitFor([&] { icon3 = Preview(); return icon3 != std::vector<COLORREF>(icon3.size(), icon3[0]); }));
  Scroll(SB_LINEDOWN);
  EXPECT_TRUE(WaitFor([&] { return Preview() != icon3; })) << "the preview did not follow to icon 4";

  // "Enable All" refuses a reserved combination (Alt+Left with the extended-key flag) and ticks the other box.
  Click(IDC_DISABLE_ALL_HOTKEYS);
  EXPECT_TRUE(Editable(IDC_LAUNCH_HOTKEY));
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_ALT | HOTKEYF_EXT, VK_LEFT);
  SetHotkey(IDC_TOGGLE_HOTKEY, HOTKEYF_SHIFT | HOTKEYF_CONTROL, 'Q');
  PostMessageW(Control(IDC_ENABLE_ALL_HOTKEYS), BM_CLICK, 0, 0);
  ASSERT_NO_FATAL_FAILURE(Answer(L"This Hotkey combination is reserved\r\nfor use by other applications.",
                                 BoxIcon::Exclamation));
  EXPECT_TRUE(WaitFor([&] { return !Ticked(IDC_LAUNCH_ENABLED) && Hotkey(IDC_LAUNCH_HOTKEY) == 0; }));
  EXPECT_TRUE(Ticked(IDC_TOGGLE_ENABLED) && !Editable(IDC_TOGGLE_HOTKEY));

  // "Restore" brings the saved hotkeys back and leaves the texts (see the file); an unticked box's new
  // combination is lost at saving (the file keeps the old one with "0").
  SetText(IDC_URL_KEYWORD, L"  new site ");
  Click(IDC_RESTORE_HOTKEYS);
  EXPECT_EQ(Hotkey(IDC_TOGGLE_HOTKEY), MAKEWORD('B', HOTKEYF_CONTROL));
  EXPECT_TRUE(Ticked(IDC_LAUNCH_ENABLED));
  Click(IDC_LAUNCH_ENABLED);
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_CONTROL | HOTKEYF_ALT, 'Z');
  SetHotkey(IDC_TOGGLE_HOTKEY, HOTKEYF_SHIFT | HOTKEYF_CONTROL, 'Q');
  Click(IDC_TOGGLE_ENABLED);

  // The tooltip box takes 30 characters; a keyword the settings file cannot hold keeps its old line.
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
  for (const auto& link : {news.links[0], news.links[1]}) {
    EXPECT_EQ(_wcsicmp(LinkTarget(link).c_str(), app.File(kMainExe).c_str()), 0) << std::string(link.begin(), link.end());
  }

  // The dialog registers no hotkey (closing the About window does); the new Launch URL is used at once.
  EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, 'Q'));
  app.Command(IDM_TRAY_LAUNCH_NEW);
  EXPECT_TRUE(WaitFor([&] { return qvx_test::FakeBrowsersAt(url).size() == 1; })) << "no launch of the new URL";
  for (HWND w : qvx_test::FakeBrowsersAt(url)) PostMessageW(w, WM_CLOSE, 0, 0);

  // An empty tooltip: the auto-start link goes, with a message; a hotkey file that cannot be
  // replaced is reported and the settings file is saved all the same.
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
  EXPECT_EQ(GetFileAttributesW(news.links[1].c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX4\r\nINTERNET EXPLORER\r\nNEW SITE\r\n" + url8 + "\r\n\r\n");
  ASSERT_TRUE(RemoveDirectoryW(hotkeyFile.c_str()));

  // The end of the Windows session with the dialog open saves it as the close box would, without
  // a message (the keyword the file cannot hold stays as it was), then writes "0".
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_TRAY_TOOLTIP, L" Typed ");
  SetText(IDC_URL_KEYWORD, L"\x4E2D");
  SetHotkey(IDC_LAUNCH_HOTKEY, HOTKEYF_CONTROL | HOTKEYF_ALT, 'T');
  Click(IDC_LAUNCH_ENABLED);
  Scroll(SB_LINEDOWN);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(about, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  ASSERT_TRUE(SendMessageTimeoutW(about, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer)) << "the end hung";
  EXPECT_EQ(app.Read(L"QuorvexSettings.txt"), "QVX5\r\nINTERNET EXPLORER\r\nNEW SITE\r\n" + url8 + "\r\nTyped\r\n");
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "3\r\n84\r\n1\r\n6\r\n81\r\n0\r\n");
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog stayed open";
}
