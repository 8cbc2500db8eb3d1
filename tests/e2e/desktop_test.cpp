// The desktop integration: global hotkeys, the tray icon and its menu, the window-reuse check.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "driver/desktop.h"
#include "driver/quorvex_app.h"
#include "quorvex_alert_ids.h"

using namespace e2e;

namespace {
constexpr wchar_t kIEMain[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kUserSettings[] = L"Software\\Quorvex\\UserSettings";
constexpr wchar_t kInformationTitle[] = L"Quorvex - Important Information";
constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;  // 3 in the hotkey file

class Desktop : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};

  void SetUp() override {
    DeleteUserValue(kIEMain, L"AllowWindowReuse");
    DeleteUserValue(kUserSettings, L"SplashShow");
  }
  void TearDown() override {
    if (app.Proc().IsRunning()) app.Exit();
    DeleteUserValue(kIEMain, L"AllowWindowReuse");
  }
  void StartAndWait() {
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning());
  }
  HWND InformationForm(bool visibleOnly = true) {
    return FindTopLevel(app.Pid(), L"#32770", kInformationTitle, visibleOnly);
  }
  bool InformationFormAppears() {
    return WaitFor([&] { return InformationForm() != nullptr; }, 5s);
  }
  void ChooseMenuItem(int downs) {
    RightClick(TrayIcons().at(0));
    ASSERT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; })) << "no tray menu";
    for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
  }
};

// The test program holds combinations itself, as another running application would.
class HeldHotkey {
 public:
  HeldHotkey(UINT modifiers, UINT key) : id_(++next_) { held_ = RegisterHotKey(nullptr, id_, modifiers, key); }
  ~HeldHotkey() {
    if (held_) UnregisterHotKey(nullptr, id_);
  }
  bool Held() const { return held_ != FALSE; }

 private:
  static inline int next_ = 0x100;
  int id_;
  BOOL held_;
};
} // namespace

TEST_F(Desktop, BothHotkeysHeldElsewhereGiveOneWarningThenTheProgramCarriesOn) {
  HeldHotkey j(kCtrlAlt, 'J'), k(kCtrlAlt, 'K');
  ASSERT_TRUE(j.Held() && k.Held());
  app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n75\r\n1\r\n");
  SetUserDword(kIEMain, L"AllowWindowReuse", 1);
  app.Start();
  auto box = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, L"Hotkey Assign");
  EXPECT_EQ(box->text, L"Can not register 2 Hotkeys.\r\nDuplicate keys may be assigned or keys\r\n"
                       L"registered by other running applications.");
  EXPECT_EQ(box->icon, BoxIcon::Critical) << ToString(box->icon);
  EXPECT_EQ(InformationForm(), nullptr) << "the information form came before the warning";
  ASSERT_TRUE(box->Press(L"OK"));
  EXPECT_TRUE(InformationFormAppears()) << "no information form after the warning";
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 500ms)) << "more than one warning";
  EXPECT_TRUE(WaitForTrayIconCount(1));
}

TEST_F(Desktop, OneCombinationForBothHotkeysFailsOnceAndAKeylessHotkeyIsNeverReported) {
  app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n74\r\n1\r\n");
  app.Start();
  auto box = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text.substr(0, box->text.find(L'\r')), L"Can not register 1 Hotkeys.");
  box->Press(L"OK");
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'J')) << "the first registration should hold";
  ASSERT_TRUE(app.Exit());

  app.Write(L"hotkeysetup.txt", "3\r\n0\r\n1\r\n0\r\n0\r\n0\r\n");
  StartAndWait();
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 1s));
}

TEST_F(Desktop, TrayMenuAboutAndCloseBoxReRegisterFromTheFileAndExitFreesEverything) {
  app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n0\r\n0\r\n0\r\n");
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'J'));

  // A menu dismissed with Escape does nothing.
  RightClick(TrayIcons().at(0));
  ASSERT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; }));
  Screenshot(ScreenshotPath(L"tray-menu.png"), OpenMenuOf(app.Pid()));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) == nullptr; })) << "Escape did not close the menu";
  EXPECT_EQ(TrayIcons().size(), 1u);

  // Third item (past "&Open New Instance" and the separator): "&About".
  ChooseMenuItem(2);
  HWND about = WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true);
  ASSERT_NE(about, nullptr) << "About was not shown";
  EXPECT_TRUE(WaitForTrayIconCount(0)) << "the icon stays while About is shown";
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'J')) << "hotkeys stay registered while About is shown";

  // The close box brings back the icon and the hotkeys as the file holds them now.
  app.Write(L"hotkeysetup.txt", "3\r\n76\r\n1\r\n0\r\n0\r\n0\r\n");
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(about); }));
  ASSERT_TRUE(app.WaitUntilInTray());
  EXPECT_TRUE(WaitForTrayIconCount(1));
  EXPECT_FALSE(HotkeyIsFree(kCtrlAlt, 'L')) << "the new combination is not registered";
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'J')) << "the old combination is still held";

  // Fourth item: "&Exit".
  ChooseMenuItem(3);
  EXPECT_TRUE(app.Proc().WaitForExit());
  EXPECT_EQ(app.Read(L"QuorvexStatus.txt"), "0\r\n");
  EXPECT_TRUE(WaitForTrayIconCount(0));
  EXPECT_TRUE(HotkeyIsFree(kCtrlAlt, 'L'));
}

TEST_F(Desktop, TheIconComesBackWhenTheTaskbarIsCreatedAgain) {
  StartAndWait();
  ASSERT_TRUE(WaitForTrayIconCount(1));
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof gone;
  gone.hWnd = app.MainWindow();
  gone.uID = static_cast<UINT>(MainModuleBase(app.Pid()));
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone)) << "the icon is not identified by the module handle";
  ASSERT_TRUE(WaitForTrayIconCount(0));
  PostMessageW(app.MainWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitForTrayIconCount(1));
}

TEST_F(Desktop, WindowReuseOnShowsTheInformationFormOnceUntilTheUserOptsOut) {
  SetUserDword(kIEMain, L"AllowWindowReuse", 1);
  StartAndWait();
  ASSERT_TRUE(InformationFormAppears());
  HWND form = InformationForm();
  EXPECT_EQ(TextOf(ChildById(form, IDC_QuorvexAlert_Text1)).substr(0, 40), L"Please note you will NOT be able to open");
  EXPECT_NE(TextOf(ChildById(form, IDC_QuorvexAlert_Text1)).find(L"\r\n\r\nThis information appears in ReadMe.txt"),
            std::wstring::npos);
  EXPECT_EQ(TextOf(ChildById(form, IDC_QuorvexAlert_Check1)), L"Don't Show This Again");
  EXPECT_EQ(UserString(kUserSettings, L"SplashShow"), L"Y");
  Screenshot(ScreenshotPath(L"information-form.png"), form);

  SendMessageW(ChildById(form, IDC_QuorvexAlert_Check1), BM_CLICK, 0, 0);
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return UserString(kUserSettings, L"SplashShow") == L"N"; }));
  ASSERT_TRUE(app.Exit());
  StartAndWait();
  EXPECT_TRUE(StaysFalse([&] { return InformationForm() != nullptr; }, 1s));
}

TEST_F(Desktop, OnlyTheNumberOneOrItsTextTurnsTheCheckOn) {
  struct Case {
    const char* what;
    std::function<void()> set;
    bool shown;
  } cases[] = {
      {"DWORD 0", [] { SetUserDword(kIEMain, L"AllowWindowReuse", 0); }, false},
      {"text 1", [] { SetUserString(kIEMain, L"AllowWindowReuse", L"1"); }, true},
      {"text 1, NUL, more", [] { SetUserStringRaw(kIEMain, L"AllowWindowReuse", std::wstring(L"1\0xyz\0", 6)); }, true},
      {"text 2", [] { SetUserString(kIEMain, L"AllowWindowReuse", L"2"); }, false},
      {"missing value", [] { DeleteUserValue(kIEMain, L"AllowWindowReuse"); }, false},
      {"missing key", [] { DeleteUserKey(L"SOFTWARE\\Microsoft\\Internet Explorer"); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.set();
    StartAndWait();
    if (c.shown) {
      EXPECT_TRUE(InformationFormAppears());
    } else {
      EXPECT_TRUE(StaysFalse([&] { return InformationForm() != nullptr; }, 1s));
    }
    ASSERT_TRUE(app.Exit());
  }
}

TEST_F(Desktop, ExitWithTheBoxTickedStoresTheOptOut) {
  SetUserDword(kIEMain, L"AllowWindowReuse", 1);
  StartAndWait();
  ASSERT_TRUE(InformationFormAppears());
  SendMessageW(ChildById(InformationForm(), IDC_QuorvexAlert_Check1), BM_CLICK, 0, 0);
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(UserString(kUserSettings, L"SplashShow"), L"N");
}
