// Hotkeys, the tray icon and its menu, the About window, the window-reuse check and its form.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>

#include "driver/desktop.h"
#include "information_form_ids.h"
#include "main_window_ids.h"

using namespace e2e;

namespace {
constexpr wchar_t kIEMain[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kUserSettings[] = L"Software\\Quorvex\\UserSettings";
constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;  // 3 in the hotkey file

std::wstring SplashShow() {
  wchar_t value[64] = {};
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, kUserSettings, L"SplashShow", RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

class Desktop : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};

  void SetUp() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kUserSettings, L"SplashShow");
  }
  void TearDown() override {
    if (app.Proc().IsRunning()) app.Exit();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse");
  }
  void StartAndWait() {
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning());
  }
  HWND InformationForm() { return FindTopLevel(app.Pid(), L"#32770", L"Quorvex - Important Information", true); }
  bool InformationFormAppears() { return WaitFor([&] { return InformationForm() != nullptr; }); }
  void ChooseMenuItem(int downs) {  // right click on the icon, then the item `downs` places down
    RightClick(TrayIcons().at(0));
    ASSERT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; })) << "no tray menu";
    for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
  }
  bool StaysAlive() {  // the main window answers a message and the program still runs a second later
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(app.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) &&
           StaysFalse([&] { return !app.Proc().IsRunning(); }, 1s);
  }
  HWND WaitForAbout() { return WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true); }
};

// Combinations the test program holds, as another running application would.
struct HeldHotkeys {
  bool held = RegisterHotKey(nullptr, 0x101, kCtrlAlt, 'J') && RegisterHotKey(nullptr, 0x102, kCtrlAlt, 'K');
  ~HeldHotkeys() { UnregisterHotKey(nullptr, 0x101), UnregisterHotKey(nullptr, 0x102); }
};
} // namespace

TEST_F(Desktop, HeldHotkeysWarnOnceBeforeTheInformationFormAndAgainAfterAnAboutOpenedMeanwhile) {
  HeldHotkeys held;
  ASSERT_TRUE(held.held);
  app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n75\r\n1\r\n");
  const DWORD on = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse", REG_DWORD, &on, sizeof on);
  app.Start();
  auto box = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, L"Hotkey Assign");
  EXPECT_EQ(box->text, L"Can not register 2 Hotkeys.\r\nDuplicate keys may be assigned or keys\r\n"
                       L"registered by other running applications.");
  EXPECT_EQ(box->icon, BoxIcon::Critical) << ToString(box->icon);
  EXPECT_EQ(InformationForm(), nullptr) << "the information form came before the warning";
  // "&About" from the tray while the warning is up, then OK, then the About window's close box.
  ASSERT_TRUE(WaitForTrayIconCount(1));
  ChooseMenuItem(3);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr) << "About was not shown";
  ASSERT_TRUE(box->Press(L"OK"));
  EXPECT_TRUE(InformationFormAppears()) << "no information form after the warning";
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  auto again = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(again) << "no warning after the return to the tray";
  EXPECT_TRUE(again->Press(L"OK"));
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 500ms)) << "more than one warning in a pass";
  EXPECT_TRUE(StaysAlive());
  EXPECT_TRUE(WaitForTrayIconCount(1));
}

TEST_F(Desktop, TrayMenuAboutAndCloseBoxReRegisterFromTheFileAndExitFreesEverything) {
  app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n0\r\n0\r\n0\r\n");
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'J'));
  // A close request for the hidden window, twice: nothing changes, nothing breaks.
  PostMessageW(app.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  PostMessageW(app.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(StaysAlive());
  EXPECT_EQ(TrayIcons().size(), 1u);
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'J'));
  // In the tray, the program has not loaded the common controls: its About controls wait.
  EXPECT_FALSE(HasLoadedModule(app.Pid(), L"comctl32.dll"));
  ChooseMenuItem(3);  // past "&Open New Instance", "Site &Windows..." and the separator: "&About"
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr) << "About was not shown";
  EXPECT_EQ(TextOf(ChildById(about, IDC_ABOUT_VERSION)), L"Quorvex v1.1.4");
  EXPECT_NE(SendMessageW(ChildById(about, IDC_ABOUT_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_TRUE(HasLoadedModule(app.Pid(), L"comctl32.dll"));
  EXPECT_TRUE(WaitForTrayIconCount(0)) << "the icon stays while About is shown";
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'J')) << "hotkeys stay registered while About is shown";
  // The close box brings back the icon and the hotkeys as the file holds them now.
  app.Write(L"hotkeysetup.txt", "3\r\n76\r\n1\r\n0\r\n0\r\n0\r\n");
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app.WaitUntilInTray());
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(WaitForTrayIconCount(1));
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'L')) << "the new combination is not registered";
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'J')) << "the old combination is still held";
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\n");

  ChooseMenuItem(4);  // "&Exit"
  EXPECT_TRUE(app.Proc().WaitForExit());
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
  EXPECT_TRUE(WaitForTrayIconCount(0));
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'L'));
}

TEST_F(Desktop, EscapeInTheAboutWindowPutsTheProgramBackIntoTheTray) {
  StartAndWait();
  app.Command(IDM_TRAY_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr) << "About was not shown";
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; })) << "About is not in front";
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(app.WaitUntilInTray()) << "Escape did not close the About window";
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(WaitForTrayIconCount(1));
}

TEST_F(Desktop, TheIconComesBackWhenTheTaskbarIsCreatedAgain) {
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof gone;
  gone.hWnd = app.MainWindow();
  gone.uID = static_cast<UINT>(GetWindowLongPtrW(gone.hWnd, GWLP_HINSTANCE));  // the module handle
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone)) << "the icon is not identified by the module handle";
  ASSERT_TRUE(WaitForTrayIconCount(0));
  PostMessageW(gone.hWnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitForTrayIconCount(1));
}

TEST_F(Desktop, WindowReuseShowsTheInformationFormUntilTheUserOptsOut) {
  const std::wstring textWithNul(L"1\0xyz\0", 6);  // read up to its first NUL
  RegSetKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse", REG_SZ, textWithNul.data(), 12);
  StartAndWait();
  ASSERT_TRUE(InformationFormAppears());
  const std::wstring text = TextOf(ChildById(InformationForm(), IDC_INFORMATION_TEXT));
  EXPECT_EQ(text.substr(0, 40), L"Please note you will NOT be able to open");
  EXPECT_NE(text.find(L"\r\n\r\nThis information appears in ReadMe.txt"), std::wstring::npos);
  EXPECT_EQ(TextOf(ChildById(InformationForm(), IDC_DONT_SHOW_AGAIN)), L"Don't Show This Again");
  EXPECT_EQ(SplashShow(), L"Y");
  SendMessageW(ChildById(InformationForm(), IDC_DONT_SHOW_AGAIN), BM_CLICK, 0, 0);
  ASSERT_TRUE(app.Exit());  // the form goes with the program and keeps the tick
  EXPECT_EQ(SplashShow(), L"N");
  StartAndWait();
  EXPECT_TRUE(StaysFalse([&] { return InformationForm() != nullptr; }, 1s));
}

// Explorer's restart broadcast meeting an exit: both sent, as another program sends them.
TEST_F(Desktop, TaskbarCreatedThenASentExitLeaveNoIconAndNoProcess) {
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  // Queued as sent messages, the exit is handled as soon as the program waits: inside the
  // broadcast's handling if that makes a tray call.
  const HWND main = app.MainWindow();
  SendNotifyMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  SendNotifyMessageW(main, WM_COMMAND, IDM_TRAY_EXIT, 0);
  EXPECT_TRUE(app.Proc().WaitForExit(5s)) << "the program still runs";
  EXPECT_TRUE(WaitForTrayIconCount(0, 5s)) << "an icon stayed behind";
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
}

TEST_F(Desktop, TenTaskbarCreatedBroadcastsSentBackToBackLeaveOneIcon) {
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  const HWND before = TrayIcons().at(0);
  const HWND main = app.MainWindow();
  DWORD_PTR answer = 0;
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(SendMessageTimeoutW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 5000, &answer));
  }
  // Wine shows each added icon as a window of its own: the icon was added again once it is another
  // one. A broadcast handled after a re-add may bring one more; never two icons at once.
  size_t most = 0;
  auto lastChange = std::chrono::steady_clock::now();
  const bool settled = WaitFor([&] {
    const auto icons = TrayIcons();
    most = std::max(most, icons.size());
    if (icons.size() != 1 || icons[0] == before) lastChange = std::chrono::steady_clock::now();
    return std::chrono::steady_clock::now() - lastChange > 1s;
  });
  EXPECT_TRUE(settled) << TrayIcons().size() << " icons";
  EXPECT_LE(most, 1u);
  EXPECT_TRUE(StaysAlive());
}

// The program's own messages, posted by someone else with parameters of their choosing.
TEST_F(Desktop, TheProgramsOwnMessagesPostedFromOutsideChangeNothing) {
  const DWORD on = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse", REG_DWORD, &on, sizeof on);
  StartAndWait();
  ASSERT_TRUE(InformationFormAppears());
  PostMessageW(InformationForm(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return InformationForm() == nullptr; }));
  ASSERT_TRUE(app.Write(L"QuorvexStatus.txt", "1\r\nas it was\r\n"));
  for (UINT message = WM_APP; message < WM_APP + 16; ++message) {
    PostMessageW(app.MainWindow(), message, static_cast<WPARAM>(-2120179273), 7);
  }
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 1s));
  EXPECT_EQ(InformationForm(), nullptr) << "the information form came again";
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "1\r\nas it was\r\n");
  EXPECT_TRUE(StaysAlive());
  EXPECT_EQ(TrayIcons().size(), 1u);
}
