#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main/settings_dialog/dialog_values.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/settings_dialog/hotkey_check_box.h"
#include "main/settings_dialog/icon_choice.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings_dialog/shortcut_steps.h"

using namespace qvx;

TEST(ModifierSwap, TradesAltAndShiftBothWaysAndKeepsTheRest) {
  EXPECT_EQ(SwapModifiers(1), 4);  // Shift in the control is RegisterHotKey's MOD_SHIFT 4
  EXPECT_EQ(SwapModifiers(4), 1);
  EXPECT_EQ(SwapModifiers(3), 6);
  EXPECT_EQ(SwapModifiers(6), 3);
  for (int same : {0, 2, 5, 7, 8, 9, 12, 14, 255}) EXPECT_EQ(SwapModifiers(same), same) << same;
  for (int v = 0; v < 256; ++v) EXPECT_EQ(SwapModifiers(SwapModifiers(v)), v);
}

TEST(ReservedHotkeys, ListHasItsThirtyThreeRowsInOrder) {
  const Lines rows = ReservedHotkeyRows();
  ASSERT_EQ(rows.size(), 33u);
  EXPECT_EQ(rows.front(), L"2,123");
  EXPECT_EQ(rows[6], L"3,123");   // Ctrl+Shift+F12 a second time
  EXPECT_EQ(rows[12], L"0,120");
  EXPECT_EQ(rows[27], L"0,120");  // F9 a second time
  EXPECT_EQ(rows[28], L"12,37");
  EXPECT_EQ(rows.back(), L"3,219");
}

TEST(ReservedHotkeys, RestrictedHotkeyOverTheWholeList) {
  const Lines rows = ReservedHotkeyRows();
  for (const auto& row : rows) {
    const auto comma = row.find(L',');
    const auto m = static_cast<std::int16_t>(std::stoi(row.substr(0, comma)));
    const auto k = static_cast<std::int16_t>(std::stoi(row.substr(comma + 1)));
    EXPECT_TRUE(RestrictedHotkey(rows, m, k)) << std::string(row.begin(), row.end());
  }
  EXPECT_TRUE(RestrictedHotkey(rows, 12, 37));   // Alt+Left with the extended-key flag
  EXPECT_FALSE(RestrictedHotkey(rows, 4, 37));   // the same without it
  EXPECT_TRUE(RestrictedHotkey(rows, 0, 120));   // F9
  EXPECT_FALSE(RestrictedHotkey(rows, 1, 123));  // Shift+F12
  EXPECT_TRUE(RestrictedHotkey(rows, 2, 67));    // Ctrl+C
  EXPECT_FALSE(RestrictedHotkey(rows, 6, 84));   // Ctrl+Alt+T
  EXPECT_FALSE(RestrictedHotkey(rows, 0, 0));    // an empty box
  EXPECT_FALSE(RestrictedHotkey({}, 2, 67));     // the list is empty until the dialog has opened
  // Rows are read by their leading numbers, as typed rows would be.
  EXPECT_TRUE(RestrictedHotkey({L" 2.0,67x"}, 2, 67));
  EXPECT_FALSE(RestrictedHotkey({L"267"}, 2, 67));
}

TEST(IconChoice, ConvIntReadsTheDigitsOfAName) {
  EXPECT_EQ(ConvInt(L"QVX12"), 12);
  EXPECT_EQ(ConvInt(L"QVX05"), 5);
  EXPECT_EQ(ConvInt(L"Q1V7X"), 17);
  EXPECT_EQ(ConvInt(L"QVX"), 0);
  EXPECT_EQ(ConvInt(L""), 0);
  EXPECT_EQ(ConvInt(L"QVX123456789"), 32767);
  EXPECT_EQ(IconName(6), L"QVX6");
}

TEST(IconChoice, OpeningNumberFallsBackToIconOne) {
  EXPECT_EQ(OpeningIconNumber(L"QVX17"), 17);
  EXPECT_EQ(OpeningIconNumber(L"qvx07"), 7);
  EXPECT_EQ(OpeningIconNumber(L"QVX18"), 1);
  EXPECT_EQ(OpeningIconNumber(L"QVX0"), 1);
  EXPECT_EQ(OpeningIconNumber(L"none"), 1);
  EXPECT_EQ(OpeningIconNumber(L""), 1);
}

TEST(DialogOpening, HotkeysAreSwappedAndOnlyAnExactOneTicks) {
  const Lines file{L"1", L"65", L"1", L"6", L"84", L" 1"};
  const auto launch = OpeningHotkey(file, false);
  EXPECT_EQ(launch.Modifiers, 4);  // Alt in the file is Alt (4) in the control
  EXPECT_EQ(launch.KeyCode, 65);
  EXPECT_TRUE(launch.Enabled);
  const auto toggle = OpeningHotkey(file, true);
  EXPECT_EQ(toggle.Modifiers, 3);
  EXPECT_EQ(toggle.KeyCode, 84);
  EXPECT_FALSE(toggle.Enabled);
  EXPECT_FALSE(OpeningHotkey({L"0", L"0", L"1.0"}, false).Enabled);
  EXPECT_EQ(OpeningHotkey({L"12", L"37", L"0"}, false).Modifiers, 12);
}

TEST(DialogOpening, BadOrMissingLinesGiveEmptyBoxes) {
  for (const Lines& file : {Lines{L"x", L"65"}, Lines{L"2", L"256"}, Lines{L"-1", L"65"}, Lines{L"2"}, Lines{}}) {
    const auto v = OpeningHotkey(file, false);
    EXPECT_EQ(v.Modifiers, 0);
    EXPECT_EQ(v.KeyCode, 0);
    EXPECT_FALSE(v.Enabled);
  }
  const auto texts = OpeningTexts({L"QVX2", L" ie ", L"site"});
  EXPECT_EQ(texts.Text3, L" ie ");
  EXPECT_EQ(texts.Text2, L"site");
  EXPECT_EQ(texts.Text1, L"");
  EXPECT_EQ(texts.Text4, L"");
}

TEST(DialogSaving, TextsAreTrimmedKeywordsUpperCasedAndStateFollows) {
  SharedState state;
  DialogContents d;
  d.TrayIconName = L"QVX6";
  d.Texts = {L"  http://Example.com/Page  ", L" example ", L"internet explorer ", L"  My Site "};
  d.Launch = {4, 84, true};   // Alt+T in the control
  d.Toggle = {1, 65, true};   // Shift+A
  const auto saved = SaveDialog(d, state);
  EXPECT_EQ(saved.SettingsFile,
            (Lines{L"QVX6", L"INTERNET EXPLORER", L"EXAMPLE", L"http://Example.com/Page", L"My Site"}));
  EXPECT_EQ(saved.HotkeyFile, (Lines{L"1", L"84", L"1", L"4", L"65", L"1"}));
  EXPECT_EQ(state.LaunchURL, L"http://Example.com/Page");
  EXPECT_EQ(state.URLKeyword, L"EXAMPLE");
  EXPECT_EQ(state.BrowserTextKeyword, L"INTERNET EXPLORER");
  EXPECT_EQ(state.TrayTooltip, L"My Site");
  EXPECT_EQ(state.TrayIconName, L"QVX6");
  EXPECT_EQ(state.LaunchHotkeyModifiers, 1);
  EXPECT_EQ(state.ToggleHotkeyModifiers, 4);
}

TEST(DialogSaving, UntickedHotkeyKeepsItsLastSavedCombination) {
  SharedState state;
  state.LaunchHotkeyModifiers = 2;
  state.LaunchHotkeyKey = 76;
  DialogContents d;
  d.Launch = {4, 90, false};  // typed but not enabled: lost
  d.Toggle = {12, 39, true};  // extended flag: written as the control reports it
  const auto saved = SaveDialog(d, state);
  EXPECT_EQ(saved.HotkeyFile, (Lines{L"2", L"76", L"0", L"12", L"39", L"1"}));
  EXPECT_EQ(state.LaunchHotkeyKey, 76);
}

namespace {
struct FakeEntry : HotkeyEntryBox {
  std::uint8_t m = 0, k = 0;
  bool entryEnabled = true, tick = false;
  int messages = 0, enableCalls = 0;
  std::uint8_t Modifiers() const override { return m; }
  std::uint8_t KeyCode() const override { return k; }
  void SetCombination(std::uint8_t mm, std::uint8_t kk) override { m = mm; k = kk; }
  void SetEntryEnabled(bool e) override { entryEnabled = e; ++enableCalls; }
  void ShowTick(bool t) override { tick = t; }
  void ShowReservedMessage() override { ++messages; }
};
} // namespace

TEST(EnabledBox, AcceptedCombinationIsFrozenAndUntickFreesIt) {
  const Lines reserved = ReservedHotkeyRows();
  FakeEntry entry;
  entry.m = 6;  // Ctrl+Alt+T
  entry.k = 84;
  EnabledCheckBox box(entry, reserved);
  box.SetTicked(false);  // same value: the handler does not run
  EXPECT_EQ(entry.enableCalls, 0);
  box.UserClicked();
  EXPECT_TRUE(box.Ticked());
  EXPECT_TRUE(entry.tick);
  EXPECT_FALSE(entry.entryEnabled);
  box.SetTicked(true);
  EXPECT_EQ(entry.enableCalls, 1);
  box.UserClicked();
  EXPECT_FALSE(entry.tick);
  EXPECT_TRUE(entry.entryEnabled);
  EXPECT_EQ(entry.messages, 0);
}

TEST(EnabledBox, ReservedCombinationIsRefusedOnceAndEmptied) {
  Lines reserved;  // empty while the dialog opens
  FakeEntry entry;
  entry.m = 2;  // Ctrl+C
  entry.k = 67;
  EnabledCheckBox box(entry, reserved);
  box.SetTicked(true);  // opening with a stored enabled hotkey: accepted as it is
  EXPECT_TRUE(box.Ticked());
  EXPECT_EQ(entry.messages, 0);
  box.SetTicked(false);
  reserved = ReservedHotkeyRows();  // filled last at opening
  box.UserClicked();
  EXPECT_EQ(entry.messages, 1);
  EXPECT_EQ(entry.m, 0);
  EXPECT_EQ(entry.k, 0);
  EXPECT_FALSE(box.Ticked());
  EXPECT_FALSE(entry.tick);
  EXPECT_TRUE(entry.entryEnabled);
  box.UserClicked();  // the emptied box is accepted
  EXPECT_TRUE(box.Ticked());
  EXPECT_EQ(entry.messages, 1);
}

TEST(ShortcutNames, OnlyPlainFileNamesPass) {
  for (const wchar_t* good : {L"My Site", L"Site.v2", L" leading", L"a", L"COMPANY", L"Console", L"LPT0"}) {
    EXPECT_TRUE(IsPlainFileName(good)) << std::wstring(good).size();
  }
  for (const wchar_t* bad : {L"", L".", L"..", L"..\\x", L"a/b", L"C:", L"what?", L"a*", L"\"q\"", L"<x>",
                             L"a|b", L"dot.", L"blank ", L"tab\t", L"CON", L"nul.txt", L"Com1", L"lpt9 "}) {
    EXPECT_FALSE(IsPlainFileName(bad)) << std::wstring(bad).size();
  }
  EXPECT_FALSE(IsPlainFileName(std::wstring(L"a\0b", 3)));
}

namespace {
// A file system of paths in memory that records what the steps did.
struct FakeShell : ShortcutPlatform {
  std::wstring programs = L"C:\\P", startup = L"C:\\S";
  std::vector<std::wstring> files, folders{L"C:\\P", L"C:\\S"}, removed, messages;
  std::vector<std::pair<std::wstring, std::wstring>> saved;
  bool saveWorks = true;
  static bool Has(const std::vector<std::wstring>& v, const std::wstring& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
  }
  std::wstring FolderPath(int csidl) override { return csidl == kCsidlPrograms ? programs : startup; }
  bool FileExists(const std::wstring& p) override { return Has(files, p); }
  void RemoveFile(const std::wstring& p) override {
    removed.push_back(p);
    files.erase(std::remove(files.begin(), files.end(), p), files.end());
  }
  bool DirectoryExists(const std::wstring& p) override { return Has(folders, p); }
  bool MakeFolder(const std::wstring& p) override { folders.push_back(p); return true; }
  bool SaveShortcut(const std::wstring& link, const std::wstring& target) override {
    if (!saveWorks) return false;
    saved.emplace_back(link, target);
    files.push_back(link);
    return true;
  }
  void Inform(const wchar_t* text) override { messages.push_back(text); }
};
} // namespace

TEST(ShortcutSteps, RenameDeletesOldAndDirectoryNamedThenCreatesInNewFolder) {
  FakeShell fs;
  fs.files = {L"C:\\P\\Quorvex\\ Old.lnk", L"C:\\P\\Quorvex\\Site.lnk", L"C:\\S\\ Old.lnk", L"C:\\S\\Other.lnk"};
  fs.folders.push_back(L"C:\\P\\Quorvex");
  RunShortcutSteps({true, true, L"  New  ", L" Old", L"D:\\Apps\\Site\\"}, fs);
  EXPECT_EQ(fs.removed, (std::vector<std::wstring>{L"C:\\P\\Quorvex\\ Old.lnk", L"C:\\P\\Quorvex\\Site.lnk",
                                                   L"C:\\S\\ Old.lnk"}));
  ASSERT_EQ(fs.saved.size(), 2u);
  EXPECT_EQ(fs.saved[0].first, L"C:\\P\\Quorvex\\New.lnk");
  EXPECT_EQ(fs.saved[0].second, L"D:\\Apps\\Site\\Quorv114.exe");
  EXPECT_EQ(fs.saved[1].first, L"C:\\S\\New.lnk");
  EXPECT_TRUE(fs.messages.empty());

  FakeShell fresh;  // no "Quorvex" folder yet, program at a drive root
  RunShortcutSteps({true, false, L"New", L"", L"E:\\"}, fresh);
  EXPECT_TRUE(FakeShell::Has(fresh.folders, L"C:\\P\\Quorvex"));
  ASSERT_EQ(fresh.saved.size(), 1u);
  EXPECT_EQ(fresh.saved[0].second, L"E:\\Quorv114.exe");
  EXPECT_TRUE(fresh.removed.empty());
}

TEST(ShortcutSteps, NothingTickedTouchesNothing) {
  FakeShell fs;
  fs.files = {L"C:\\S\\Old.lnk"};
  RunShortcutSteps({false, false, L"New", L"Old", L"D:\\Site"}, fs);
  EXPECT_TRUE(fs.removed.empty());
  EXPECT_TRUE(fs.saved.empty());
  EXPECT_TRUE(fs.messages.empty());
}

TEST(ShortcutSteps, EmptyNameDeletesOldAndSaysSoInFourLines) {
  FakeShell fs;
  fs.files = {L"C:\\S\\Old.lnk", L"C:\\P\\Quorvex\\Old.lnk"};
  RunShortcutSteps({true, true, L"   ", L"Old", L"D:\\Site"}, fs);
  EXPECT_EQ(fs.removed.size(), 2u);
  EXPECT_TRUE(fs.saved.empty());
  EXPECT_EQ(fs.messages, (std::vector<std::wstring>{kProgramsNameMissingText, kAutoStartNameMissingText}));
}

TEST(ShortcutSteps, NamesThatAreNotPlainNeverReachTheFileSystem) {
  FakeShell fs;
  fs.files = {L"C:\\S\\x.lnk", L"C:\\x.lnk"};
  RunShortcutSteps({true, true, L"..\\x", L"..\\x", L"D:\\Site"}, fs);
  EXPECT_TRUE(fs.removed.empty());
  EXPECT_TRUE(fs.saved.empty());
  EXPECT_EQ(fs.folders.size(), 2u);
  EXPECT_EQ(fs.messages, (std::vector<std::wstring>{kProgramsBadNameText, kAutoStartBadNameText}));
}

TEST(ShortcutSteps, FailuresAreReportedInOneLine) {
  FakeShell fs;
  fs.saveWorks = false;
  RunShortcutSteps({true, true, L"New", L"", L"D:\\Site"}, fs);  // the "Quorvex" folder is made first
  EXPECT_EQ(fs.messages, (std::vector<std::wstring>{kProgramsFailedText, kAutoStartFailedText}));

  FakeShell lost;  // special folders not found: nothing is made at the root of a drive
  lost.programs.clear();
  lost.startup.clear();
  lost.files = {L"\\Quorvex\\Old.lnk"};
  RunShortcutSteps({true, true, L"New", L"Old", L"D:\\Site"}, lost);
  EXPECT_TRUE(lost.removed.empty());
  EXPECT_TRUE(lost.saved.empty());
  EXPECT_EQ(lost.folders.size(), 2u);
  EXPECT_EQ(lost.messages, (std::vector<std::wstring>{kProgramsFailedText, kAutoStartFailedText}));
}
