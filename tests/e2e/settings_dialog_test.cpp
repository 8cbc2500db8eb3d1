// The settings dialog, driven through its controls in the real program: what it shows when it
// opens, the hotkey boxes and their reserved combinations, the icon and tooltip, the files it
// writes when it closes and the shortcuts it makes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "common/shell_folders_win32.h"
#include "driver/desktop.h"
#include "driver/quorvex_app.h"
#include "driver/shell_link.h"
#include "form1_ids.h"
#include "hotkeys_form_ids.h"

using namespace e2e;

namespace {

const std::wstring kReserved = L"This Hotkey combination is reserved\r\nfor use by other applications.";

WORD Combination(BYTE modifiers, BYTE key) { return MAKEWORD(key, modifiers); }

class SettingsDialog : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};
  HWND about = nullptr;
  HWND dialog = nullptr;

  void TearDown() override {
    if (app.Proc().IsRunning()) app.Exit();
  }

  void Start() {
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning()) << "the program did not finish its start-up";
  }

  // "&About", then its "Settings" button; the dialog is modal, so the click is posted.
  void Open() {
    if (!app.Proc().IsRunning()) {
      ASSERT_NO_FATAL_FAILURE(Start());
    }
    if (!about || !IsWindowVisible(about)) {
      app.Command(IDM_mnuAbout);
      about = WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true);
      ASSERT_NE(about, nullptr) << "the About window was not shown";
    }
    PostMessageW(ChildById(about, IDC_Command4), BM_CLICK, 0, 0);
    dialog = WaitForTopLevel(app.Pid(), L"#32770", L"Quorvex Settings", true);
    ASSERT_NE(dialog, nullptr) << "the settings dialog did not open";
  }

  // The close box; any message box on the way is left to the caller.
  void RequestClose() { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
  void Close() {
    RequestClose();
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog did not close";
    EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 300ms)) << "an unexpected message box";
  }

  HWND Control(int id) const { return ChildById(dialog, id); }
  void Post(int id) { PostMessageW(Control(id), BM_CLICK, 0, 0); }
  // A click whose handler shows no message box: sent, so it has run when this returns.
  void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  bool Ticked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetText(int id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::wstring Text(int id) const { return TextOf(Control(id)); }
  void SetHotkey(int id, BYTE modifiers, BYTE key) {
    SendMessageW(Control(id), HKM_SETHOTKEY, Combination(modifiers, key), 0);
  }
  WORD Hotkey(int id) const { return LOWORD(SendMessageW(Control(id), HKM_GETHOTKEY, 0, 0)); }
  bool Editable(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  void Scroll(WORD request) {
    SendMessageW(dialog, WM_VSCROLL, request, reinterpret_cast<LPARAM>(Control(IDC_VScroll1)));
  }
  LRESULT IconPosition() const { return SendMessageW(Control(IDC_VScroll1), SBM_GETPOS, 0, 0); }
  std::string SettingsFile() const { return app.Read(L"QuorvexSettings.txt").value_or("(missing)"); }

  void ExpectMessage(const std::wstring& text, BoxIcon icon) {
    auto box = WaitForMessageBox(app.Pid());
    ASSERT_TRUE(box) << "no message box";
    EXPECT_EQ(box->title, L"Quorvex");
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->icon, icon) << ToString(box->icon);
    EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
    ASSERT_TRUE(box->Press(L"OK"));
  }
};

std::wstring Lower(std::wstring s) {
  CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The 32-bit pixels of a bitmap of the given size after painting into it.
std::vector<DWORD> Paint(int size, const std::function<void(HDC)>& paint) {
  std::vector<DWORD> pixels(static_cast<size_t>(size * size));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  SelectObject(dc, old);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(size), pixels.data(), &bi, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// True when the preview box on the screen looks like the program's icon `name` and not like
// `other`, each drawn centred on the box's background at the size the dialog picks for the box.
bool PreviewLooksLike(HWND preview, const std::wstring& exe, const std::wstring& name, const std::wstring& other) {
  RECT r{};
  GetClientRect(preview, &r);
  POINT origin{0, 0};
  ClientToScreen(preview, &origin);
  int size = 16;
  for (int candidate : {20, 24, 32, 40, 48, 64}) {
    if (candidate <= std::min(r.right, r.bottom)) size = candidate;
  }
  const int left = origin.x + (r.right - size) / 2, top = origin.y + (r.bottom - size) / 2;
  const auto shown = Paint(size, [&](HDC dc) {
    HDC screen = GetDC(nullptr);
    BitBlt(dc, 0, 0, size, size, screen, left, top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto distance = [&](const std::wstring& icon) {
    HICON h = static_cast<HICON>(LoadImageW(module, icon.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    const DWORD bg = shown.front();  // an icon's corner is transparent
    const auto drawn = Paint(size, [&](HDC dc) {
      HBRUSH brush = CreateSolidBrush(RGB((bg >> 16) & 0xFF, (bg >> 8) & 0xFF, bg & 0xFF));
      RECT all{0, 0, size, size};
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      DrawIconEx(dc, 0, 0, h, size, size, 0, nullptr, DI_NORMAL);
    });
    if (h) DestroyIcon(h);
    long long sum = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
      for (int shift = 0; shift < 24; shift += 8) {
        sum += std::abs(static_cast<int>((shown[i] >> shift) & 0xFF) - static_cast<int>((drawn[i] >> shift) & 0xFF));
      }
    }
    return sum;
  };
  // Drawn alike, the shown icon matches almost exactly; a half-painted box matches neither.
  const bool closer = distance(name) * 10 < distance(other);
  if (module) FreeLibrary(module);
  return closer;
}

} // namespace

TEST_F(SettingsDialog, ClosingUnchangedRewritesBothFilesCleanedAndOddLinesOpenEmpty) {
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt",
                        "qvx3\r\n internet explorer \r\nexample \r\n  https://www.example.com/App  \r\n My Tip \r\n"));
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "1\r\n65\r\n1\r\n6\r\n84\r\n0\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey1), Combination(HOTKEYF_ALT, 'A'));  // Alt is 1 in the file, 4 here
  EXPECT_TRUE(Ticked(IDC_Check1));
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(SettingsFile(), "QVX3\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/App\r\nMy Tip\r\n");
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "1\r\n65\r\n1\r\n6\r\n84\r\n0\r\n");

  // Only an exact "1" ticks "Enabled"; a modifier that is no number, an icon out of range and
  // missing lines open empty. Started afresh, so that the program's own state comes from these
  // files too (an unticked hotkey is saved with the combination the program holds).
  ASSERT_TRUE(app.Exit());
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "2\r\n76\r\n 1\r\nx\r\n84\r\n1.0\r\n"));
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", "QVX99\r\nIE\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_FALSE(Ticked(IDC_Check1));
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey2), 0);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(SettingsFile(), "QVX1\r\nIE\r\n\r\n\r\n\r\n");
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "2\r\n76\r\n0\r\n0\r\n84\r\n0\r\n");
}

TEST_F(SettingsDialog, RestoreBringsBackTheSavedHotkeysAndADisabledOneKeepsItsOldCombination) {
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "4\r\n76\r\n1\r\n2\r\n66\r\n0\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  Click(IDC_Check1);
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_CONTROL | HOTKEYF_ALT, 'Z');
  SetHotkey(IDC_ccrpHotKey2, HOTKEYF_CONTROL | HOTKEYF_ALT, 'Y');
  Click(IDC_Check2);
  SetText(IDC_Text1, L"http://edited/");
  Scroll(SB_LINEDOWN);
  Click(IDC_Command2);
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey1), Combination(HOTKEYF_SHIFT, 'L'));
  EXPECT_TRUE(Ticked(IDC_Check1));
  EXPECT_FALSE(Editable(IDC_ccrpHotKey1)) << "an enabled hotkey's box must be frozen";
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey2), Combination(HOTKEYF_CONTROL, 'B'));
  EXPECT_FALSE(Ticked(IDC_Check2));
  EXPECT_TRUE(Editable(IDC_ccrpHotKey2));
  EXPECT_EQ(Text(IDC_Text1), L"http://edited/");
  EXPECT_EQ(IconPosition(), 2);

  // Unticked, a combination typed into the box is lost: the file keeps the old one with flag 0.
  Click(IDC_Check1);
  EXPECT_TRUE(Editable(IDC_ccrpHotKey1));
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_CONTROL | HOTKEYF_ALT, 'T');
  SetHotkey(IDC_ccrpHotKey2, HOTKEYF_SHIFT | HOTKEYF_CONTROL, 'Q');
  Click(IDC_Check2);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "4\r\n76\r\n0\r\n6\r\n81\r\n1\r\n");
  EXPECT_EQ(SettingsFile().substr(0, 6), "QVX2\r\n");
  EXPECT_NE(SettingsFile().find("\r\nhttp://edited/\r\n"), std::string::npos);
}

TEST_F(SettingsDialog, ReservedCombinationsAreRefusedByTheBoxAndByEnableAll) {
  ASSERT_NO_FATAL_FAILURE(Open());
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_CONTROL, 'C');
  Post(IDC_Check1);
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(kReserved, BoxIcon::Exclamation));
  EXPECT_TRUE(WaitFor([&] { return !Ticked(IDC_Check1); }));
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey1), 0);
  EXPECT_TRUE(Editable(IDC_ccrpHotKey1));
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 300ms)) << "the nested untick must not ask again";

  // "Enable All" with one reserved combination: Alt+Left is reserved only with the extended flag.
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_ALT | HOTKEYF_EXT, VK_LEFT);
  SetHotkey(IDC_ccrpHotKey2, HOTKEYF_ALT, VK_LEFT);
  Post(IDC_Command3);
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(kReserved, BoxIcon::Exclamation));
  EXPECT_TRUE(NoMessageBoxFor(app.Pid(), 300ms));
  EXPECT_FALSE(Ticked(IDC_Check1));
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey1), 0);
  EXPECT_TRUE(Ticked(IDC_Check2));
  EXPECT_FALSE(Editable(IDC_ccrpHotKey2));

  // The hidden diagnostic shows box 1's raw value, in the control's own convention.
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_CONTROL | HOTKEYF_ALT, 'T');
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_Command1, BN_CLICKED), reinterpret_cast<LPARAM>(Control(IDC_Command1)));
  auto box = WaitForMessageBox(app.Pid());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, L"6,84");
  ASSERT_TRUE(box->Press(L"OK"));

  Click(IDC_Command4);  // "Disable All" frees both boxes and keeps what they hold
  EXPECT_FALSE(Ticked(IDC_Check2));
  EXPECT_TRUE(Editable(IDC_ccrpHotKey2));
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey2), Combination(HOTKEYF_ALT, VK_LEFT));
  ASSERT_NO_FATAL_FAILURE(Close());
}

TEST_F(SettingsDialog, TheScrollBarPicksTheIconAndTheTooltipBoxHoldsThirtyCharacters) {
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", "QVX5\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/\r\n\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  // The dialog's own icon is set beside the preview; Wine answers WM_GETICON from another
  // process with 0, so that one is looked at in the screenshots instead.
  HWND preview = Control(IDC_Picture1);
  const std::wstring exe = app.File(kMainExe);
  EXPECT_TRUE(WaitFor([&] { return PreviewLooksLike(preview, exe, L"QVX5", L"QVX6"); }))
      << "the preview does not show icon 5";
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(IconPosition(), 6);
  EXPECT_TRUE(WaitFor([&] { return PreviewLooksLike(preview, exe, L"QVX6", L"QVX5"); }))
      << "the preview did not follow to icon 6";
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(SettingsFile().substr(0, 6), "QVX6\r\n");

  // The ends of the scroll bar hold; the 31st character typed into the tooltip box is refused.
  ASSERT_NO_FATAL_FAILURE(Open());
  for (int i = 0; i < 20; ++i) Scroll(SB_LINEDOWN);
  EXPECT_EQ(IconPosition(), 17);
  Scroll(SB_TOP);
  Scroll(SB_LINEUP);
  EXPECT_EQ(IconPosition(), 1);
  for (int i = 0; i < 31; ++i) SendMessageW(Control(IDC_Text4), WM_CHAR, L'a' + i % 26, 1);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(SettingsFile(), "QVX1\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/\r\n"
                            "abcdefghijklmnopqrstuvwxyzabcd\r\n");
}

namespace {
// The user's shortcut folders, and names of this test run's own shortcuts.
struct ShortcutPlaces {
  std::wstring programs = qvx::KnownFolderPath(FOLDERID_Programs);
  std::wstring startup = qvx::KnownFolderPath(FOLDERID_Startup);
  std::wstring folder = programs + L"\\Quorvex";
  std::wstring Name(const std::wstring& base) const { return base + L" " + std::to_wstring(GetCurrentProcessId()); }
  std::wstring Programs(const std::wstring& name) const { return folder + L"\\" + name + L".lnk"; }
  std::wstring Startup(const std::wstring& name) const { return startup + L"\\" + name + L".lnk"; }
};
} // namespace

TEST_F(SettingsDialog, ShortcutsAreCreatedRenamedWithTheTooltipAndDeletedAsAsked) {
  const ShortcutPlaces places;
  ASSERT_FALSE(places.programs.empty());
  ASSERT_FALSE(places.startup.empty());
  const std::wstring first = places.Name(L"QVX Site"), second = places.Name(L"QVX Other");
  const std::wstring dirName = dir.Path().substr(dir.Path().find_last_of(L'\\') + 1);
  struct Cleanup {
    const ShortcutPlaces& p;
    std::vector<std::wstring> names;
    ~Cleanup() {
      for (const auto& n : names) {
        DeleteFileW(p.Programs(n).c_str());
        DeleteFileW(p.Startup(n).c_str());
      }
      RemoveDirectoryW(p.folder.c_str());  // only when empty
    }
  } cleanup{places, {first, second, dirName}};
  // A shortcut named after the program's directory, as a copy made by the creator has.
  CreateDirectoryW(places.folder.c_str(), nullptr);
  ASSERT_TRUE(WriteFileBytes(places.Programs(dirName), "old"));

  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_Text4, L"  " + first + L" ");
  Click(IDC_Check3);
  Click(IDC_Check4);
  ASSERT_NO_FATAL_FAILURE(Close());
  const std::wstring target = Lower(app.File(kMainExe));
  EXPECT_EQ(Lower(LinkTarget(places.Programs(first))), target);
  EXPECT_EQ(Lower(LinkTarget(places.Startup(first))), target);
  EXPECT_FALSE(Exists(places.Programs(dirName))) << "the directory-named shortcut stays";

  // The check boxes start unticked at every opening; unticked, nothing is touched.
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_FALSE(Ticked(IDC_Check3));
  EXPECT_FALSE(Ticked(IDC_Check4));
  SetText(IDC_Text4, second);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_TRUE(Exists(places.Programs(first)));
  EXPECT_TRUE(Exists(places.Startup(first)));
  EXPECT_FALSE(Exists(places.Programs(second)));
  EXPECT_FALSE(Exists(places.Startup(second)));

  // The old name is the tooltip at opening: a shortcut under an earlier name is no longer found.
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt", "QVX1\r\nIE\r\nEX\r\nhttp://x/\r\n" +
                                                    std::string(first.begin(), first.end()) + "\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_Text4, second);
  Click(IDC_Check3);
  Click(IDC_Check4);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_FALSE(Exists(places.Programs(first)));
  EXPECT_FALSE(Exists(places.Startup(first)));
  EXPECT_EQ(Lower(LinkTarget(places.Programs(second))), target);
  EXPECT_EQ(Lower(LinkTarget(places.Startup(second))), target);

  // An empty tooltip with "Start on Windows startup": the old shortcut goes, none is made.
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_Text4, L"   ");
  Click(IDC_Check4);
  RequestClose();
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(L"Unable to create Auto-Start Shortcut.\r\nShortcut name is missing.\r\n"
                                        L"Any existing Auto-Start Shortcut\r\nwill be deleted.",
                                        BoxIcon::Information));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_FALSE(Exists(places.Startup(second)));
  EXPECT_TRUE(Exists(places.Programs(second)));
  EXPECT_EQ(SettingsFile(), "QVX1\r\nIE\r\nEX\r\nhttp://x/\r\n\r\n");
}

TEST_F(SettingsDialog, ATooltipThatIsNotAFileNameCreatesNothing) {
  const ShortcutPlaces places;
  const std::wstring programsParent = places.programs.substr(0, places.programs.find_last_of(L'\\'));
  const std::wstring startupParent = places.startup.substr(0, places.startup.find_last_of(L'\\'));
  const bool folderExisted = Exists(places.folder);
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_Text4, L"..\\x");
  Click(IDC_Check3);
  Click(IDC_Check4);
  RequestClose();
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(
      L"Unable to create Program-Files Shortcut: the ToolTip cannot be used as a file name.", BoxIcon::Information));
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(
      L"Unable to create Auto-Start Shortcut: the ToolTip cannot be used as a file name.", BoxIcon::Information));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  for (const auto& path : {places.programs + L"\\x.lnk", programsParent + L"\\x.lnk", startupParent + L"\\x.lnk",
                           places.folder + L"\\..\\x.lnk"}) {
    EXPECT_FALSE(Exists(path)) << std::string(path.begin(), path.end());
  }
  EXPECT_EQ(Exists(places.folder), folderExisted);
  EXPECT_NE(SettingsFile().find("\r\n..\\x\r\n"), std::string::npos) << "the tooltip itself is still saved";
}

TEST_F(SettingsDialog, ASettingsFileThatCannotBeWrittenIsReportedAndTheDialogStillCloses) {
  ASSERT_NO_FATAL_FAILURE(Start());
  // A folder where the hotkey file should be: it can be neither read nor replaced.
  DeleteFileW(app.File(L"hotkeysetup.txt").c_str());
  ASSERT_TRUE(CreateDirectoryW(app.File(L"hotkeysetup.txt").c_str(), nullptr));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(Hotkey(IDC_ccrpHotKey1), 0);
  EXPECT_FALSE(Ticked(IDC_Check1));
  SetText(IDC_Text2, L"newsite");
  RequestClose();
  ASSERT_NO_FATAL_FAILURE(ExpectMessage(
      L"The settings could not be saved.\r\nThe program's directory may not be writable.", BoxIcon::Exclamation));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog did not close";
  EXPECT_NE(SettingsFile().find("\r\nNEWSITE\r\n"), std::string::npos);
  EXPECT_TRUE(app.Proc().IsRunning());
  RemoveDirectoryW(app.File(L"hotkeysetup.txt").c_str());
}

TEST_F(SettingsDialog, TheNewHotkeyActsOnceTheAboutWindowIsClosed) {
  // The Launch URL names a second copy of the program, so that a launch shows as that copy's
  // status file.
  TempDir launchedDir;
  QuorvexApp launched(launchedDir.Path());
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n0\r\n0\r\n0\r\n"));  // Ctrl+Alt+J
  ASSERT_NO_FATAL_FAILURE(Open());
  SetText(IDC_Text1, launched.File(kMainExe));
  Click(IDC_Check1);
  SetHotkey(IDC_ccrpHotKey1, HOTKEYF_CONTROL | HOTKEYF_ALT, 'T');
  Click(IDC_Check1);
  ASSERT_NO_FATAL_FAILURE(Close());
  EXPECT_EQ(app.Read(L"hotkeysetup.txt"), "3\r\n84\r\n1\r\n0\r\n0\r\n0\r\n");
  EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'T')) << "the dialog registers no hotkey itself";

  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app.WaitUntilInTray());
  EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'T')) << "the new combination is not registered";
  EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_ALT, 'J')) << "the old combination is still held";

  PressChord({VK_CONTROL, VK_MENU, 'T'});
  EXPECT_TRUE(WaitFor([&] { return launched.Read(L"QuorvexStatus.txt") == "1\r\n"; }))
      << "the hotkey did not launch the new Launch URL";
  // End the launched copy through its own menu command, once its start-up is over.
  std::pair<DWORD, HWND> launchedSearch{app.Pid(), nullptr};
  HWND launchedWindow = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    EnumWindows([](HWND w, LPARAM found) -> BOOL {
      if (ClassOf(w) == kMainWindowClass && GetPropW(w, L"QuorvexInTray")) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        auto* result = reinterpret_cast<std::pair<DWORD, HWND>*>(found);
        if (pid != result->first) result->second = w;
      }
      return TRUE;
    }, reinterpret_cast<LPARAM>(&launchedSearch));
    return (launchedWindow = launchedSearch.second) != nullptr;
  }));
  PostMessageW(launchedWindow, WM_COMMAND, MAKEWPARAM(IDM_mnuExit, 0), 0);
  EXPECT_TRUE(WaitFor([&] { return launched.Read(L"QuorvexStatus.txt") == "0\r\n"; }));
}

// True when the window shows more than one colour on the screen, that is it has been painted.
bool LooksPainted(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HDC screen = GetDC(nullptr);
  const COLORREF first = GetPixel(screen, r.left + 1, r.top + 1);
  bool varied = false;
  for (LONG y = r.top + 1; y < r.bottom && !varied; y += 2) {
    for (LONG x = r.left + 1; x < r.right && !varied; x += 2) varied = GetPixel(screen, x, y) != first;
  }
  ReleaseDC(nullptr, screen);
  return varied;
}

// A picture to look at (run under the test bed with --dpi 144 for the large-font one).
TEST_F(SettingsDialog, TakesAScreenshot) {
  ASSERT_TRUE(app.Write(L"QuorvexSettings.txt",
                        "QVX4\r\nINTERNET EXPLORER\r\nEXAMPLE\r\nhttps://www.example.com/\r\nExample Site\r\n"));
  ASSERT_TRUE(app.Write(L"hotkeysetup.txt", "2\r\n76\r\n1\r\n6\r\n84\r\n0\r\n"));
  ASSERT_NO_FATAL_FAILURE(Open());
  SetForegroundWindow(dialog);
  // The controls paint one after another; the last one of the dialog is the "Disable All" button.
  WaitFor([&] { return LooksPainted(Control(IDC_Command4)); });
  const std::wstring path = ScreenshotPath(L"settings-dialog.png");
  Screenshot(path, dialog);
  // Wine may hand the picture-taking to the Unix side and return at once: wait for the file.
  EXPECT_TRUE(WaitFor([&] {
    const auto bytes = ReadFileBytes(path);
    return bytes && bytes->size() > 8 && bytes->substr(1, 3) == "PNG";
  })) << "no screenshot";
  ASSERT_NO_FATAL_FAILURE(Close());
}
