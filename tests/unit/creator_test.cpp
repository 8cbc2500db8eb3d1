#include <gtest/gtest.h>

#include <set>

#include "creator/exe_versions.h"
#include "creator/instance_layout.h"

using namespace qvx;
using namespace qvx::creator;

namespace {
DirectoryEntry File(const wchar_t* name) { return {name, false}; }
} // namespace

TEST(ExeVersions, OnlyFilesQuorvOneToNineHundredNinetyNineWithoutLeadingZerosInNumericOrder) {
  EXPECT_EQ(ExeVersionsInOrder({File(L"Quorv114.exe"), File(L"Quorv10.exe"), File(L"ReadMe.txt"), File(L"Quorv9.exe"),
                                File(L"Quorv0.exe"), File(L"Quorv1000.exe"), File(L"Quorv007.exe"),
                                {L"Quorv5.exe", true}, File(L"Quorv.exe"), File(L"Quorv-1.exe"), File(L"Quorv+1.exe"),
                                File(L"Quorv 1.exe"), File(L"Quorv1.exe.new"), File(L"XQuorv1.exe"),
                                File(L"Quorv1.ex"), File(L"Quorv1e2.exe"),
                                // a case-sensitive file system can hold both spellings; one counts
                                File(L"QUORV999.EXE"), File(L"quorv999.exe")}),
            (std::vector<std::wstring>{L"Quorv9.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv999.exe"}));
}

TEST(ExeVersions, ProgramPatternIsQuorvStarExeAndLeavesTheIncomingCopyOut) {
  for (const wchar_t* name : {L"Quorv113.exe", L"Quorv.exe", L"quorvOld.EXE"}) EXPECT_TRUE(MatchesProgramPattern(name));
  for (const std::wstring& name : {std::wstring(L"Quorv114.exe.new"), IncomingCopyName(L"Quorv114.exe"),
                                   std::wstring(L"QVXMulti.exe"), std::wstring(L"Quorv.ex")}) {
    EXPECT_FALSE(MatchesProgramPattern(name)) << std::string(name.begin(), name.end());
  }
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

TEST(InstanceLayout, InstanceDirectoriesAndShortcutNamesAtADriveRoot) {
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\Apps\\Site\\"), 3), L"D:\\Apps\\Site3");
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\"), 1), L"D:\\1");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\1\\Quorv114.exe"), L"1.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Quorv114.exe"), L"");
  EXPECT_EQ(InstanceShortcutFileName(L"Quorv114.exe"), L"");
}

TEST(InstanceLayout, NumberBoxReadsTheLeadingNumberRoundedHalfToEven) {
  for (auto [text, count] : {std::pair{L"2.5", 2}, {L"3.5", 4}, {L" 4 instances", 4}, {L"three", 0}, {L"", 0},
                             {L"-2", -2}, {L"1e300", 32767}, {L"-1e300", -32768}}) {
    EXPECT_EQ(InstancesRequested(text), count) << count;
  }
}

TEST(InstanceLayout, CurrentDirectoryCheckRefusesInstanceDirectoriesOnly) {
  const std::set<std::wstring> dirs{L"D:\\Apps\\Site", L"D:\\Apps\\Site1", L"D:\\Tools\\Build", L"D:\\Tools\\Build2"};
  const auto isDirectory = [&](const std::wstring& p) { return dirs.count(p) > 0; };
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Apps\\Site1", isDirectory));
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Apps\\Site1\\", isDirectory));
  EXPECT_TRUE(StartedFromInstanceDirectory(L"D:\\Tools\\Build2", isDirectory));
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\Apps\\Site", isDirectory));
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\", isDirectory));
  EXPECT_FALSE(StartedFromInstanceDirectory(L"D:\\Apps\\Other7", isDirectory));
}
