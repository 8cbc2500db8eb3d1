#include <gtest/gtest.h>

#include "main/app/instance_guard.h"
#include "main/settings/settings_files.h"

using namespace qvx;

TEST(SettingsFiles, UrlKeywordIsTheSecondLevelLabel) {
  EXPECT_EQ(UrlKeywordFromUrl(L"http://user@intranet.corp.example.org:8080/x?y"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L"http://localhost/"), L"LOCALHOST");
  EXPECT_EQ(UrlKeywordFromUrl(L"example.com"), L"EXAMPLE");
  EXPECT_EQ(UrlKeywordFromUrl(L""), L"");
}

TEST(SettingsFiles, HotkeyFileReadsLeadingNumbersPerLineAndWritesPlainDigits) {
  const auto v = ParseHotkeyFile({L"6", L"84", L"1.0", L"3", L"65", L" 1"});
  EXPECT_EQ(v.launchModifiers, 6);
  EXPECT_EQ(v.launchKey, 84);
  EXPECT_TRUE(v.launchEnabled && v.toggleEnabled);
  EXPECT_EQ(v.toggleKey, 65);
  const auto garbled = ParseHotkeyFile({L"abc", L"300", L"1", L"0", L"0", L"x1"});
  EXPECT_EQ(garbled.launchModifiers, 0);
  EXPECT_EQ(garbled.launchKey, 0);
  EXPECT_TRUE(garbled.launchEnabled);
  EXPECT_FALSE(garbled.toggleEnabled);
  EXPECT_EQ(FormatHotkeyFile({2, 255, true, 6, 9, false}), (Lines{L"2", L"255", L"1", L"6", L"9", L"0"}));
}

TEST(SettingsFiles, SettingsFileIsTakenAsItStandsAndShortFilesGiveEmptyValues) {
  const auto s = ParseSettingsFile({L"qvx3", L" internet explorer ", L"site"});
  EXPECT_EQ(s.trayIconName, L"qvx3");
  EXPECT_EQ(s.browserTextKeyword, L" internet explorer ");
  EXPECT_EQ(s.launchUrl, L"");
  EXPECT_EQ(s.trayTooltip, L"");
}

TEST(IconNames, TheProgramsIconsAreQvx1ToQvx17AndTheDialogReadsEveryDigitOfAStoredName) {
  for (const wchar_t* name : {L"QVX1", L"QVX17", L"qvx5"}) EXPECT_TRUE(IsTrayIconName(name)) << name;
  for (const wchar_t* name : {L"QVX0", L"QVX18", L"QVX05", L"QVX 5", L"QVXSPLASH", L""}) {
    EXPECT_FALSE(IsTrayIconName(name)) << name;
  }
  const std::pair<const wchar_t*, int> read[] = {{L"QVX007", 7}, {L"qvx3", 3}, {L"QVX17", 17}, {L"Q1V2", 12},
                                                  {L"QVX00000000000000000000001", 1}};
  for (const auto& [name, number] : read) EXPECT_EQ(IconNumberInStoredName(name), number) << name;
  for (const wchar_t* unusable : {L"QVX18", L"QVX0", L"QVX000", L"QVX", L"", L"QVX99999999999999999999"}) {
    EXPECT_EQ(IconNumberInStoredName(unusable), std::nullopt) << unusable;
  }
}

TEST(InstanceGuard, OnlyATakenClaimStarts) {
  EXPECT_EQ(DecideStart(DirectoryClaim::Taken), StartDecision::Start);
  // A live copy, or a guard that cannot tell (the create failed): refused.
  EXPECT_EQ(DecideStart(DirectoryClaim::HeldByOther), StartDecision::Refuse);
  EXPECT_EQ(DecideStart(DirectoryClaim::Unavailable), StartDecision::Refuse);
}

TEST(InstanceGuard, ObjectNameTellsDirectoriesApartInSixteenHexDigits) {
  const std::wstring prefix = L"Local\\Quorvex-Directory-";
  const auto a = InstanceObjectName(L"C:\\APPS\\SITE");
  EXPECT_NE(a, InstanceObjectName(L"C:\\APPS\\SITE1"));
  ASSERT_EQ(a.rfind(prefix, 0), 0u);
  EXPECT_EQ(a.substr(prefix.size()).find_first_not_of(L"0123456789abcdef"), std::wstring::npos);
  EXPECT_EQ(a.size(), prefix.size() + 16);
}
