#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "main/switching/toggle.h"

using namespace qvx;

namespace {
constexpr WindowId A = 100, B = 200, C = 300, D = 400;
const std::vector<WindowId> kNone;

// The choices of successive toggles over the same list, with the timer seeing each chosen
// window in the foreground before the next toggle, as it does when the toggle worked.
std::vector<WindowId> Toggles(ToggleState& s, const std::vector<WindowId>& list, int times) {
  std::vector<WindowId> chosen;
  for (int i = 0; i < times; ++i) {
    const auto c = s.ToggleIt(list);
    if (!c) break;
    chosen.push_back(*c);
    s.RecordForeground(*c);
  }
  return chosen;
}
} // namespace

TEST(ToggleIt, NoWindowChoosesNothing) {
  ToggleState s;
  s.Reset();
  EXPECT_EQ(s.ToggleIt(kNone), std::nullopt);
  EXPECT_EQ(s.ToggleIt(kNone), std::nullopt);
}

TEST(ToggleIt, OneWindowIsChosenEveryTimeEvenInTheForeground) {
  ToggleState s;
  s.RecordForeground(A);
  EXPECT_EQ(Toggles(s, {A}, 3), (std::vector<WindowId>{A, A, A}));
}

TEST(ToggleIt, TwoWindowsWithTheFirstInTheForegroundStartAtTheSecondThenAlternate) {
  ToggleState s;
  s.Reset();
  s.RecordForeground(A);
  EXPECT_EQ(Toggles(s, {A, B}, 5), (std::vector<WindowId>{B, A, B, A, B}));
}

TEST(ToggleIt, ThreeWindowsAreVisitedInOrderAndWrapAround) {
  ToggleState s;
  s.RecordForeground(D);  // the user works in some other program
  EXPECT_EQ(s.ToggleIt({A, B, C}), A);
  EXPECT_EQ(s.ToggleIt({A, B, C}), B);
  EXPECT_EQ(s.ToggleIt({A, B, C}), C);
  EXPECT_EQ(s.ToggleIt({A, B, C}), A);
  EXPECT_EQ(s.TogglePosition, 1);
}

TEST(ToggleIt, AWindowClickedByHandIsSkippedOnce) {
  ToggleState s;
  EXPECT_EQ(Toggles(s, {A, B, C}, 1), (std::vector<WindowId>{A}));
  s.RecordForeground(B);  // the user clicks into B
  EXPECT_EQ(s.ToggleIt({A, B, C}), C);
  // The next candidate after C wraps to A, which is not the recorded window (still B).
  EXPECT_EQ(s.ToggleIt({A, B, C}), A);
  // Skipping from the last position wraps to the first.
  s.RecordForeground(A);
  EXPECT_EQ(s.ToggleIt({A, B, C}), B);
  s.RecordForeground(C);
  EXPECT_EQ(s.ToggleIt({A, B, C}), A);
}

TEST(ToggleIt, ACountChangeRestartsTheCycleAMembershipChangeDoesNot) {
  ToggleState s;
  s.RecordForeground(D);
  EXPECT_EQ(Toggles(s, {A, B, C}, 2), (std::vector<WindowId>{A, B}));
  // C closed and D opened: same count, the cycle goes on at position 3 of the new list.
  EXPECT_EQ(s.ToggleIt({A, B, D}), D);
  EXPECT_EQ(s.TogglePosition, 3);
  s.RecordForeground(D);
  // One more window opens: the count changed, the first window comes again.
  s.RecordForeground(0);  // a tick without a foreground window keeps the last one
  EXPECT_EQ(s.LastForegroundHwnd, D);
  EXPECT_EQ(s.ToggleIt({A, B, C, D}), A);
  EXPECT_EQ(s.LastWindowCount, 4);
  // Down to none and back to one: the count changes each time.
  EXPECT_EQ(s.ToggleIt(kNone), std::nullopt);
  EXPECT_EQ(s.ToggleIt({C}), C);
  EXPECT_EQ(s.TogglePosition, 1);
}

TEST(ToggleIt, ResetStartsAgainAndHandlesCompareSigned) {
  ToggleState s;
  s.RecordForeground(D);
  EXPECT_EQ(Toggles(s, {A, B, C}, 2), (std::vector<WindowId>{A, B}));
  s.Reset();
  s.RecordForeground(-5);
  // The first window again, unless it is the foreground one, even with a negative value.
  EXPECT_EQ(s.ToggleIt({-5, A, B}), A);
}
