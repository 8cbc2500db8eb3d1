// The leading-number reader against the C library's correctly rounding strtod, and rounding
// at the edges of long.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <string>

#include "common/numbers.h"

namespace qvx {
namespace {

void ExpectReadsAsStrtod(const std::string& text) {
  const double expected = std::strtod(text.c_str(), nullptr);
  const double read = LeadingNumber(std::wstring(text.begin(), text.end()));
  if (std::isinf(expected)) {
    EXPECT_EQ(read, 0.0) << text;
  } else {
    EXPECT_EQ(std::signbit(read), std::signbit(expected)) << text;
    EXPECT_EQ(read, expected) << text;
  }
}

TEST(Numbers, LeadingNumberRoundsExactlyAtHalfwayPointsAndRangeEnds) {
  const std::string halfAboveOne = "1.00000000000000011102230246251565404236316680908203125";  // 1 + 2^-53
  const std::string cases[] = {
      halfAboveOne, halfAboveOne + "1", "1.000000000000000111022302462515654042363166809082031249",
      halfAboveOne + std::string(900, '0') + "1", halfAboveOne + std::string(900, '0'),
      "0." + std::string(900, '9'), "-0", "9007199254740993", "9007199254740995",
      "2.2250738585072011e-308", "2.2250738585072012e-308", "4.9406564584124654e-324",
      "2.4703282292062327e-324", "2.4703282292062328e-324", "1.7976931348623157e308",
      "1.7976931348623158e308", "1.797693134862315807e308", "1.7976931348623159e308",
      "123456789012345678901234567890e-350", "0.000001e-330", "1e-400", "0.5", "2.5e0"};
  for (const std::string& text : cases) {
    ExpectReadsAsStrtod(text);
  }
}

TEST(Numbers, LeadingNumberReadsRandomNumbersAsStrtodDoes) {
  std::mt19937 random(20261207);
  const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 20000; ++round) {
    std::string text = below(4) == 0 ? "-" : "";
    const int digits = 1 + below(below(8) == 0 ? 60 : 20), point = below(digits + 1);
    for (int i = 0; i < digits; ++i) {
      if (i == point && i > 0) text += '.';
      text += static_cast<char>('0' + (i == 0 && below(3) ? 1 + below(9) : below(10)));
    }
    if (below(3)) text += "e" + std::to_string(below(680) - 345);
    ExpectReadsAsStrtod(text);
  }
}

TEST(Numbers, RoundHalfEvenClampsValuesOutsideLong) {
  EXPECT_EQ(RoundHalfEven(1e30), LONG_MAX);
  EXPECT_EQ(RoundHalfEven(-1e30), LONG_MIN);
  EXPECT_EQ(RoundHalfEven(-2147483647.5), -2147483648L);
}

} // namespace
} // namespace qvx
