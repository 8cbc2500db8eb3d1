#include <gtest/gtest.h>

#include "main/startup/instance_guard.h"
#include "main/startup/settings_files.h"

using namespace qvx;

TEST(SettingsFiles, DefaultsAreTheFirstStartFiles) {
  EXPECT_EQ(DefaultHotkeyFileLines(), Lines(6, L"0"));
  EXPECT_EQ(DefaultSettingsFileLines(),
            (Lines{L"QVX1", L"INTERNET EXPLORER", L"EXAMPLE", L"https://www.example.com/", L""}));
}

TEST(SettingsFiles, UrlKeywordIsTheSecondLevelLabel) {
  EXPECT_EQ(UrlKeywordFromUrl(L"https://www.example.com/"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L"http://user@intranet.corp.example.org:8080/x?y"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L"http://localhost/"), L"LOCALHOST");
  EXPECT_EQ(UrlKeywordFromUrl(L"example.com"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L""), L"");
}

TEST(SettingsFiles, HotkeyFileEnabledLinesUseTheLeadingNumber) {
  const auto v = ParseHotkeyFile({L"6", L"84", L"1.0", L"3", L"65", L" 1"});
  EXPECT_EQ(v.LaunchModifiers, 6);
  EXPECT_EQ(v.LaunchKey, 84);
  EXPECT_TRUE(v.LaunchEnabled);
  EXPECT_EQ(v.ToggleModifiers, 3);
  EXPECT_EQ(v.ToggleKey, 65);
  EXPECT_TRUE(v.ToggleEnabled);
  EXPECT_FALSE(ParseHotkeyFile({L"0", L"0", L"2", L"0", L"0", L"x1"}).LaunchEnabled);
  EXPECT_FALSE(ParseHotkeyFile({L"0", L"0", L"2", L"0", L"0", L"x1"}).ToggleEnabled);
}

TEST(SettingsFiles, ShortOrGarbledHotkeyFileFallsBackPerLine) {
  const auto v = ParseHotkeyFile({L"abc", L"300", L"1"});
  EXPECT_EQ(v.LaunchModifiers, 0);
  EXPECT_EQ(v.LaunchKey, 0);
  EXPECT_TRUE(v.LaunchEnabled);
  EXPECT_EQ(v.ToggleKey, 0);
  EXPECT_FALSE(v.ToggleEnabled);
  const auto empty = ParseHotkeyFile({});
  EXPECT_FALSE(empty.LaunchEnabled);
  EXPECT_EQ(empty.ToggleModifiers, 0);
}

TEST(SettingsFiles, HotkeyFileWritesPlainDigitsAndFlags) {
  EXPECT_EQ(FormatHotkeyFile(2, 84, true, 6, 9, false), (Lines{L"2", L"84", L"1", L"6", L"9", L"0"}));
}

TEST(SettingsFiles, SettingsFileIsTakenAsItStandsAndShortFilesGiveEmptyValues) {
  const auto s = ParseSettingsFile({L"qvx3", L" internet explorer ", L"site"});
  EXPECT_EQ(s.TrayIconName, L"qvx3");
  EXPECT_EQ(s.BrowserTextKeyword, L" internet explorer ");
  EXPECT_EQ(s.URLKeyword, L"site");
  EXPECT_EQ(s.LaunchURL, L"");
  EXPECT_EQ(s.TrayTooltip, L"");
  SharedState state;
  ApplySiteSettings(s, state);
  EXPECT_EQ(state.URLKeyword, L"site");
  EXPECT_EQ(FormatSettingsFile(s).size(), 5u);
}

TEST(SettingsFiles, TrayIconNames) {
  EXPECT_TRUE(IsTrayIconName(L"QVX1"));
  EXPECT_TRUE(IsTrayIconName(L"QVX17"));
  EXPECT_TRUE(IsTrayIconName(L"qvx5"));
  EXPECT_FALSE(IsTrayIconName(L"QVX0"));
  EXPECT_FALSE(IsTrayIconName(L"QVX18"));
  EXPECT_FALSE(IsTrayIconName(L"QVX05"));
  EXPECT_FALSE(IsTrayIconName(L"QVX 5"));
  EXPECT_FALSE(IsTrayIconName(L"QVX"));
  EXPECT_FALSE(IsTrayIconName(L"QVXSPLASH"));
  EXPECT_FALSE(IsTrayIconName(L""));
}

TEST(InstanceGuard, OnlyALiveCopyRefusesAndOnlyAnExactOneCountsAsRunning) {
  EXPECT_EQ(DecideStart({}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L"0"}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L"1 "}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L" 1"}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L"01"}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L"0", L"1"}, false), StartDecision::Start);
  EXPECT_EQ(DecideStart({L"1"}, false), StartDecision::StartAfterStale);
  EXPECT_EQ(DecideStart({L"1"}, true), StartDecision::Refuse);
  EXPECT_EQ(DecideStart({L"0"}, true), StartDecision::Refuse);  // a copy started a moment earlier
}

TEST(InstanceGuard, ObjectNameDependsOnTheDirectoryOnly) {
  const auto a = InstanceObjectName(L"C:\\APPS\\SITE");
  EXPECT_EQ(a, InstanceObjectName(L"C:\\APPS\\SITE"));
  EXPECT_NE(a, InstanceObjectName(L"C:\\APPS\\SITE1"));
  EXPECT_EQ(a.rfind(L"Local\\Quorvex-Directory-", 0), 0u);
  EXPECT_EQ(a.size(), std::wstring(L"Local\\Quorvex-Directory-").size() + 16);
  EXPECT_EQ(a.find(L'\\', 6), std::wstring::npos);  // no path separator leaks into the name
}

TEST(InstanceGuard, RefusalMessageIsFiveLines) {
  const auto lines = SplitLines(RefusalMessage());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], L"Cannot run another instance of");
  EXPECT_EQ(lines[4], L"and launch from there.");
}
