#include <gtest/gtest.h>

#include "main/startup/instance_guard.h"
#include "main/startup/settings_files.h"

using namespace qvx;

TEST(SettingsFiles, UrlKeywordIsTheSecondLevelLabel) {
  EXPECT_EQ(UrlKeywordFromUrl(L"http://user@intranet.corp.example.org:8080/x?y"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L"http://localhost/"), L"LOCALHOST");
  EXPECT_EQ(UrlKeywordFromUrl(L"example.com"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L""), L"");
}

TEST(SettingsFiles, HotkeyFileReadsLeadingNumbersPerLineAndWritesPlainDigits) {
  const auto v = ParseHotkeyFile({L"6", L"84", L"1.0", L"3", L"65", L" 1"});
  EXPECT_EQ(v.LaunchModifiers, 6);
  EXPECT_EQ(v.LaunchKey, 84);
  EXPECT_TRUE(v.LaunchEnabled && v.ToggleEnabled);
  EXPECT_EQ(v.ToggleKey, 65);
  const auto garbled = ParseHotkeyFile({L"abc", L"300", L"1", L"0", L"0", L"x1"});
  EXPECT_EQ(garbled.LaunchModifiers, 0);
  EXPECT_EQ(garbled.LaunchKey, 0);
  EXPECT_TRUE(garbled.LaunchEnabled);
  EXPECT_FALSE(garbled.ToggleEnabled);
  EXPECT_EQ(FormatHotkeyFile(2, 84, true, 6, 9, false), (Lines{L"2", L"84", L"1", L"6", L"9", L"0"}));
}

TEST(SettingsFiles, SettingsFileIsTakenAsItStandsAndShortFilesGiveEmptyValues) {
  const auto s = ParseSettingsFile({L"qvx3", L" internet explorer ", L"site"});
  EXPECT_EQ(s.TrayIconName, L"qvx3");
  EXPECT_EQ(s.BrowserTextKeyword, L" internet explorer ");
  EXPECT_EQ(s.LaunchURL, L"");
  EXPECT_EQ(s.TrayTooltip, L"");
  EXPECT_EQ(FormatSettingsFile(s).size(), 5u);
}

TEST(SettingsFiles, TrayIconNamesAreQvx1ToQvx17) {
  for (const wchar_t* name : {L"QVX1", L"QVX17", L"qvx5"}) EXPECT_TRUE(IsTrayIconName(name)) << name;
  for (const wchar_t* name : {L"QVX0", L"QVX18", L"QVX05", L"QVX 5", L"QVXSPLASH", L""}) {
    EXPECT_FALSE(IsTrayIconName(name)) << name;
  }
}

TEST(InstanceGuard, OnlyALiveCopyRefusesAndOnlyAnExactOneCountsAsRunning) {
  for (const Lines& notRunning : {Lines{}, Lines{L"0"}, Lines{L"1 "}, Lines{L" 1"}, Lines{L"01"}, Lines{L"0", L"1"}}) {
    EXPECT_EQ(DecideStart(notRunning, false), StartDecision::Start);
  }
  EXPECT_EQ(DecideStart({L"1"}, false), StartDecision::StartAfterStale);
  EXPECT_EQ(DecideStart({L"1"}, true), StartDecision::Refuse);
  EXPECT_EQ(DecideStart({L"0"}, true), StartDecision::Refuse);  // a copy started a moment earlier
}

TEST(InstanceGuard, ObjectNameIsTheDirectorysHashInSixteenHexDigits) {
  const std::wstring prefix = L"Local\\Quorvex-Directory-";
  const auto a = InstanceObjectName(L"C:\\APPS\\SITE");
  EXPECT_NE(a, InstanceObjectName(L"C:\\APPS\\SITE1"));
  ASSERT_EQ(a.rfind(prefix, 0), 0u);
  EXPECT_EQ(a.substr(prefix.size()).find_first_not_of(L"0123456789abcdef"), std::wstring::npos);
  EXPECT_EQ(a.size(), prefix.size() + 16);
  EXPECT_EQ(InstanceObjectName(L""), prefix + L"cbf29ce484222325");  // the FNV-1a offset basis
}
