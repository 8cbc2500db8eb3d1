#include <gtest/gtest.h>

#include "common/decimal.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/text_case.h"
#include "common/text_lines.h"

using namespace qvx;

TEST(TextLines, LineEndsOfEveryKindAndNoPhantomLastLine) {
  EXPECT_EQ(SplitLines(L""), Lines{});
  EXPECT_EQ(SplitLines(L"a"), Lines{L"a"});
  EXPECT_EQ(SplitLines(L"a\r\n"), Lines{L"a"});
  EXPECT_EQ(SplitLines(L"a\r\nb\nc\rd"), (Lines{L"a", L"b", L"c", L"d"}));
  EXPECT_EQ(SplitLines(L"\r\n\r\n"), (Lines{L"", L""}));
  EXPECT_EQ(SplitLines(L"QVX1\r\n\r\nX\r\n"), (Lines{L"QVX1", L"", L"X"}));
}

TEST(TextLines, JoinWritesCrLfAfterEveryLineAndRoundTrips) {
  const Lines lines{L"QVX1", L"", L"EXAMPLE"};
  EXPECT_EQ(JoinLinesCrLf(lines), L"QVX1\r\n\r\nEXAMPLE\r\n");
  EXPECT_EQ(SplitLines(JoinLinesCrLf(lines)), lines);
  EXPECT_EQ(LineOrEmpty(lines, 2), L"EXAMPLE");
  EXPECT_EQ(LineOrEmpty(lines, 3), L"");
}

TEST(Numbers, LeadingNumberReadsLikeTheEnabledLines) {
  EXPECT_EQ(LeadingNumber(L"1"), 1.0);
  EXPECT_EQ(LeadingNumber(L" 1"), 1.0);
  EXPECT_EQ(LeadingNumber(L"1.0"), 1.0);
  EXPECT_EQ(LeadingNumber(L"1abc"), 1.0);
  EXPECT_EQ(LeadingNumber(L"-3.5x"), -3.5);
  EXPECT_EQ(LeadingNumber(L"2e1"), 20.0);
  EXPECT_EQ(LeadingNumber(L"2e"), 2.0);
  EXPECT_EQ(LeadingNumber(L"x1"), 0.0);
  EXPECT_EQ(LeadingNumber(L""), 0.0);
  EXPECT_EQ(LeadingNumber(L"."), 0.0);
  EXPECT_EQ(LeadingNumber(L"1e99999"), 0.0);  // overflow is no number, not infinity
}

TEST(Numbers, WholeNumberRejectsAnythingButAWholeNumberInRange) {
  EXPECT_EQ(WholeNumber(L"255", 0, 255), 255);
  EXPECT_EQ(WholeNumber(L" 7 ", 0, 255), 7);
  EXPECT_EQ(WholeNumber(L"256", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"-1", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"1.0", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"abc", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"+", 0, 255), std::nullopt);
  EXPECT_EQ(WholeNumber(L"99999999999999999999", 0, 255), std::nullopt);
}

TEST(Numbers, RoundHalfEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(0.0), 0);
}

TEST(Paths, JoinNeverDoublesTheSeparatorAtADriveRoot) {
  EXPECT_EQ(JoinPath(L"C:\\Apps\\Site", L"a.txt"), L"C:\\Apps\\Site\\a.txt");
  EXPECT_EQ(JoinPath(L"Q:\\", L"QuorvexStatus.txt"), L"Q:\\QuorvexStatus.txt");
  EXPECT_EQ(WithoutTrailingSeparator(L"D:\\Apps\\Site\\"), L"D:\\Apps\\Site");
  EXPECT_EQ(LastComponent(L"D:\\Apps\\Site2\\"), L"Site2");
  EXPECT_EQ(LastComponent(L"Site"), L"Site");
  EXPECT_EQ(DirectoryOf(L"C:\\x\\a.exe"), L"C:\\x");
  EXPECT_EQ(DirectoryOf(L"C:\\a.exe"), L"C:\\");
}

TEST(TextCase, UpperTrimAndContains) {
  EXPECT_EQ(ToUpperText(L"example.com \u00e9"), L"EXAMPLE.COM \u00c9");
  EXPECT_EQ(ToUpperText(L"\u00f7\u00ff"), L"\u00f7\u00ff");  // division sign and y-diaeresis stay
  EXPECT_EQ(TrimSpaces(L"  a b  "), L"a b");
  EXPECT_EQ(TrimSpaces(L"   "), L"");
  EXPECT_TRUE(ContainsText(L"ABC", L""));
  EXPECT_FALSE(ContainsText(L"", L""));
  EXPECT_TRUE(ContainsText(L"XEXAMPLEX", L"EXAMPLE"));
  EXPECT_FALSE(ContainsText(L"EXAMPL", L"EXAMPLE"));
}

TEST(Decimal, ZeroSignAndTheExtremes) {
  EXPECT_EQ(qvx::DecimalText(0), L"0");
  EXPECT_EQ(qvx::DecimalText(-12), L"-12");
  EXPECT_EQ(qvx::DecimalText(9223372036854775807LL), L"9223372036854775807");
  EXPECT_EQ(qvx::DecimalText(-9223372036854775807LL - 1), L"-9223372036854775808");
}
