// The creator's rules: which files are the main program's versions, where instances go, how many the
// number box asks for, and which current directories are refused.
#include <gtest/gtest.h>

#include <set>

#include "creator/exe_versions.h"
#include "creator/instance_layout.h"

using namespace qvx::creator;

TEST(ExeVersions, OnlyQuorvOneToNineHundredNinetyNineInNumericOrderAndTheUpdatePattern) {
  std::vector<DirectoryEntry> listing{{L"Quorv5.exe", true}};  // a directory never counts
  for (const wchar_t* name : {L"Quorv114.exe", L"Quorv10.exe", L"ReadMe.txt", L"Quorv9.exe", L"Quorv0.exe",
                              L"Quorv1000.exe", L"Quorv007.exe", L"Quorv.exe", L"Quorv-1.exe", L"Quorv+1.exe",
                              L"Quorv 1.exe", L"Quorv1.exe.new", L"XQuorv1.exe", L"Quorv1.ex", L"Quorv1e2.exe",
                              L"QUORV999.EXE", L"quorv999.exe"}) {  // both spellings on a case-sensitive disk: one
    listing.push_back({name, false});
  }
  EXPECT_EQ(ExeVersionsInOrder(listing),
            (std::vector<std::wstring>{L"Quorv9.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv999.exe"}));
  for (const wchar_t* name : {L"Quorv113.exe", L"Quorv.exe", L"quorvOld.EXE"}) EXPECT_TRUE(MatchesProgramPattern(name));
  EXPECT_FALSE(MatchesProgramPattern(IncomingCopyName(L"Quorv114.exe")) || MatchesProgramPattern(L"QVXMulti.exe"));
}

TEST(InstanceLayout, DirectoriesAndShortcutNamesAlsoAtADriveRoot) {
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\Apps\\Site2\\"), 3), L"D:\\Apps\\Site23");
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\"), 1), L"D:\\1");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Apps\\Site23\\Quorv114.exe"), L"Site23.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\1\\Quorv114.exe"), L"1.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Quorv114.exe") + InstanceShortcutFileName(L"Quorv114.exe"), L"");
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
  for (const wchar_t* refused : {L"D:\\Apps\\Site1", L"D:\\Apps\\Site1\\", L"D:\\Tools\\Build2"}) {
    EXPECT_TRUE(StartedFromInstanceDirectory(refused, isDirectory));
  }
  for (const wchar_t* accepted : {L"D:\\Apps\\Site", L"D:\\", L"D:\\Apps\\Other7", L""}) {
    EXPECT_FALSE(StartedFromInstanceDirectory(accepted, isDirectory));
  }
}
