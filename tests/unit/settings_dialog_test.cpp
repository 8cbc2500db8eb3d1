#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "common/scroll_value.h"
#include "main/settings_dialog/dialog_values.h"
#include "main/settings_dialog/hotkey_enabled_box.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings_dialog/shortcut_steps.h"

using namespace qvx;

TEST(Hotkeys, ModifierSwapReservedLookupAndUnreadableLinesOpeningEmpty) {
  // Shift and Alt trade places between the control (1 Shift, 4 Alt) and RegisterHotKey (4 Shift,
  // 1 Alt); Ctrl stays; swapping twice gives every value back.
  EXPECT_EQ(SwapModifiers(1 | 2), 4 | 2);
  EXPECT_EQ(SwapModifiers(4), 1);
  for (int value = 0; value < 256; ++value) EXPECT_EQ(SwapModifiers(SwapModifiers(value)), value) << value;
  // The extended-key flag must match: Alt+Left is reserved as the control reports it (with the flag) only.
  EXPECT_TRUE(IsReservedHotkey(kReservedHotkeys, {12, 37}));
  EXPECT_FALSE(IsReservedHotkey(kReservedHotkeys, {4, 37}));
  EXPECT_FALSE(IsReservedHotkey(kReservedHotkeys, {0, 0}));
  for (const Lines& bad : {Lines{L"x", L"65", L"1"}, Lines{L"2", L"256"}, Lines{L"-1", L"65"}, Lines{L"2"}, Lines{}}) {
    const auto v = OpeningHotkey(bad, false);
    EXPECT_EQ(std::tuple(v.Combination.Modifiers, v.Combination.KeyCode), std::tuple(0, 0)) << bad.size();
  }
}

TEST(DialogSaving, UnstorableTextKeepsItsOldLineAndTheStateAndShortcutNameFollowWhatIsStored) {
  ProgramSettings settings;
  const DialogContents d{L"QVX6", {L" http://a/ ", L" ex\x3A9", L"ie", L"\x3A9 tip"}, {{4, 84}, false}, {{1, 65}, true}};
  const Lines opening{L"QVX1", L"X", L" old ", L"u", L" t "};
  auto holds = [](std::wstring_view text) { return text.find(L'\x3A9') == std::wstring_view::npos; };
  const auto saved = SaveDialog(d, opening, settings, holds);
  EXPECT_EQ(saved.SettingsFile, (Lines{L"QVX6", L"IE", L" old ", L"http://a/", L" t "}));
  EXPECT_EQ(saved.Refused, (std::vector{TextBox::UrlKeyword, TextBox::Tooltip}));
  EXPECT_EQ(std::tuple(saved.Tooltip, settings.urlKeyword, settings.launchUrl), std::tuple(L" t ", L" old ", L"http://a/"));
  EXPECT_NE(RefusedTextMessage(saved.Refused).find(L"\r\nURL Keyword\r\nToolTip\r\n"), std::wstring::npos);
}

namespace {
struct FakeEntry : HotkeyEntryBox {
  HotkeyCombination combination{2, 67};  // Ctrl+C
  bool entryEnabled = true, tick = false;
  int messages = 0, enableCalls = 0;
  HotkeyCombination Combination() const override { return combination; }
  void SetCombination(HotkeyCombination c) override { combination = c; }
  void SetEntryEnabled(bool e) override { entryEnabled = e, ++enableCalls; }
  void ShowTick(bool t) override { tick = t; }
  void ShowReservedMessage() override { ++messages; }
};
} // namespace

TEST(EnabledBox, CodeRunsTheHandlerOnlyOnAChangeAndReservedCombinationsAreRefusedOnceArmed) {
  FakeEntry entry;
  HotkeyEnabledBox box(entry);
  box.SetTicked(false);  // same value: the handler does not run
  EXPECT_EQ(entry.enableCalls, 0);
  box.SetTicked(true);  // opening with a stored enabled hotkey: accepted as it is
  EXPECT_EQ(std::tuple(entry.tick, entry.entryEnabled, entry.messages), std::tuple(true, false, 0));
  box.SetTicked(false);
  box.RefuseFromNowOn(kReservedHotkeys);
  box.UserClicked();  // one message: the nested untick asks nothing
  EXPECT_EQ(std::tuple(entry.messages, entry.combination.Modifiers, entry.combination.KeyCode), std::tuple(1, 0, 0));
  EXPECT_EQ(std::tuple(box.Ticked(), entry.tick, entry.entryEnabled), std::tuple(false, false, true));
}

TEST(IconScrollBar, StepsClampAndJump) {
  using R = ScrollRequest;  // arrows and track step by one, the thumb and the ends jump, nothing leaves 1..17
  for (auto [from, request, thumb, to] : {std::tuple{5, int(R::LineDown), 0, 6}, {5, int(R::PageUp), 0, 4},
                                          {5, int(R::ThumbTrack), 12, 12}, {5, int(R::Bottom), 0, 17},
                                          {2, int(R::Top), 0, 1}, {17, int(R::LineDown), 0, 0}, {5, 8, 0, 0}}) {
    EXPECT_EQ(ScrollValue(from, request, thumb, 1, 17).value_or(0), to) << from << " " << request;
  }
}

TEST(ShortcutNames, OnlyPlainFileNamesPass) {
  for (const wchar_t* good : {L"My Site", L"Site.v2", L" lead", L"Console", L"LPT0"}) EXPECT_TRUE(IsPlainFileName(good));
  for (const wchar_t* bad : {L"", L".", L"..", L"..\\x", L"a/b", L"C:", L"what?", L"a*", L"\"q\"", L"<x>", L"a|b",
                             L"dot.", L"blank ", L"tab\t", L"CON", L"nul.txt", L"Com1", L"lpt9 "}) {
    EXPECT_FALSE(IsPlainFileName(bad)) << std::wstring(bad).size();
  }
}

namespace {
using Texts = std::vector<std::wstring>;
// A file system of paths in memory that records what the steps did.
struct FakeShell : ShortcutPlatform {
  std::wstring programs = L"C:\\P", startup = L"C:\\S";
  Texts files{L"C:\\S\\x.lnk", L"C:\\P\\Quorvex\\x.lnk", L"C:\\P\\Quorvex\\Site.lnk", L"C:\\x.lnk", L"\\Quorvex\\x.lnk"};
  Texts folders{L"C:\\P", L"C:\\S"}, removed, saved, messages;
  bool saveWorks = true;
  static bool Has(const Texts& v, const std::wstring& s) { return std::find(v.begin(), v.end(), s) != v.end(); }
  std::wstring FolderPath(ShortcutFolder f) override { return f == ShortcutFolder::Startup ? startup : programs; }
  bool FileExists(const std::wstring& p) override { return Has(files, p); }
  void RemoveFile(const std::wstring& p) override { removed.push_back(p); }
  bool DirectoryExists(const std::wstring& p) override { return Has(folders, p); }
  bool MakeFolder(const std::wstring& p) override { return folders.push_back(p), true; }
  bool SaveShortcut(const std::wstring& link, const std::wstring& target) override {
    if (saveWorks) saved.push_back(link + L">" + target);
    return saveWorks;
  }
  void Inform(const wchar_t* text) override { messages.push_back(text); }
};
} // namespace

TEST(ShortcutSteps, OldAndDirectoryNamedLinksGoNewOnesComeAndFailuresAreReported) {
  FakeShell fs, empty, bad, failing, lost;
  RunShortcutSteps({true, true, L"  New  ", L"x", L"D:\\Apps\\Site\\"}, fs);
  EXPECT_EQ(fs.removed, (Texts{L"C:\\P\\Quorvex\\x.lnk", L"C:\\P\\Quorvex\\Site.lnk", L"C:\\S\\x.lnk"}));
  EXPECT_EQ(fs.folders.back(), L"C:\\P\\Quorvex");
  EXPECT_EQ(fs.saved, (Texts{L"C:\\P\\Quorvex\\New.lnk>D:\\Apps\\Site\\Quorv114.exe",
                             L"C:\\S\\New.lnk>D:\\Apps\\Site\\Quorv114.exe"}));
  EXPECT_TRUE(fs.messages.empty());
  RunShortcutSteps({true, true, L"   ", L"x", L"D:\\Site"}, empty);
  EXPECT_EQ(std::pair(empty.removed.size(), empty.saved.size()), std::pair(3ul, 0ul));
  EXPECT_EQ(empty.messages, (Texts{kProgramsNameMissingText, kAutoStartNameMissingText}));
  RunShortcutSteps({true, true, L"..\\x", L"..\\x", L"D:\\Site"}, bad);
  EXPECT_EQ(std::tuple(bad.removed, bad.saved.size(), bad.folders.size()),  // only the directory-named link goes
            std::tuple(Texts{L"C:\\P\\Quorvex\\Site.lnk"}, 0ul, 2ul));
  EXPECT_EQ(bad.messages, (Texts{kProgramsBadNameText, kAutoStartBadNameText}));
  failing.saveWorks = false;
  RunShortcutSteps({true, true, L"New", L"", L"D:\\Site"}, failing);
  EXPECT_EQ(failing.messages, (Texts{kProgramsFailedText, kAutoStartFailedText}));
  lost.programs = lost.startup = L"";  // special folders not found: nothing is made at the root of a drive
  RunShortcutSteps({true, true, L"New", L"x", L"D:\\Site"}, lost);
  EXPECT_EQ(std::tuple(lost.removed.size(), lost.saved.size(), lost.folders.size()), std::tuple(0ul, 0ul, 2ul));
  EXPECT_EQ(lost.messages, (Texts{kProgramsFailedText, kAutoStartFailedText}));
}
