#include <gtest/gtest.h>

#include <set>

#include "common/trim_at_nul.h"
#include "creator/creator_texts.h"
#include "creator/exe_versions.h"
#include "creator/instance_layout.h"

using namespace qvx;
using namespace qvx::creator;

namespace {
DirectoryEntry File(const wchar_t* name) { return {name, false}; }
DirectoryEntry Folder(const wchar_t* name) { return {name, true}; }
} // namespace

TEST(ExeVersions, NumericOrderNotAlphabetical) {
  EXPECT_EQ(ExeVersionsInOrder({File(L"Quorv114.exe"), File(L"Quorv10.exe"), File(L"ReadMe.txt"), File(L"Quorv9.exe")}),
            (std::vector<std::wstring>{L"Quorv9.exe", L"Quorv10.exe", L"Quorv114.exe"}));
}

TEST(ExeVersions, OnlyOneToNineHundredNinetyNineWithoutLeadingZerosAndOnlyFiles) {
  EXPECT_TRUE(ExeVersionsInOrder({File(L"Quorv0.exe"), File(L"Quorv1000.exe"), File(L"Quorv007.exe"),
                                  Folder(L"Quorv5.exe"), File(L"Quorv.exe"), File(L"Quorv-1.exe"),
                                  File(L"Quorv+1.exe"), File(L"Quorv 1.exe"), File(L"Quorv1.exe.new"),
                                  File(L"XQuorv1.exe"), File(L"Quorv1.ex")})
                  .empty());
  EXPECT_EQ(ExeVersionNumber(L"Quorv1.exe"), 1);
  EXPECT_EQ(ExeVersionNumber(L"Quorv999.exe"), 999);
  EXPECT_EQ(ExeVersionNumber(L"Quorv10.exe"), 10);
  EXPECT_EQ(ExeVersionNumber(L"Quorv1e2.exe"), std::nullopt);
}

TEST(ExeVersions, CaseDoesNotMatterAndEachVersionCountsOnce) {
  // A case-sensitive file system can hold both spellings; the copy is made under one.
  EXPECT_EQ(ExeVersionsInOrder({File(L"QUORV114.EXE"), File(L"quorv114.exe"), File(L"qUoRv3.ExE")}),
            (std::vector<std::wstring>{L"Quorv3.exe", L"Quorv114.exe"}));
}

TEST(ExeVersions, ProgramPatternIsTheWildcardQuorvStarExe) {
  EXPECT_TRUE(MatchesProgramPattern(L"Quorv113.exe"));
  EXPECT_TRUE(MatchesProgramPattern(L"Quorv.exe"));
  EXPECT_TRUE(MatchesProgramPattern(L"quorvOld.EXE"));
  EXPECT_FALSE(MatchesProgramPattern(L"Quorv114.exe.new"));
  EXPECT_FALSE(MatchesProgramPattern(IncomingCopyName(L"Quorv114.exe")));
  EXPECT_FALSE(MatchesProgramPattern(L"QVXMulti.exe"));
  EXPECT_FALSE(MatchesProgramPattern(L"Quorv.ex"));
}

TEST(InstanceLayout, DigitsFillGapsFirstAndStopAtFive) {
  std::set<int> taken{1, 3};
  const auto isTaken = [&](int d) { return taken.count(d) > 0; };
  std::vector<int> made;
  for (int i = 0; i < 3; ++i) {
    const auto digit = LowestFreeDigit(isTaken, kHighestCreatedDigit);
    ASSERT_TRUE(digit);
    made.push_back(*digit);
    taken.insert(*digit);
  }
  EXPECT_EQ(made, (std::vector<int>{2, 4, 5}));
  EXPECT_EQ(LowestFreeDigit(isTaken, kHighestCreatedDigit), std::nullopt);
  taken.erase(2);
  EXPECT_EQ(LowestFreeDigit(isTaken, kHighestCreatedDigit), 2);
}

TEST(InstanceLayout, InstanceDirectoriesAppendTheDigit) {
  EXPECT_EQ(MasterDirectory(L"D:\\Apps\\Site\\"), L"D:\\Apps\\Site");
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\Apps\\Site"), 3), L"D:\\Apps\\Site3");
  EXPECT_EQ(InstanceDirectory(L"D:\\Apps\\Site2", 1), L"D:\\Apps\\Site21");
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\"), 1), L"D:\\1");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Apps\\Site21\\Quorv114.exe"), L"Site21.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\1\\Quorv114.exe"), L"1.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Quorv114.exe"), L"");
  EXPECT_EQ(InstanceShortcutFileName(L"Quorv114.exe"), L"");
}

TEST(InstanceLayout, NumberBoxReadsTheLeadingNumberRoundedHalfToEven) {
  EXPECT_EQ(InstancesRequested(L"3"), 3);
  EXPECT_EQ(InstancesRequested(L"2.5"), 2);
  EXPECT_EQ(InstancesRequested(L"3.5"), 4);
  EXPECT_EQ(InstancesRequested(L" 4 instances"), 4);
  EXPECT_EQ(InstancesRequested(L"three"), 0);
  EXPECT_EQ(InstancesRequested(L""), 0);
  EXPECT_EQ(InstancesRequested(L"-2"), -2);
  EXPECT_EQ(InstancesRequested(L"1e300"), 32767);
  EXPECT_EQ(InstancesRequested(L"-1e300"), -32768);
}

TEST(InstanceLayout, CurrentDirectoryCheckRefusesInstanceDirectoriesOnly) {
  const std::set<std::wstring> dirs{L"D:\\Apps\\Site", L"D:\\Apps\\Site1", L"D:\\Tools\\Build", L"D:\\Tools\\Build2"};
  std::vector<std::wstring> asked;
  const auto isDirectory = [&](const std::wstring& p) { asked.push_back(p); return dirs.count(p) > 0; };
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Apps\\Site1", isDirectory));
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Apps\\Site1\\", isDirectory));
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Tools\\Build2", isDirectory));
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"D:\\Apps\\Site", L"D:\\Apps\\Site", L"D:\\Tools\\Build"}));
  asked.clear();
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\Apps\\Site", isDirectory));
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\", isDirectory));
  EXPECT_TRUE(asked.empty());  // no trailing digit: nothing to look up
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\Apps\\Other7", isDirectory));
}

TEST(CreatorTexts, ReportLinesLeadWithTheirKind) {
  EXPECT_EQ(ReportLine(ReportKind::Created, L"D:\\Apps\\Site2"), L"Created: D:\\Apps\\Site2");
  EXPECT_EQ(ReportLine(ReportKind::Updated, L"D:\\Apps\\Site1"), L"Updated: D:\\Apps\\Site1");
  EXPECT_EQ(ReportLine(ReportKind::FileInUse, L"D:\\Apps\\Site3"), L"File in use: D:\\Apps\\Site3");
}

TEST(TrimAtNul, CutsAtTheFirstNul) {
  EXPECT_EQ(TrimAtNul(L"abc"), L"abc");
  EXPECT_EQ(TrimAtNul(std::wstring(L"C:\\x\0\0 junk", 11)), L"C:\\x");
  EXPECT_EQ(TrimAtNul(std::wstring(L"\0abc", 4)), L"");
  EXPECT_EQ(TrimAtNul(L""), L"");
}
