#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "main/settings_dialog/dialog_values.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/settings_dialog/hotkey_check_box.h"
#include "main/settings_dialog/icon_choice.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings_dialog/shortcut_steps.h"

using namespace qvx;

TEST(ModifierSwap, TradesAltAndShiftBothWaysAndKeepsTheRest) {
  for (auto [from, to] : {std::pair{1, 4}, {4, 1}, {3, 6}, {6, 3}}) EXPECT_EQ(SwapModifiers(from), to) << from;
  for (int same : {0, 2, 5, 7, 8, 9, 12, 14, 255}) EXPECT_EQ(SwapModifiers(same), same) << same;
}

TEST(ReservedHotkeys, RestrictedHotkeyOverTheWholeList) {
  const Lines rows = ReservedHotkeyRows();
  ASSERT_EQ(rows.size(), 33u);
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
  EXPECT_FALSE(RestrictedHotkey(rows, 0, 0));    // an empty box
  EXPECT_FALSE(RestrictedHotkey({}, 2, 67));     // the list is empty until the dialog has opened
  // Rows are read by their leading numbers, as typed rows would be.
  EXPECT_TRUE(RestrictedHotkey({L" 2.0,67x"}, 2, 67));
  EXPECT_FALSE(RestrictedHotkey({L"267"}, 2, 67));
}

TEST(IconChoice, ConvIntReadsTheDigitsAndOpeningFallsBackToIconOne) {
  for (auto [name, value] : {std::pair{L"QVX12", 12}, {L"QVX05", 5}, {L"Q1V7X", 17}, {L"QVX", 0}, {L"", 0},
                             {L"QVX123456789", 32767}}) {
    EXPECT_EQ(ConvInt(name), value) << value;
  }
  for (auto [name, value] : {std::pair{L"QVX17", 17}, {L"qvx07", 7}, {L"QVX18", 1}, {L"QVX0", 1}, {L"none", 1}}) {
    EXPECT_EQ(OpeningIconNumber(name), value) << value;
  }
}

TEST(DialogOpening, HotkeysAreSwappedOnlyAnExactOneTicksAndBadLinesGiveEmptyBoxes) {
  const Lines file{L"1", L"65", L"1", L"6", L"84", L" 1"};
  const auto launch = OpeningHotkey(file, false);
  const auto toggle = OpeningHotkey(file, true);
  EXPECT_EQ(std::tuple(launch.Modifiers, launch.KeyCode, launch.Enabled), std::tuple(4, 65, true));
  EXPECT_EQ(std::tuple(toggle.Modifiers, toggle.KeyCode, toggle.Enabled), std::tuple(3, 84, false));
  EXPECT_FALSE(OpeningHotkey({L"0", L"0", L"1.0"}, false).Enabled);
  for (const Lines& bad : {Lines{L"x", L"65"}, Lines{L"2", L"256"}, Lines{L"-1", L"65"}, Lines{L"2"}, Lines{}}) {
    const auto v = OpeningHotkey(bad, false);
    EXPECT_EQ(std::tuple(v.Modifiers, v.KeyCode, v.Enabled), std::tuple(0, 0, false));
  }
}

TEST(DialogSaving, TextsAreTrimmedKeywordsUpperCasedAndAnUntickedHotkeyKeepsItsLastCombination) {
  SharedState state;
  state.LaunchHotkeyModifiers = 2;
  state.LaunchHotkeyKey = 76;
  DialogContents d;
  d.TrayIconName = L"QVX6";
  d.Texts = {L"  http://Example.com/Page  ", L" example ", L"internet explorer ", L"  My Site "};
  d.Launch = {4, 84, false};  // Alt+T in the control, typed but not enabled: lost
  d.Toggle = {1, 65, true};   // Shift+A
  const auto saved = SaveDialog(d, state);
  EXPECT_EQ(saved.SettingsFile,
            (Lines{L"QVX6", L"INTERNET EXPLORER", L"EXAMPLE", L"http://Example.com/Page", L"My Site"}));
  EXPECT_EQ(saved.HotkeyFile, (Lines{L"2", L"76", L"0", L"4", L"65", L"1"}));
  EXPECT_EQ(state.LaunchURL, L"http://Example.com/Page");
  EXPECT_EQ(state.URLKeyword, L"EXAMPLE");
  EXPECT_EQ(state.TrayTooltip, L"My Site");
  EXPECT_EQ(state.LaunchHotkeyKey, 76);
  EXPECT_EQ(state.ToggleHotkeyModifiers, 4);
}

namespace {
struct FakeEntry : HotkeyEntryBox {
  std::uint8_t m = 2, k = 67;  // Ctrl+C
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

TEST(EnabledBox, CodeRunsTheHandlerOnlyOnAChangeAndTheReservedListCountsOnceFilled) {
  Lines reserved;  // empty while the dialog opens
  FakeEntry entry;
  EnabledCheckBox box(entry, reserved);
  box.SetTicked(false);  // same value: the handler does not run
  EXPECT_EQ(entry.enableCalls, 0);
  box.SetTicked(true);  // opening with a stored enabled hotkey: accepted as it is
  EXPECT_TRUE(entry.tick);
  EXPECT_FALSE(entry.entryEnabled);
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
using Saved = std::vector<std::pair<std::wstring, std::wstring>>;
using Texts = std::vector<std::wstring>;
} // namespace

TEST(ShortcutSteps, RenameDeletesTheUntrimmedOldAndTheDirectoryNamedOneThenCreates) {
  FakeShell fs;
  fs.files = {L"C:\\P\\Quorvex\\ Old.lnk", L"C:\\P\\Quorvex\\Site.lnk", L"C:\\S\\ Old.lnk", L"C:\\S\\Other.lnk"};
  fs.folders.push_back(L"C:\\P\\Quorvex");
  RunShortcutSteps({true, true, L"  New  ", L" Old", L"D:\\Apps\\Site\\"}, fs);
  EXPECT_EQ(fs.removed, (Texts{L"C:\\P\\Quorvex\\ Old.lnk", L"C:\\P\\Quorvex\\Site.lnk", L"C:\\S\\ Old.lnk"}));
  EXPECT_EQ(fs.saved, (Saved{{L"C:\\P\\Quorvex\\New.lnk", L"D:\\Apps\\Site\\Quorv114.exe"},
                             {L"C:\\S\\New.lnk", L"D:\\Apps\\Site\\Quorv114.exe"}}));
  EXPECT_TRUE(fs.messages.empty());

  FakeShell fresh;  // no "Quorvex" folder yet, program at a drive root
  RunShortcutSteps({true, false, L"New", L"", L"E:\\"}, fresh);
  EXPECT_TRUE(FakeShell::Has(fresh.folders, L"C:\\P\\Quorvex"));
  EXPECT_EQ(fresh.saved, (Saved{{L"C:\\P\\Quorvex\\New.lnk", L"E:\\Quorv114.exe"}}));
}

TEST(ShortcutSteps, AnEmptyNameDeletesTheOldOneAndANameThatIsNotPlainTouchesNothing) {
  FakeShell empty;
  empty.files = {L"C:\\S\\Old.lnk", L"C:\\P\\Quorvex\\Old.lnk"};
  RunShortcutSteps({true, true, L"   ", L"Old", L"D:\\Site"}, empty);
  EXPECT_EQ(empty.removed.size(), 2u);
  EXPECT_TRUE(empty.saved.empty());
  EXPECT_EQ(empty.messages, (Texts{kProgramsNameMissingText, kAutoStartNameMissingText}));

  FakeShell bad;
  bad.files = {L"C:\\S\\x.lnk", L"C:\\x.lnk"};
  RunShortcutSteps({true, true, L"..\\x", L"..\\x", L"D:\\Site"}, bad);
  EXPECT_TRUE(bad.removed.empty());
  EXPECT_TRUE(bad.saved.empty());
  EXPECT_EQ(bad.folders.size(), 2u);
  EXPECT_EQ(bad.messages, (Texts{kProgramsBadNameText, kAutoStartBadNameText}));
}

TEST(ShortcutSteps, FailuresAreReportedInOneLine) {
  FakeShell fs;
  fs.saveWorks = false;
  RunShortcutSteps({true, true, L"New", L"", L"D:\\Site"}, fs);  // the "Quorvex" folder is made first
  EXPECT_EQ(fs.messages, (Texts{kProgramsFailedText, kAutoStartFailedText}));

  FakeShell lost;  // special folders not found: nothing is made at the root of a drive
  lost.programs.clear();
  lost.startup.clear();
  lost.files = {L"\\Quorvex\\Old.lnk"};
  RunShortcutSteps({true, true, L"New", L"Old", L"D:\\Site"}, lost);
  EXPECT_TRUE(lost.removed.empty());
  EXPECT_TRUE(lost.saved.empty());
  EXPECT_EQ(lost.folders.size(), 2u);
  EXPECT_EQ(lost.messages, (Texts{kProgramsFailedText, kAutoStartFailedText}));
}
