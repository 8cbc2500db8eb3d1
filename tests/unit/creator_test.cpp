// The creator's rules: the main program's versions, where instances go, the number box, refused directories.
#include <gtest/gtest.h>

#include "creator/exe_versions.h"
#include "creator/instance_layout.h"

using namespace qvx::creator;

TEST(ExeVersions, OnlyQuorvOneToNineHundredNinetyNineInNumericOrderAndTheUpdatePattern) {
  std::vector<DirectoryEntry> listing{{L"Quorv5.exe", true}};  // a directory never counts
  for (const wchar_t* name : {L"Quorv114.exe", L"Quorv10.exe", L"Quorv9.exe", L"Quorv0.exe", L"Quorv.exe",
                              L"Quorv1000.exe", L"Quorv007.exe", L"Quorv+1.exe", L"Quorv 1.exe", L"Quorv1.exe.new",
                              L"XQuorv1.exe", L"Quorv1e2.exe", L"QUORV999.EXE", L"quorv999.exe"}) {
    listing.push_back({name, false});  // both spellings of 999 can sit on a case-sensitive disk: one counts
  }
  EXPECT_EQ(ExeVersionsInOrder(listing),
            (std::vector<std::wstring>{L"Quorv9.exe", L"Quorv10.exe", L"Quorv114.exe", L"Quorv999.exe"}));
  EXPECT_TRUE(MatchesProgramPattern(L"Quorv.exe") && MatchesProgramPattern(L"quorvOld.EXE"));
  EXPECT_FALSE(MatchesProgramPattern(IncomingCopyName(L"Quorv114.exe")) || MatchesProgramPattern(L"QVXMulti.exe"));
}

TEST(InstanceLayout, DirectoriesShortcutNamesAndTheNumberBox) {
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\Apps\\Site2\\"), 3), L"D:\\Apps\\Site23");
  EXPECT_EQ(InstanceDirectory(MasterDirectory(L"D:\\"), 1), L"D:\\1");  // not "D:1", relative to D:'s current directory
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Apps\\Site23\\Quorv1.exe") + InstanceShortcutFileName(L"D:\\1\\Quorv1.exe"),
            L"Site23.lnk1.lnk");
  EXPECT_EQ(InstanceShortcutFileName(L"D:\\Quorv114.exe") + InstanceShortcutFileName(L"Quorv114.exe"), L"");
  for (auto [text, count] : {std::pair{L"2.5", 2}, {L"3.5", 4}, {L" 4 instances", 4}, {L"three", 0}, {L"", 0},
                             {L"-2", -2}, {L"1e300", 32767}, {L"-1e300", -32768}}) {
    EXPECT_EQ(InstancesRequested(text), count) << count;
  }
}

TEST(InstanceLayout, CurrentDirectoryCheckRefusesInstanceDirectoriesOnly) {
  const auto isDirectory = [](const std::wstring& p) { return p == L"D:\\Apps\\Site" || p == L"D:\\Tools\\Build"; };
  for (auto [current, refused] : {std::pair{L"D:\\Apps\\Site1\\", true}, {L"D:\\Tools\\Build2", true},
                                  {L"D:\\Apps\\Site", false}, {L"D:\\", false}, {L"D:\\Apps\\Other7", false}}) {
    EXPECT_EQ(StartedFromInstanceDirectory(current, isDirectory), refused) << testing::PrintToString(current);
  }
}
