#include <gtest/gtest.h>

#include <climits>

#include "common/numbers.h"
#include "common/paths.h"
#include "common/text_case.h"
#include "common/text_lines.h"

using namespace qvx;

TEST(TextLines, EveryLineEndSplitsNoPhantomLastLineAndJoinRoundTrips) {
  EXPECT_EQ(SplitLines(L""), Lines{});
  EXPECT_EQ(SplitLines(L"a\r\nb\nc\rd"), (Lines{L"a", L"b", L"c", L"d"}));
  EXPECT_EQ(SplitLines(L"\r\n\r\n"), (Lines{L"", L""}));
  const Lines lines{L"QVX1", L"", L"EXAMPLE"};
  EXPECT_EQ(JoinLinesCrLf(lines), L"QVX1\r\n\r\nEXAMPLE\r\n");
  EXPECT_EQ(SplitLines(JoinLinesCrLf(lines)), lines);
  EXPECT_EQ(LineOrEmpty(lines, 3), L"");
}

// What the callers read: a hotkey file's bytes (0 to 255), its "Enabled" lines (a leading 1),
// the browser's option and the creator's instance count (rounded half to even).
TEST(Numbers, WholeBytesLeadingNumbersAndRoundedCounts) {
  EXPECT_EQ(WholeNumber(L" 7 ", 0, 255), 7);
  EXPECT_EQ(WholeNumber(L"255", 0, 255), 255);
  for (const wchar_t* bad : {L"256", L"-1", L"1.0", L"", L"+", L"7x", L"99999999999999999999"}) {
    EXPECT_EQ(WholeNumber(bad, 0, 255), std::nullopt) << bad;
  }
  const std::pair<const wchar_t*, double> leading[] = {{L" 1.0", 1.0}, {L"1x", 1.0}, {L"10e-1", 1.0}, {L"-3.5x", -3.5},
                                                       {L"2e", 2.0},   {L"x1", 0.0}, {L".", 0.0},      {L"1e99999", 0.0}};
  for (const auto& [text, number] : leading) EXPECT_EQ(LeadingNumber(text), number) << text;
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(1e30), LONG_MAX);
  EXPECT_EQ(RoundHalfEven(-1e30), LONG_MIN);
}

TEST(Paths, JoinNeverDoublesTheSeparatorAtADriveRoot) {
  EXPECT_EQ(JoinPath(L"C:\\Apps\\Site", L"a.txt"), L"C:\\Apps\\Site\\a.txt");
  EXPECT_EQ(JoinPath(L"Q:\\", L"QuorvexStatus.txt"), L"Q:\\QuorvexStatus.txt");
  EXPECT_EQ(WithoutTrailingSeparator(L"D:\\Apps\\Site\\"), L"D:\\Apps\\Site");
  EXPECT_EQ(LastComponent(L"D:\\Apps\\Site2\\"), L"Site2");
  EXPECT_EQ(DirectoryOf(L"C:\\x\\a.exe"), L"C:\\x");
  EXPECT_EQ(DirectoryOf(L"C:\\a.exe"), L"C:\\");
}

TEST(TextCase, UpperTrimAndContains) {
  EXPECT_EQ(ToUpperText(L"example.com \u00e9\u00f7\u00ff"), L"EXAMPLE.COM \u00c9\u00f7\u00ff");
  EXPECT_EQ(TrimSpaces(L"  a b  "), L"a b");
  EXPECT_TRUE(ContainsText(L"ABC", L""));
  EXPECT_FALSE(ContainsText(L"", L""));
  EXPECT_FALSE(ContainsText(L"EXAMPL", L"EXAMPLE"));
}
